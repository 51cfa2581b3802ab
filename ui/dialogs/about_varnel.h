#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

// The About window: the program's name, its credits and a notice, with an OK button.
// It is destroyed when it is closed (by OK or by its close button); the next opening creates
// a new one. Its load handler asks the main window to place and show it.
class AboutVarnel : public QWidget {
    Q_OBJECT
public:
    // about_click: the main window's about_Click. main_window: brought to the front by OK.
    AboutVarnel(std::function<void()> about_click, QWidget* main_window);

    // The load handler: run once, right after creation and before the window is first shown.
    void load();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ok_clicked();

    std::function<void()> about_click_;
    QPointer<QWidget> main_window_;  // may be gone first when the program ends
};
