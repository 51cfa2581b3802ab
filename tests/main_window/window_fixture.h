#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include <QLabel>

#include "dialogs/notifier.h"
#include "dialogs/pchange.h"
#include "main_window/print_box.h"
#include "main_window/target_layout.h"
#include "main_window/units.h"
#include "main_window/varnel.h"

// Records every message, question and beep and answers at once.
class RecordingNotifier : public Notifier {
public:
    void inform(QWidget*, const QString& text) override { messages.push_back(text.toStdString()); }
    bool confirm(QWidget*, const QString& text) override {
        questions.push_back(text.toStdString());
        return answer;
    }
    void beep() override { ++beeps; }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    int beeps = 0;
    bool answer = true;
};

// Names of all 62 hit targets.
inline std::vector<QString> all_target_names() {
    std::vector<QString> names;
    for (const NumberTargets& array : kNumberTargets) {
        for (int index = 0; index < 3; ++index) names.push_back(QString("%1_%2").arg(array.name).arg(index));
    }
    names.push_back("bull");
    names.push_back("dbl_bull");
    return names;
}

inline QString target_name(int number, int index) {
    return QString("%1_%2").arg(kNumberTargets[number - 1].name).arg(index);
}

// The text a box prints, its text and number items run together.
inline std::string printed_text(const PrintBox* box) {
    std::string text;
    for (const quendel::PrintItem& item : box->printed()) {
        if (item.kind == quendel::PrintItem::Kind::Text || item.kind == quendel::PrintItem::Kind::Number) {
            text += item.text;
        }
    }
    return text;
}

// A main window as the program opens it: loaded, shown and active.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<Varnel>(notifier);
        window->load();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        activate();
    }

    void TearDown() override { window.reset(); }

    void activate() {
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget>
    T* control(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    PrintBox* box(const QString& name) const { return control<PrintBox>(name); }

    void click(const QString& name) {
        QWidget* target = control(name);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }

    void hit(int number, int index) { click(target_name(number, index)); }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), k, modifiers);
    }

    // Chooses a game and a number of teams in the panels and clicks `continue`.
    void start(const QString& game_option, int teams) {
        click(game_option);
        click(QString("two_play_%1").arg(teams - 2));
        click("continue");
    }

    int visible_targets() const {
        int shown = 0;
        for (const QString& name : all_target_names()) shown += control(name)->isVisible() ? 1 : 0;
        return shown;
    }

    const quendel::MatchState& state() { return window->match().state(); }

    RecordingNotifier notifier;
    std::unique_ptr<Varnel> window;
};
