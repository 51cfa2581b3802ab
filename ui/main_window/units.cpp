#include "units.h"

#include <QStringList>

QFont ui_font(Face face, double points, bool bold, bool italic) {
    QFont font;
    switch (face) {
        case Face::TimesNewRoman:
            font.setFamilies({"Times New Roman", "Liberation Serif", "DejaVu Serif"});
            font.setStyleHint(QFont::Serif);
            break;
        case Face::Arial:
            font.setFamilies({"Arial", "Liberation Sans", "DejaVu Sans"});
            font.setStyleHint(QFont::SansSerif);
            break;
        case Face::MsSansSerif:
            font.setFamilies({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"});
            font.setStyleHint(QFont::SansSerif);
            break;
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
