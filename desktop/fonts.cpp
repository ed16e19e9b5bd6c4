#include "fonts.h"

#include <QString>
#include <cmath>
#include <cstring>

namespace {
// The default font of the controls that carry none of their own.
constexpr FontSpec kDefaultControlFont{"MS Sans Serif", 8.25, false};

QString standIn(const char* family)
{
    if (!std::strcmp(family, "Times New Roman") || !std::strcmp(family, "Symbol"))
        return QStringLiteral("Liberation Serif");  // Symbol's letters are written as Unicode Greek
    if (!std::strcmp(family, "MS Sans Serif") || !std::strcmp(family, "Arial"))
        return QStringLiteral("Liberation Sans");
    return QString::fromUtf8(family);
}
}  // namespace

int pointsToPixels(double points, double scale) { return int(std::lround(points * 96.0 / 72.0 * scale)); }

QFont fontFor(const FontSpec& given, double scale)
{
    const FontSpec& f = given.family ? given : kDefaultControlFont;
    QFont font(standIn(f.family));
    font.setPixelSize(std::max(1, pointsToPixels(f.points, scale)));
    font.setWeight(f.bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
