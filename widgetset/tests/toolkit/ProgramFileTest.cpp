// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Where a file named without a folder lives: the program's folder where the user may write,
// else the user's copy, which starts from the program folder's file.
#include "FileKit.h"
#include "toolkit/stores/ProgramFile.h"
#include "toolkit/stores/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

class ProgramFileTest : public testing::Test {
protected:
    QTemporaryDir FDir;
    TProgramFile::TPlaces FPlaces{FDir.filePath(QStringLiteral("bin")), false, FDir.filePath(QStringLiteral("config/app"))};
    QString FInstalled = FPlaces.ProgramFolder + QStringLiteral("/history.ini");
    QString FUserCopy = FPlaces.UserFolder + QStringLiteral("/history.ini");

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(FPlaces.ProgramFolder)); }
};

} // namespace

TEST_F(ProgramFileTest, AWritableProgramFolderKeepsTheFileForReadingAndWriting)
{
    FPlaces.ProgramFolderWritable = true;
    WriteBytes(FInstalled, "[Box]\nHistoryCount=0\n");
    EXPECT_EQ(TProgramFile::ForReading(QStringLiteral("history.ini"), FPlaces), FInstalled);
    EXPECT_EQ(TProgramFile::ForWriting(QStringLiteral("history.ini"), FPlaces), FInstalled);
    EXPECT_FALSE(QFileInfo::exists(FPlaces.UserFolder));
}

TEST_F(ProgramFileTest, AReadOnlyProgramFolderIsReadUntilTheUsersCopyIsMadeFromIt)
{
    WriteBytes(FInstalled, "[Box]\nHistoryCount=1\nHistory0=old\n[Other]\nHistoryCount=1\nHistory0=kept\n");
    // No copy yet: the installed file is what there is to read.
    EXPECT_EQ(TProgramFile::ForReading(QStringLiteral("history.ini"), FPlaces), FInstalled);
    // The first write goes to the user's copy, which starts with every section of the
    // installed file, so that another box's history is still found there.
    EXPECT_EQ(TProgramFile::ForWriting(QStringLiteral("history.ini"), FPlaces), FUserCopy);
    EXPECT_EQ(FileBytes(FUserCopy), FileBytes(FInstalled));
    EXPECT_TRUE(QFileInfo(FUserCopy).isWritable());
    // From then on the copy is read, and written without being made again.
    WriteBytes(FUserCopy, "[Box]\nHistoryCount=0\n");
    EXPECT_EQ(TProgramFile::ForReading(QStringLiteral("history.ini"), FPlaces), FUserCopy);
    EXPECT_EQ(TProgramFile::ForWriting(QStringLiteral("history.ini"), FPlaces), FUserCopy);
    EXPECT_EQ(FileBytes(FUserCopy), "[Box]\nHistoryCount=0\n");
}

TEST_F(ProgramFileTest, AReadOnlyProgramFolderWithoutTheFileWritesANewUserCopy)
{
    EXPECT_EQ(TProgramFile::ForReading(QStringLiteral("history.ini"), FPlaces), FInstalled);
    EXPECT_EQ(TProgramFile::ForWriting(QStringLiteral("history.ini"), FPlaces), FUserCopy);
    EXPECT_FALSE(QFileInfo::exists(FUserCopy)); // the INI file makes it on its first write
}

TEST_F(ProgramFileTest, AUserCopyThatCannotBeMadeRefusesTheWrite)
{
    WriteBytes(FInstalled, "[Box]\nHistoryCount=1\nHistory0=old\n");
    // A file where the user's folder should be: no folder, no copy, and no write beside it that
    // would hide the installed file's sections.
    WriteBytes(FDir.filePath(QStringLiteral("config")), "not a folder");
    EXPECT_EQ(ErrorText([&] { TProgramFile::ForWriting(QStringLiteral("history.ini"), FPlaces); }),
              QStringLiteral("%1 に書き込めません").arg(FUserCopy));
}

TEST_F(ProgramFileTest, TheUsersFolderIsNamedAfterTheProgramInTheConfigurationFolder)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", FDir.path().toLocal8Bit());
    const QString name = QCoreApplication::applicationName();
    EXPECT_EQ(ProgramConfigFolder(QStringLiteral("x")), QDir::cleanPath(FDir.path()) + QLatin1Char('/') + name);
    QCoreApplication::setApplicationName(QStringLiteral("../escape"));
    EXPECT_EQ(ProgramConfigFolder(QStringLiteral("x")), QDir::cleanPath(FDir.path()) + QStringLiteral("/.._escape"));
    QCoreApplication::setApplicationName(name);
    saved.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", saved);
}
