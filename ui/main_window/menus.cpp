#include "main_window/menus.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* make_menu(QMenuBar* bar, const QString& name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction* make_command(QMainWindow* window, QMenu* menu, const QString& name, const QString& caption,
                      const QList<QKeySequence>& shortcuts) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcuts(shortcuts);
    // Also on the window itself, so the shortcut needs only the window to be active.
    window->addAction(action);
    return action;
}

}  // namespace

MainMenus create_menus(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    // Menus speak in the desktop's own menu font, not in the window's.
    bar->setFont(QApplication::font(bar));

    MainMenus menus;
    QMenu* file = make_menu(bar, "New", "&File");
    menus.new_game = make_command(window, file, "New_game", "&New", {QKeySequence(Qt::Key_F5)});
    menus.player_change = make_command(window, file, "p_chg", "&Player Change", {QKeySequence(Qt::Key_F8)});
    menus.quit = make_command(window, file, "quit", "E&xit", {QKeySequence(Qt::Key_F9)});

    QMenu* edit = make_menu(bar, "Edit_Menu", "&Edit");
    menus.undo = make_command(window, edit, "Undo", "&Undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    menus.redo = make_command(window, edit, "Redo", "&Redo",
                              {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QMenu* help = make_menu(bar, "Help_Menu", "&Help");
    menus.about = make_command(window, help, "About", "&About...", {QKeySequence(Qt::CTRL | Qt::Key_A)});
    return menus;
}
