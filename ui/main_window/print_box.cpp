#include "main_window/print_box.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <array>
#include <utility>

namespace {

qreal measure_column_width(const QFont& font) {
    // Letter frequencies per thousand characters of English text, the blank included.
    static constexpr std::array<std::pair<char, int>, 27> kWeights = {{
        {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14}, {'h', 42}, {'i', 63},
        {'j', 3},  {'k', 6},  {'l', 35}, {'m', 20}, {'n', 56},  {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49},
        {'s', 56}, {'t', 71}, {'u', 31}, {'v', 10}, {'w', 18},  {'x', 3},  {'y', 18}, {'z', 2},  {' ', 166},
    }};
    const QFontMetricsF metrics(font);
    qreal weighted = 0;
    int total = 0;
    for (const auto& [letter, weight] : kWeights) {
        weighted += weight * metrics.horizontalAdvance(QChar(letter));
        total += weight;
    }
    return weighted / total;
}

// A string as it prints in one font: its glyphs laid out and its advance.
struct ShapedText {
    QStaticText glyphs;
    qreal advance = 0;
};

// Scoreboards print the same few dozen strings over and over; laying out each once keeps a
// redraw to placing glyphs.
const ShapedText& shaped(const QString& text, const QFont& font, const QFontMetricsF& metrics) {
    static QHash<QString, ShapedText> known;
    constexpr qsizetype kMostKept = 512;  // scores take new values all evening: start afresh when full
    const QString key = font.key() + QChar(0) + text;
    auto found = known.constFind(key);
    if (found != known.constEnd()) return *found;
    if (known.size() >= kMostKept) known.clear();
    ShapedText entry{QStaticText(text), metrics.horizontalAdvance(text)};
    entry.glyphs.setTextFormat(Qt::PlainText);
    entry.glyphs.prepare(QTransform(), font);
    return *known.insert(key, entry);
}

}  // namespace

qreal column_width(const QFont& font) {
    // A board prints in a handful of fonts; measuring 27 letters at every tab would be most of
    // the cost of a redraw.
    static QHash<QString, qreal> known;
    const QString key = font.key();
    auto found = known.constFind(key);
    if (found == known.constEnd()) found = known.insert(key, measure_column_width(font));
    return *found;
}

std::vector<PlacedText> layout_print_list(const quendel::PrintList& items, const QFont& face) {
    using Kind = quendel::PrintItem::Kind;
    constexpr qreal kSlack = 0.01;  // rounding noise, not a position past the column

    std::vector<PlacedText> placed;
    QFont font = face;
    qreal x = 0;
    qreal y = 0;
    QFontMetricsF metrics(font);
    qreal column = column_width(font);
    for (const quendel::PrintItem& item : items) {
        switch (item.kind) {
            case Kind::FontSize:
                if (item.value > 0) {
                    font.setPointSizeF(item.value);
                    metrics = QFontMetricsF(font);
                    column = column_width(font);
                }
                break;
            case Kind::Tab: {
                const qreal column_start = std::max(item.value - 1, 0) * column;
                if (x > column_start + kSlack) y += metrics.lineSpacing();
                x = column_start;
                break;
            }
            case Kind::Text:
            case Kind::Number: {
                const QString text = QString::fromStdString(item.text);
                if (text.isEmpty()) break;
                const ShapedText& shape = shaped(text, font, metrics);
                placed.push_back({QRectF(x, y, shape.advance, metrics.height()), font, text, shape.glyphs});
                x += shape.advance;
                break;
            }
            case Kind::LineBreak:
                x = 0;
                y += metrics.lineSpacing();
                break;
        }
    }
    return placed;
}

PrintBox::PrintBox(const QString& name, const QFont& face, const QColor& background, QWidget* parent)
    : QWidget(parent), face_(face) {
    setObjectName(name);
    setFont(face);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
}

void PrintBox::print(const quendel::PrintList& items) {
    items_ = items;
    placed_ = layout_print_list(items_, face_);
    update();
}

void PrintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const PlacedText& item : placed_) {
        painter.setFont(item.font);
        painter.drawStaticText(item.rect.topLeft(), item.shaped);
    }
}
