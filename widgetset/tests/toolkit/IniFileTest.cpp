// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "FileKit.h"
#include "toolkit/stores/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

using namespace TarvoWidgets;

namespace {

class IniFileTest : public testing::Test {
protected:
    QTemporaryDir FDir;
    QString FPath = FDir.filePath(QStringLiteral("test.ini"));
};

} // namespace

TEST_F(IniFileTest, WriteChangesOneLineAndKeepsTheRestAsItWas)
{
    WriteBytes(FPath,
               "; written by hand\n"
               "[Other]\nkey=1\n"
               "[Box]\r\n"
               "HistoryCount=1\r\n"
               "# a comment that closes the section\n"
               "\n"
               "[Last]\nno equals sign here\n");
    TIniFile ini(FPath);
    ini.WriteString(QStringLiteral("box"), QStringLiteral("historycount"), QStringLiteral("2"));
    ini.WriteString(QStringLiteral("BOX"), QStringLiteral("History0"), QStringLiteral("新しい"));
    ini.WriteString(QStringLiteral("New"), QStringLiteral("A"), QStringLiteral("b"));
    ini.UpdateFile();
    EXPECT_EQ(FileBytes(FPath),
              "; written by hand\n"
              "[Other]\nkey=1\n"
              "[Box]\r\n"
              "historycount=2\n"
              "History0=新しい\n"
              "# a comment that closes the section\n"
              "\n"
              "[Last]\nno equals sign here\n"
              "[New]\nA=b\n");
}

TEST_F(IniFileTest, ReadsWithoutRegardToCaseAndTheFirstOfEqualNamesWins)
{
    WriteBytes(FPath,
               "\xEF\xBB\xBF[Sec]\n  Key  =  value with blanks inside  \nkey=second\n"
               "[SEC]\nother=x\n");
    TIniFile ini(FPath);
    const QString def = QStringLiteral("default");
    EXPECT_EQ(ini.ReadString(QStringLiteral("sec"), QStringLiteral("KEY"), def), QStringLiteral("value with blanks inside"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Sec"), QStringLiteral("other"), def), def);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Missing"), QStringLiteral("key"), def), def);
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("SEC")));
}

TEST_F(IniFileTest, ValuesKeepTheirBlanksAndQuotesThroughARoundTrip)
{
    const QStringList values{QStringLiteral("  leading"), QStringLiteral("trailing "), QStringLiteral("\"quoted\""),
                             QStringLiteral("\""), QStringLiteral("a=b; c"), QString(),
                             QStringLiteral("\uFEFFmark first"), QStringLiteral("\"\uFEFF\"")};
    {
        TIniFile ini(FPath);
        for (int i = 0; i < values.size(); ++i)
            ini.WriteString(QStringLiteral("S"), QStringLiteral("K%1").arg(i), values[i]);
        ini.UpdateFile();
    }
    TIniFile ini(FPath);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K%1").arg(i), QStringLiteral("?")), values[i]) << i;
}

TEST_F(IniFileTest, EraseSectionRemovesEveryCopyOfItWhole)
{
    WriteBytes(FPath, "[A]\nx=1\n[b]\ny=2\n; note\n[C]\nz=3\n[B]\nw=4\n");
    TIniFile ini(FPath);
    ini.EraseSection(QStringLiteral("B"));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("b")));
    ini.UpdateFile();
    EXPECT_EQ(FileBytes(FPath), "[A]\nx=1\n[C]\nz=3\n");
}

TEST_F(IniFileTest, ValueReadBackIsCutAt2047BytesNeverInsideACharacter)
{
    const QString ascii2048(2048, QLatin1Char('a'));
    const QString ascii2047(2047, QLatin1Char('a'));
    const QString straddling = QString(2046, QLatin1Char('a')) + QStringLiteral("あ"); // 2049 bytes
    TIniFile writer(FPath);
    writer.WriteString(QStringLiteral("S"), QStringLiteral("exact"), ascii2047);
    writer.WriteString(QStringLiteral("S"), QStringLiteral("long"), ascii2048);
    writer.WriteString(QStringLiteral("S"), QStringLiteral("straddling"), straddling);
    writer.UpdateFile();

    TIniFile ini(FPath);
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("exact"), {}), ascii2047);
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("long"), {}), ascii2047);
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("straddling"), {}), QString(2046, QLatin1Char('a')));
    // Written whole: only the reading cuts.
    EXPECT_TRUE(FileBytes(FPath).contains(straddling.toUtf8()));
}

TEST_F(IniFileTest, FileIsCreatedOnUpdateOnlyAndChangesWithoutUpdateAreForgotten)
{
    {
        TIniFile ini(FPath);
        ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), {}), QStringLiteral("v"));
    }
    EXPECT_FALSE(QFile::exists(FPath));
    TIniFile ini(FPath);
    ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    ini.UpdateFile();
    EXPECT_EQ(FileBytes(FPath), "[S]\nK=v\n");
}

TEST_F(IniFileTest, FailedWriteLeavesThePreviousFileWholeAndNothingBeside)
{
    const QByteArray before = "[Box]\nHistoryCount=2\nHistory0=b\nHistory1=a\n";
    WriteBytes(FPath, before);
    TIniFile ini(FPath, HalfWriter());
    ini.EraseSection(QStringLiteral("Box"));
    ini.WriteString(QStringLiteral("Box"), QStringLiteral("HistoryCount"), QStringLiteral("0"));
    EXPECT_EQ(ErrorText([&] { ini.UpdateFile(); }), QStringLiteral("%1 に書き込めません").arg(FPath));
    EXPECT_EQ(FileBytes(FPath), before);
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("test.ini")});
}

TEST_F(IniFileTest, FileInAMissingFolderCannotBeWritten)
{
    const QString path = FDir.filePath(QStringLiteral("no/such/folder/x.ini"));
    TIniFile ini(path);
    ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    EXPECT_EQ(ErrorText([&] { ini.UpdateFile(); }), QStringLiteral("%1 に書き込めません").arg(path));
}

TEST_F(IniFileTest, NamesAndValuesThatWouldBreakTheLinesAreRefused)
{
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        const char* error;
    };
    const Case cases[] = {
        {"", "K", "v", "セクション名 '' は使えません"},
        {"a]b", "K", "v", "セクション名 'a]b' は使えません"},
        {"a\nb", "K", "v", "セクション名 'a\nb' は使えません"},
        {" S", "K", "v", "セクション名 ' S' は使えません"},
        {"S", "", "v", "キー名 '' は使えません"},
        {"S", "a=b", "v", "キー名 'a=b' は使えません"},
        {"S", "[K]", "v", "キー名 '[K]' は使えません"},
        {"S", ";K", "v", "キー名 ';K' は使えません"},
        {"S", "K", "line\nbreak", "'K' の値に改行は使えません"},
        {"S", "K", "carriage\rreturn", "'K' の値に改行は使えません"},
    };
    TIniFile ini(FPath);
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorText([&] {
                      ini.WriteString(QString::fromUtf8(c.section), QString::fromUtf8(c.key), QString::fromUtf8(c.value));
                  }),
                  QString::fromUtf8(c.error));
    }
    ini.UpdateFile();
    EXPECT_FALSE(QFile::exists(FPath));
}

TEST_F(IniFileTest, GarbageAroundASectionIsKeptByteForByte)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) % 256); // every byte value, invalid UTF-8 and NULs included
    const QByteArray hugeLine = "huge=" + QByteArray(4 * 1024 * 1024, 'x');
    WriteBytes(FPath, garbage + "\n[Box]\nHistoryCount=1\n" + hugeLine + "\n[x\n=\n[]\n");
    TIniFile ini(FPath);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Box"), QStringLiteral("HistoryCount"), {}), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Box"), QStringLiteral("huge"), {}).size(), TIniFile::MaxValueBytes);
    ini.WriteString(QStringLiteral("Box"), QStringLiteral("HistoryCount"), QStringLiteral("2"));
    ini.UpdateFile();
    EXPECT_EQ(FileBytes(FPath), garbage + "\n[Box]\nHistoryCount=2\n" + hugeLine + "\n[x\n=\n[]\n");
}

TEST_F(IniFileTest, FileLargerThanTheLimitIsRefusedOnRead)
{
    WriteBytes(FPath, QByteArray(TProfileFile::MaxBytes + 1, '\n'));
    TIniFile ini(FPath);
    EXPECT_EQ(ErrorText([&] { ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), {}); }),
              QStringLiteral("ファイル %1 は開けません").arg(FPath));
}

TEST_F(IniFileTest, UpdateThatWouldPassTheReadLimitIsRefusedAndTheOtherSectionsStayReadable)
{
    const QByteArray before = "[Small]\nk=v\n[Large]\nbig=" + QByteArray(TProfileFile::MaxBytes - 64, 'x') + "\n";
    WriteBytes(FPath, before);
    TIniFile ini(FPath);
    ini.WriteString(QStringLiteral("Small"), QStringLiteral("more"), QString(100, QLatin1Char('y')));
    EXPECT_EQ(ErrorText([&] { ini.UpdateFile(); }),
              QStringLiteral("%1 は上限の %2 バイトを超えるため書き込めません").arg(FPath).arg(TProfileFile::MaxBytes));
    EXPECT_EQ(FileBytes(FPath), before);
    EXPECT_EQ(TIniFile(FPath).ReadString(QStringLiteral("Small"), QStringLiteral("k"), {}), QStringLiteral("v"));
}

TEST_F(IniFileTest, SpecialFileAtThePathIsRefusedWithoutWaiting)
{
    // A FIFO would block the open and the read until a writer came: both must fail at once.
    ASSERT_EQ(::mkfifo(QFile::encodeName(FPath).constData(), 0600), 0);
    TIniFile ini(FPath);
    const QString refused = QStringLiteral("ファイル %1 は開けません").arg(FPath);
    EXPECT_EQ(ErrorText([&] { ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), {}); }), refused);
    TIniFile writer(FPath);
    EXPECT_EQ(ErrorText([&] {
                  writer.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
                  writer.UpdateFile();
              }),
              refused);
    EXPECT_FALSE(QFileInfo(FPath).isFile());
    EXPECT_EQ(ErrorText([] { TIniFile(QStringLiteral("/dev/zero")).ReadString(QStringLiteral("S"), QStringLiteral("K"), {}); }),
              QStringLiteral("ファイル /dev/zero は開けません"));
}

TEST_F(IniFileTest, UpdateKeepsWhatAnotherWriterCommittedMeanwhile)
{
    WriteBytes(FPath, "[Shared]\nold=1\n");
    TIniFile first(FPath);
    TIniFile second(FPath);
    EXPECT_EQ(first.ReadString(QStringLiteral("Shared"), QStringLiteral("old"), {}), QStringLiteral("1"));
    EXPECT_EQ(second.ReadString(QStringLiteral("Shared"), QStringLiteral("old"), {}), QStringLiteral("1"));
    first.WriteString(QStringLiteral("Shared"), QStringLiteral("first"), QStringLiteral("a"));
    second.WriteString(QStringLiteral("Shared"), QStringLiteral("second"), QStringLiteral("b"));
    first.UpdateFile();
    second.UpdateFile();
    EXPECT_EQ(FileBytes(FPath), "[Shared]\nold=1\nfirst=a\nsecond=b\n");
}

TEST_F(IniFileTest, WritersInTwoThreadsLoseNothing)
{
    constexpr int PerThread = 40;
    auto writeKeys = [this](const QString& prefix) {
        for (int i = 0; i < PerThread; ++i) {
            TIniFile ini(FPath);
            ini.WriteString(QStringLiteral("S"), prefix + QString::number(i), QStringLiteral("v"));
            ini.UpdateFile();
        }
    };
    std::thread a(writeKeys, QStringLiteral("a"));
    std::thread b(writeKeys, QStringLiteral("b"));
    a.join();
    b.join();
    TIniFile ini(FPath);
    for (int i = 0; i < PerThread; ++i) {
        EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("a%1").arg(i), {}), QStringLiteral("v"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("b%1").arg(i), {}), QStringLiteral("v"));
    }
}

// A section written whole goes through the file's bytes without parsing the other sections; the
// file must come out as erasing the section and writing each entry makes it, whatever the
// file's shape.
TEST_F(IniFileTest, ASectionWrittenWholeGivesTheBytesOfAnEraseAndItsWrites)
{
    const std::vector<std::pair<const char*, QByteArray>> files = {
        {"no file", "<none>"},
        {"an empty file", ""},
        {"the section alone, no break at the end", "[Box]\nHistoryCount=1\nHistory0=old"},
        {"other sections around, the last without a break",
         "; hand\n\n[Other]\r\nkey=1\r\n[Box]\nHistory0=old\n; closes Box\n[Last]\nx"},
        {"the section twice, in other cases, and last without a break", "[BOX]\na=1\n[Keep]\nb=2\n[box]\nc=3"},
        {"a byte-order mark before the section's header", "\xEF\xBB\xBF[Box]\na=1\n[Keep]\nb=2\n"},
        {"a byte-order mark before lines of no section", "\xEF\xBB\xBF; top\n[Keep]\nb=2\n[Box]\n"},
        {"a header with blanks and text after it", "  [ Box ] trailing\na=1\n[Keep] x\nb=2\n"},
    };
    // Equal keys keep one line: the first's place, the last's value and spelling.
    const std::vector<std::pair<QString, QString>> entries = {
        {QStringLiteral("HistoryCount"), QStringLiteral("3")}, {QStringLiteral("History0"), QStringLiteral(" blank ")},
        {QStringLiteral("History1"), QStringLiteral("新しい")},   {QStringLiteral("history0"), QStringLiteral("again")},
        {QStringLiteral("History2"), QStringLiteral("\"q\"")},
    };
    for (const bool equalKeys : {false, true}) {
        for (const auto& [name, bytes] : files) {
            const QString erased = FDir.filePath(QStringLiteral("erased.ini"));
            const QString whole = FDir.filePath(QStringLiteral("whole.ini"));
            QFile::remove(erased);
            QFile::remove(whole);
            if (bytes != "<none>") {
                WriteBytes(erased, bytes);
                WriteBytes(whole, bytes);
            }
            TIniFile byEntry(erased);
            byEntry.EraseSection(QStringLiteral("box"));
            TIniFile::TSectionEntries written;
            for (std::size_t i = 0; i < entries.size(); ++i) {
                if (!equalKeys && i == 3)
                    continue;
                byEntry.WriteString(QStringLiteral("Box"), entries[i].first, entries[i].second);
                written.WriteString(entries[i].first, entries[i].second);
            }
            byEntry.UpdateFile();
            TIniFile byWhole(whole);
            byWhole.ReplaceSection(QStringLiteral("Box"), std::move(written));
            // A read in the same transaction sees the new section.
            EXPECT_EQ(byWhole.ReadString(QStringLiteral("BOX"), QStringLiteral("history1"), QString()),
                      QStringLiteral("新しい"))
                << name;
            byWhole.UpdateFile();
            EXPECT_EQ(FileBytes(whole), FileBytes(erased)) << name << (equalKeys ? ", equal keys" : "");
        }
    }
    // The last case, as both ways wrote it: of the equal keys, the first's place holds the last.
    EXPECT_EQ(FileBytes(FDir.filePath(QStringLiteral("whole.ini"))),
              "[Keep] x\nb=2\n[Box]\nHistoryCount=3\nhistory0=again\nHistory1=新しい\nHistory2=\"\"q\"\"\n");
    // The sections kept go out as their bytes were read, the file's last line with a break.
    WriteBytes(FPath, "; hand\n\n[Other]\r\nkey=1\r\n[Box]\nold=1\n; closes Box\n[Last]\nx");
    TIniFile ini(FPath);
    TIniFile::TSectionEntries one;
    one.WriteString(QStringLiteral("HistoryCount"), QStringLiteral("0"));
    ini.ReplaceSection(QStringLiteral("Box"), std::move(one));
    ini.UpdateFile();
    EXPECT_EQ(FileBytes(FPath), "; hand\n\n[Other]\r\nkey=1\r\n[Last]\nx\n[Box]\nHistoryCount=0\n");
}

// Only a file that is not there is "no file yet": a look at the path that fails otherwise (the
// folder may not be searched, a link loops, a part of the path is a file) is an error, so that
// a history is never taken as empty and then saved over the one the user has.
TEST_F(IniFileTest, APathThatCannotBeLookedAtIsRefusedNotTakenAsNoFile)
{
    const QString loop = FDir.filePath(QStringLiteral("loop.ini"));
    ASSERT_EQ(::symlink("loop.ini", QFile::encodeName(loop).constData()), 0);
    WriteBytes(FPath, "[S]\nK=v\n");
    const QString underFile = FPath + QStringLiteral("/x.ini");
    for (const QString& path : {loop, underFile}) {
        SCOPED_TRACE(path.toStdString());
        TIniFile ini(path);
        EXPECT_EQ(ErrorText([&] { ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), {}); }),
                  QStringLiteral("ファイル %1 は開けません").arg(path));
    }
}
