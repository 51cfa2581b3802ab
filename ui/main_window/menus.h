#pragma once

#include <QAction>
#include <QMainWindow>

// The commands of the menu bar. Their shortcuts work whenever the main window is active.
struct MainMenus {
    QAction* new_game = nullptr;       // `New_game`, F5
    QAction* player_change = nullptr;  // `p_chg`, F8
    QAction* quit = nullptr;           // `quit`, F9
    QAction* undo = nullptr;           // Ctrl+Z
    QAction* redo = nullptr;           // Ctrl+Y, Ctrl+Shift+Z
    QAction* about = nullptr;          // `About`, Ctrl+A
};

// Builds "&File", "&Edit" and "&Help" on the window's menu bar.
MainMenus create_menus(QMainWindow* window);
