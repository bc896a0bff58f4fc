// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Cheap guards on the art: the opponents must not look alike, and each face must differ from
// its neighbouring mood. Thresholds are mean absolute differences per colour channel (0..255).
#include "AssetFolder.h"

#include <gtest/gtest.h>

using namespace assetfolder;

namespace {
QImage Face(const QString& name)
{
    return Read(DataPath(name + ".bmp"));
}
} // namespace

TEST(Looks, TwelveOpponentsDifferPairwiseAsThumbnails)
{
    QList<QImage> thumbs;
    for (int n = 1; n <= 12; ++n)
        thumbs.append(Face(QStringLiteral("%1_1").arg(n)).scaled(50, 50, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    for (int a = 0; a < 12; ++a)
        for (int b = a + 1; b < 12; ++b)
            EXPECT_GT(MeanDifference(thumbs[a], thumbs[b]), 25) << "opponents " << a + 1 << " and " << b + 1;
}

TEST(Looks, EveryMoodChangesTheFace)
{
    for (int k = 1; k < 17; ++k)
        EXPECT_GT(MeanDifference(Face(QStringLiteral("0_%1").arg(k)), Face(QStringLiteral("0_%1").arg(k + 1))), 0.5)
            << "player faces " << k << " and " << k + 1;
    EXPECT_GT(MeanDifference(Face("0_1"), Face("0_17")), 20) << "crying and overjoyed";
    for (int n = 1; n <= 12; ++n) {
        const QImage worried = Face(QStringLiteral("%1_0").arg(n)), even = Face(QStringLiteral("%1_1").arg(n)),
                     smug = Face(QStringLiteral("%1_2").arg(n));
        EXPECT_GT(MeanDifference(worried, even), 3) << n;
        EXPECT_GT(MeanDifference(even, smug), 3) << n;
    }
}
