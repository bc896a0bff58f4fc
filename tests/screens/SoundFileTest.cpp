// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "screens/SoundFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs the test inside an empty current folder and puts the previous one back afterwards.
class SoundFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FCurrent.isValid() && FAppDir.isValid());
        FPrevious = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(FCurrent.path()));
    }
    void TearDown() override { QDir::setCurrent(FPrevious); }

    static void Touch(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir FCurrent;
    QTemporaryDir FAppDir;
    QString FPrevious;
};

} // namespace

TEST_F(SoundFileTest, ThePlainNameWinsWhenTheCurrentFolderHoldsTheFile)
{
    Touch(FCurrent.filePath(QStringLiteral("01.wav")));
    Touch(FAppDir.filePath(QStringLiteral("01.wav")));
    EXPECT_EQ(SoundFile(QStringLiteral("01.wav"), FAppDir.path()), QStringLiteral("01.wav"));
}

TEST_F(SoundFileTest, FallsBackToTheExecutablesFolder)
{
    Touch(FAppDir.filePath(QStringLiteral("02.wav")));
    QDir(FCurrent.path()).mkdir(QStringLiteral("01.wav"));   // a folder of that name is no sound
    EXPECT_EQ(SoundFile(QStringLiteral("02.wav"), FAppDir.path()), FAppDir.filePath(QStringLiteral("02.wav")));
    EXPECT_EQ(SoundFile(QStringLiteral("01.wav"), FAppDir.path()), FAppDir.filePath(QStringLiteral("01.wav")))
        << "missing everywhere: the executable's folder, where playing it plays nothing";
    EXPECT_EQ(SoundFile(QStringLiteral("01.wav"), QStringLiteral("/")), QStringLiteral("/01.wav"))
        << "a root folder keeps its one separator";
}
