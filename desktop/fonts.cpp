#include "fonts.h"

#include <QString>
#include <algorithm>

QFont fontFor(const FontSpec& given, double scale)
{
    const FontSpec& f = shownFont(given);
    QFont font(QString::fromUtf8(standInFamily(f.family)));
    font.setPixelSize(std::max(1, pointsToPixels(f.points, scale)));
    font.setWeight(f.bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
