#pragma once

#include <QString>

class QWidget;

// The one way the program speaks to the players outside its windows: modal messages, the quit
// question and the beep. The program uses the real one; tests put in one that records the calls
// and answers at once, so that no modal box ever waits for a person.
class Notifier {
public:
    virtual ~Notifier() = default;
    // A modal message box captioned "QUENDEL" with the text, one OK button and no icon.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A modal box captioned "QUENDEL" with OK (the default) and Cancel, no icon; true for OK.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    virtual void beep() = 0;
};

// The real boxes and the system beep.
class DesktopNotifier final : public Notifier {
public:
    void inform(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    void beep() override;
};
