// The floor the toolkit sets: a bare Qt Widgets program with one main window of Quendel's size,
// a menu bar and one label.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "first_paint_exit.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Baseline");
    window.menuBar()->addMenu("&File")->addAction("E&xit");
    window.setCentralWidget(new QLabel("Baseline"));
    window.resize(664, 600);
    FirstPaintExit exit_after_paint(&window);
    window.show();
    return app.exec();
}
