// Quendel's own start-up sequence, ended right after the first painted frame.
#include <QApplication>

#include "dialogs/notifier.h"
#include "first_paint_exit.h"
#include "main_window/varnel.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DesktopNotifier notifier;
    Varnel window(notifier);
    FirstPaintExit exit_after_paint(&window);
    window.load();
    window.show();
    return app.exec();
}
