#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "dialogs/about_varnel.h"
#include "label_fit.h"

namespace {

// Stands in for the main window: owns at most one About window and places it as about_Click does.
struct AboutHost {
    QWidget main_window;
    QPointer<AboutVarnel> about;
    int placings = 0;

    void about_click() {
        ++placings;
        if (!about) open();
        about->move(57, 124);  // 855, 1860 twips
        about->show();
    }
    void open() {
        about = new AboutVarnel([this] { about_click(); }, &main_window);
        about->load();
    }
};

void flush_deletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

TEST(AboutVarnel, IsAFixedVarnelWindowWithOnlyTheCloseButton) {
    AboutHost host;
    host.open();
    AboutVarnel& about = *host.about;
    EXPECT_EQ(about.windowTitle(), "Varnel");
    EXPECT_TRUE(about.isWindow());
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(about.minimumSize(), QSize(334, 159));  // 5010 x 2385 twips
    EXPECT_EQ(about.maximumSize(), QSize(334, 159));
    delete host.about;
}

TEST(AboutVarnel, LoadAsksTheMainWindowToPlaceAndShowIt) {
    AboutHost host;
    host.open();
    EXPECT_EQ(host.placings, 1);
    EXPECT_TRUE(host.about->isVisible());
    EXPECT_EQ(host.about->pos(), QPoint(57, 124));
    EXPECT_EQ(host.about->size(), QSize(334, 159));
    delete host.about;
}

TEST(AboutVarnel, ControlsShowTheirWholeText) {
    AboutHost host;
    host.open();
    struct Control {
        const char* name;
        QRect rect;
        double points;
    };
    for (const Control& c : {Control{"Label1", QRect(8, 8, 137, 41), 26.25},
                             Control{"Label2", QRect(17, 89, 216, 23), 12},
                             Control{"Label3", QRect(17, 112, 216, 19), 12}}) {
        auto* control = host.about->findChild<QLabel*>(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->geometry(), c.rect) << c.name;
        EXPECT_EQ(control->font().pointSizeF(), c.points) << c.name;
        EXPECT_TRUE(control->font().bold()) << c.name;
        EXPECT_EQ(control->frameShape(), QFrame::NoFrame) << c.name;
        EXPECT_TRUE(text_fits(*control)) << c.name << " is clipped: " << control->text().toStdString();
    }
    EXPECT_EQ(host.about->findChild<QLabel*>("Label1")->text(), "Varnel");
    EXPECT_TRUE(host.about->findChild<QLabel*>("Label2")->text().startsWith("Programmer : "));
    EXPECT_TRUE(host.about->findChild<QLabel*>("Label3")->text().startsWith("Dart Board by : "));

    auto* notice = host.about->findChild<QLabel*>("Label4");
    ASSERT_NE(notice, nullptr);
    EXPECT_FALSE(notice->text().isEmpty());
    EXPECT_TRUE(text_fits(*notice));
    EXPECT_GE(notice->geometry().left(), 145) << "the notice stands right of the title";

    auto* ok = host.about->findChild<QPushButton*>("About_OK");
    ASSERT_NE(ok, nullptr);
    for (const char* name : {"Label2", "Label3", "Label4"})
        EXPECT_FALSE(host.about->findChild<QLabel*>(name)->geometry().intersects(ok->geometry())) << name;

    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(234, 105, 74, 36));
    delete host.about;
}

TEST(AboutVarnel, OkBringsTheMainWindowForwardAndDestroysTheWindow) {
    AboutHost host;
    host.open();
    ASSERT_FALSE(host.main_window.isVisible());
    QTest::mouseClick(host.about->findChild<QPushButton*>("About_OK"), Qt::LeftButton);
    flush_deletes();
    EXPECT_TRUE(host.main_window.isVisible());
    EXPECT_TRUE(host.about.isNull());

    // The next opening builds a fresh window at the same place.
    host.about_click();
    ASSERT_FALSE(host.about.isNull());
    EXPECT_TRUE(host.about->isVisible());
    EXPECT_EQ(host.about->pos(), QPoint(57, 124));
    delete host.about;
}

TEST(AboutVarnel, TheCloseButtonDestroysItWithoutShowingTheMainWindow) {
    AboutHost host;
    host.open();
    host.about->close();
    flush_deletes();
    EXPECT_TRUE(host.about.isNull());
    EXPECT_FALSE(host.main_window.isVisible());
}
