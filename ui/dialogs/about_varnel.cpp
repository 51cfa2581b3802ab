#include "about_varnel.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "main_window/units.h"

namespace {

// The program and its board picture (drawn by the program itself) are the work of one team.
constexpr const char* kAuthors = "Quendel team";

QLabel* make_label(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                   const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

}  // namespace

AboutVarnel::AboutVarnel(std::function<void()> about_click, QWidget* main_window)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      about_click_(std::move(about_click)),
      main_window_(main_window) {
    setObjectName("AboutVarnel");
    setWindowTitle("Varnel");
    // Closing, by OK or by the close button, destroys the window; the next opening builds a new one.
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips_rect(0, 0, 5010, 2385).size());

    const QFont credit_font = ui_font(Face::TimesNewRoman, 12);
    make_label(this, "Label1", "Varnel", twips_rect(120, 120, 2055, 615), ui_font(Face::TimesNewRoman, 26.25),
               Qt::AlignHCenter | Qt::AlignTop);
    // The credit lines reach to the OK button, so that the names are shown whole at 12 pt.
    make_label(this, "Label2", QString("Programmer : ") + kAuthors, twips_rect(255, 1335, 3240, 345), credit_font);
    make_label(this, "Label3", QString("Dart Board by : ") + kAuthors, twips_rect(255, 1680, 3240, 285),
               credit_font);
    auto* notice = make_label(this, "Label4", "Freeware.\nNo warranty of any kind.", twips_rect(2295, 120, 2595, 1095),
                              ui_font(Face::TimesNewRoman, 9.75), Qt::AlignRight | Qt::AlignTop);
    notice->setWordWrap(true);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("About_OK");
    ok->setGeometry(twips_rect(3510, 1575, 1110, 540));
    ok->setFont(credit_font);
    connect(ok, &QPushButton::clicked, this, &AboutVarnel::ok_clicked);
}

void AboutVarnel::load() {
    if (about_click_) about_click_();
}

// At start the main window is shown right after this one and would cover the splash: once the
// showing is over, this window steps in front.
void AboutVarnel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, [this] { raise(); });
}

void AboutVarnel::ok_clicked() {
    if (main_window_) {
        main_window_->show();
        main_window_->raise();
        main_window_->activateWindow();
    }
    close();
}
