// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/graphics/GothicFaces.h"

#include <QFontDatabase>
#include <QStringList>

namespace TarvoWidgets {

namespace {

// The families of the list that this machine has, in order; all of them when it has none, so
// that the font matching still picks the closest face. Asking for a family that is missing
// costs a search for its substitutes for every script and size the window uses, which was a
// good part of the game's start-up.
QStringList Installed(const QStringList& families)
{
    const QStringList available = QFontDatabase::families();
    QStringList found;
    for (const QString& family : families)
        if (available.contains(family, Qt::CaseInsensitive))
            found << family;
    return found.isEmpty() ? families : found;
}

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
    static const QStringList families = Installed({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    return Make(families, pixelSize, bold);
}

QFont FixedGothic(int pixelSize, bool bold)
{
    static const QStringList families = Installed({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")});
    return Make(families, pixelSize, bold);
}

} // namespace TarvoWidgets
