// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The generator itself: deterministic (two runs give the same bytes), and it refuses to run
// without its three folders.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Runs the generator into `root`; returns its exit code.
int Generate(const QString& root, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(root);
    process.start(QStringLiteral(TARVO_ASSETS_GENERATOR), args);
    if (!process.waitForFinished(120000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QMap<QString, QByteArray> Contents(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(QDir(root).relativeFilePath(path), file.readAll());
    }
    return files;
}

QStringList FolderArgs(const QString& root)
{
    return {"--data", root + "/data", "--sounds", root, "--layout", root + "/layout"};
}
} // namespace

TEST(Generator, SameSourceGivesSameBytes)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    ASSERT_EQ(Generate(first.path(), FolderArgs(first.path())), 0);
    ASSERT_EQ(Generate(second.path(), FolderArgs(second.path())), 0);
    const auto a = Contents(first.path()), b = Contents(second.path());
    // The data folder and its twins, the sounds, the layout pictures with the twins of the
    // discs and the portrait, and the large icon.
    EXPECT_EQ(a.size(), 2 * 94 + 2 + 11 + 9);
    ASSERT_EQ(a.keys(), b.keys());
    for (auto it = a.begin(); it != a.end(); ++it)
        EXPECT_TRUE(it.value() == b.value(it.key())) << it.key().toStdString() << " differs between runs";
}

TEST(Generator, RefusesMissingFolders)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    EXPECT_NE(Generate(root.path(), {"--data", root.path() + "/data"}), 0);
    EXPECT_TRUE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(Generator, ReportsAFolderItCannotWrite)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QFile blocker(root.path() + "/data");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the data folder should be
    blocker.close();
    EXPECT_EQ(Generate(root.path(), FolderArgs(root.path())), 1);
}
