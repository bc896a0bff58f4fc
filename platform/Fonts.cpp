#include "Fonts.h"

#include <QStringList>

namespace {
QFont Make(const QStringList& families, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
} // namespace

QFont ProportionalGothic(int pixelSize, bool bold)
{
    return Make({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")}, pixelSize, bold);
}

QFont FixedGothic(int pixelSize, bool bold)
{
    return Make({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")}, pixelSize, bold);
}
