#include "units.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace {

// The first of the faces that is installed. Asking the font system for a missing face sends it
// through a slow fallback search at every new font, so a face is asked for only where it exists.
QStringList installed_face(const QStringList& wanted) {
    if (!QGuiApplication::instance()) return wanted;  // no font system to ask yet
    static const QStringList installed = QFontDatabase::families();
    for (const QString& family : wanted) {
        if (installed.contains(family, Qt::CaseInsensitive)) return {family};
    }
    return wanted;
}

}  // namespace

QFont ui_font(Face face, double points, bool bold, bool italic) {
    QFont font;
    switch (face) {
        case Face::TimesNewRoman:
            font.setFamilies(installed_face({"Times New Roman", "Liberation Serif", "DejaVu Serif"}));
            font.setStyleHint(QFont::Serif);
            break;
        case Face::Arial:
            font.setFamilies(installed_face({"Arial", "Liberation Sans", "DejaVu Sans"}));
            font.setStyleHint(QFont::SansSerif);
            break;
        case Face::MsSansSerif:
            font.setFamilies(installed_face({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}));
            font.setStyleHint(QFont::SansSerif);
            break;
    }
    // Unhinted glyphs keep the metric-compatible advances and render in a fraction of the time.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
