#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <vector>

#include "scoreboard.h"

// Where one text item of a print list lands in its box.
struct PlacedText {
    QRectF rect;  // top-left at the print position; the text's advance by the font's height
    QFont font;
    QString text;
    QStaticText shaped;  // the text laid out once, so painting it is cheap
};

// The width of one tab column: the classic average character width of the font, the mean
// advance of the lowercase letters and the blank weighted by how often they occur in English.
// (Qt's averageCharWidth() counts every glyph of the font and comes out far wider.)
qreal column_width(const QFont& font);

// Runs a print list from the top-left corner of a box printed in the face and weight of
// `face`; FontSize items change only the point size.
std::vector<PlacedText> layout_print_list(const quendel::PrintList& items, const QFont& face);

// A box that takes printed text. It keeps what was printed last and paints it again whenever
// it is uncovered, so nothing is lost behind another window.
class PrintBox : public QWidget {
    Q_OBJECT
public:
    PrintBox(const QString& name, const QFont& face, const QColor& background, QWidget* parent);

    // Clears the box and prints the list from its top-left corner.
    void print(const quendel::PrintList& items);

    const quendel::PrintList& printed() const { return items_; }
    const std::vector<PlacedText>& placed() const { return placed_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont face_;
    quendel::PrintList items_;
    std::vector<PlacedText> placed_;
};
