#include <QApplication>

#include "dialogs/notifier.h"
#include "main_window/varnel.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DesktopNotifier notifier;
    Varnel window(notifier);
    window.load();  // the About splash and the setup panels, before the window is first shown
    window.show();
    return app.exec();
}
