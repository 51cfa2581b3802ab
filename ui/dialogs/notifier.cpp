#include "notifier.h"

#include <QApplication>
#include <QMessageBox>

namespace {

constexpr const char* kCaption = "QUENDEL";

// Runs a modal box with no icon and returns the button that closed it.
QMessageBox::StandardButton ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton default_button) {
    QMessageBox box(QMessageBox::NoIcon, kCaption, text, buttons, parent);
    box.setDefaultButton(default_button);
    box.setEscapeButton(buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void DesktopNotifier::inform(QWidget* parent, const QString& text) {
    ask(parent, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool DesktopNotifier::confirm(QWidget* parent, const QString& text) {
    return ask(parent, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

void DesktopNotifier::beep() { QApplication::beep(); }
