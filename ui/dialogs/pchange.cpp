#include "pchange.h"

#include <QLabel>

#include "artwork.h"
#include "main_window/units.h"

namespace {

// A picture area in a top corner showing the dart icon at its natural 32 x 32 size.
QLabel* make_icon_picture(QWidget* parent, const QString& name, const QRect& rect) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setGeometry(rect);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(dart_icon().pixmap(QSize(32, 32)));
    return picture;
}

}  // namespace

PChange::PChange()
    : QWidget(nullptr,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName("PChange");
    setWindowTitle("Player Change");
    // Darts are entered in the main window while this is on view: it must never take the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    make_icon_picture(this, "Picture1_0", twips_rect(240, 120, 495, 495));
    make_icon_picture(this, "Picture1_1", twips_rect(3720, 120, 495, 495));

    auto* request = new QLabel("Please Remove Your Darts", this);
    request->setObjectName("Play_change_label");
    // Two lines of 18 pt serif need 55 pixels: the label is a little taller than 735 twips so the
    // second line is not cut off; the space below it is empty anyway.
    request->setGeometry(twips_rect(1080, 120, 2415, 825));
    request->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    request->setWordWrap(true);
    request->setFont(ui_font(Face::TimesNewRoman, 18));

    lblplay_no_ = new QLabel(this);
    lblplay_no_->setObjectName("lblplay_no");
    lblplay_no_->setGeometry(twips_rect(240, 1320, 3975, 735));
    lblplay_no_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblplay_no_->setFont(ui_font(Face::TimesNewRoman, 26.25));
    lblplay_no_->setFrameShape(QFrame::Box);
    lblplay_no_->setLineWidth(1);
}

void PChange::open_for_team(int team) {
    // Placed before every opening, so it stands at the same spot wherever the main window is.
    setGeometry(twips_rect(915, 1815, 4620, 2715));
    show();
    raise();
    lblplay_no_->setText(QString("Team #%1 is next").arg(team));
}
