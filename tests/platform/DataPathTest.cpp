// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/DataPath.h"

#include <gtest/gtest.h>

TEST(DataPath, AppDirFollowsTheExecutable)
{
    struct Case { const char* exe; const char* appDir; const char* bitmap; };
    const Case cases[] = {
        {"/opt/tarvo/tarvo", "/opt/tarvo", "/opt/tarvo/data/0001.bmp"},
        {"/home/a/games/renamed-copy", "/home/a/games", "/home/a/games/data/0001.bmp"},
        // A root folder keeps its separator, so two stand in a row before "data".
        {"/tarvo", "/", "//data/0001.bmp"},
        {"//tarvo", "//", "///data/0001.bmp"},
    };
    for (const Case& c : cases) {
        const QString dir = AppDirOf(QString::fromUtf8(c.exe));
        EXPECT_EQ(dir, QString::fromUtf8(c.appDir)) << c.exe;
        EXPECT_EQ(DataPath(dir, QStringLiteral("0001.bmp")), QString::fromUtf8(c.bitmap)) << c.exe;
    }
}
