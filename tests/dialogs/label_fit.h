#pragma once

#include <QFontMetrics>
#include <QLabel>

// True when the label's whole text is on view inside its border: a label that wraps needs the
// height of its wrapped lines, one that does not needs the width of its longest line.
inline bool text_fits(const QLabel& label) {
    const QRect room = label.contentsRect();
    const QFontMetrics metrics(label.font());
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 10000), flags, label.text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}
