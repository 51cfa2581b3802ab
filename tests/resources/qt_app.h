#pragma once

#include <QGuiApplication>

// Pixmaps and fonts need a running application; one is made on first use, off screen.
inline void ensure_gui_application() {
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "resources_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}
