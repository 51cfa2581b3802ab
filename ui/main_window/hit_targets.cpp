#include "main_window/hit_targets.h"

#include <QMouseEvent>
#include <QPainter>

#include "main_window/target_layout.h"
#include "main_window/units.h"

namespace {

const char* const kRingNames[] = {"Single", "Double", "Triple"};

QPushButton* make_target(QWidget* client, const QString& name, const QString& caption, const QString& spoken,
                         const QRect& place) {
    auto* target = new TargetButton(caption, client);
    target->setObjectName(name);
    target->setAccessibleName(spoken);
    target->setGeometry(place);
    // A focused target would take the space bar as one more dart.
    target->setFocusPolicy(Qt::NoFocus);
    target->hide();
    return target;
}

}  // namespace

void TargetButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.setBrush(isDown() ? QColor(0xb0, 0xb0, 0xb0) : QColor(0xe8, 0xe8, 0xe8));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

DoubleBullSpot::DoubleBullSpot(QWidget* parent) : QWidget(parent) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
}

void DoubleBullSpot::mousePressEvent(QMouseEvent* event) { event->accept(); }

void DoubleBullSpot::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release on the spot, as with a button.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

BoardTargets create_hit_targets(QWidget* client, const TargetHandlers& handlers) {
    BoardTargets targets;
    for (const NumberTargets& array : kNumberTargets) {
        for (int index = 0; index < 3; ++index) {
            const TwipsPoint at = array.places[index];
            const TwipsSize size = kTargetSizes[index];
            const QString caption = index == 0 ? QString::number(array.number) : QString();
            QPushButton* target = make_target(client, QString("%1_%2").arg(array.name).arg(index), caption,
                                              QString("%1 %2").arg(kRingNames[index]).arg(array.number),
                                              twips_rect(at.left, at.top, size.width, size.height));
            const int number = array.number;
            QObject::connect(target, &QPushButton::clicked, target, [target, number, index, handlers] {
                if (target->isVisible()) handlers.number(number, index);
            });
            targets.numbers[number - 1][index] = target;
        }
    }

    const auto [bl, bt, bw, bh] = kBullTwips;
    targets.bull = make_target(client, "bull", "Bull", "Bull", twips_rect(bl, bt, bw, bh));
    QPushButton* bull = targets.bull;
    QObject::connect(bull, &QPushButton::clicked, bull, [bull, handlers] {
        if (bull->isVisible()) handlers.bull();
    });

    const auto [dl, dt, dw, dh] = kDblBullTwips;
    targets.dbl_bull = new DoubleBullSpot(client);
    DoubleBullSpot* spot = targets.dbl_bull;
    spot->setObjectName("dbl_bull");
    spot->setAccessibleName("Double bull");
    spot->setGeometry(twips_rect(dl, dt, dw, dh));
    spot->hide();
    QObject::connect(spot, &DoubleBullSpot::clicked, spot, [spot, handlers] {
        if (spot->isVisible()) handlers.dbl_bull();
    });
    return targets;
}
