#pragma once

#include <QRectF>
#include <QString>
#include <vector>

#include "board_geometry.h"
#include "target_layout.h"

// Every hit target of the main window as a rectangle in the picture's logical pixels, with the
// spot of the board it has to lie on.
struct TargetRect {
    QString name;  // the control's objectName, for failure messages
    QRectF rect;
    board::Spot spot;
};

inline QRectF from_twips(int left, int top, int width, int height) {
    constexpr double kTwipsPerPixel = 15.0;
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

inline std::vector<TargetRect> all_targets() {
    constexpr board::Ring kRingOfIndex[] = {board::Ring::OuterSingle, board::Ring::Double,
                                            board::Ring::Triple};
    std::vector<TargetRect> targets;
    for (const NumberTargets& number : kNumberTargets) {
        for (int index = 0; index < 3; ++index) {
            const TwipsPoint place = number.places[index];
            const TwipsSize size = kTargetSizes[index];
            targets.push_back({QString("%1_%2").arg(number.name).arg(index),
                               from_twips(place.left, place.top, size.width, size.height),
                               {number.number, kRingOfIndex[index]}});
        }
    }
    const auto [bl, bt, bw, bh] = kBullTwips;
    targets.push_back({"bull", from_twips(bl, bt, bw, bh), {0, board::Ring::Bull}});
    const auto [dl, dt, dw, dh] = kDblBullTwips;
    targets.push_back({"dbl_bull", from_twips(dl, dt, dw, dh), {0, board::Ring::DoubleBull}});
    return targets;
}
