// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "FileKit.h"
#include "toolkit/stores/Registry.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <optional>
#include <vector>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

class RegistryTest : public testing::Test {
protected:
    QTemporaryDir FDir;
    QString FPath = FDir.filePath(QStringLiteral("registry.conf"));
};

} // namespace

TEST_F(RegistryTest, ValuesAreStoredAsReadableTextAndReadBackWithTheirTypes)
{
    const QString awkward = QStringLiteral("引用 \"q\" \\ back\nline\r  ");
    {
        TRegistry reg(FPath);
        ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Tarvo\\Box"), true));
        reg.WriteInteger(QStringLiteral("HistoryCount"), -2);
        reg.WriteString(QStringLiteral("History0"), awkward);
        reg.CloseKey();
    }
    EXPECT_EQ(FileBytes(FPath),
              "[Software\\Tarvo\\Box]\n"
              "HistoryCount=dword:-2\n"
              "History0=\"引用 \\\"q\\\" \\\\ back\\nline\\r  \"\n");
    TRegistry reg(FPath);
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("software\\TARVO\\box"), false));
    EXPECT_EQ(reg.GetDataType(QStringLiteral("historycount")), TRegistry::rdInteger);
    EXPECT_EQ(reg.GetDataType(QStringLiteral("History0")), TRegistry::rdString);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("HistoryCount")), -2);
    EXPECT_EQ(reg.ReadString(QStringLiteral("History0")), awkward);
    EXPECT_EQ(reg.ReadString(QStringLiteral("Missing")), QString());
    EXPECT_FALSE(reg.ValueExists(QStringLiteral("Missing")));
}

TEST_F(RegistryTest, KeysOpenRelativeOrFromTheRootAndExistThroughTheirSubkeys)
{
    WriteBytes(FPath, "[A\\B\\C]\nv=dword:1\n");
    TRegistry reg(FPath);
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("a\\b")));   // only a subkey has a section
    EXPECT_FALSE(reg.KeyExists(QStringLiteral("A\\BC")));
    EXPECT_FALSE(reg.OpenKey(QStringLiteral("A\\X"), false));
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("A"), false));
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("B\\C"), false)); // relative to A
    EXPECT_EQ(reg.CurrentPath(), QStringLiteral("A\\B\\C"));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("V")), 1);
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("\\A"), false)); // from the root
    EXPECT_EQ(reg.CurrentPath(), QStringLiteral("A"));
    for (const char* invalid : {"A\\\\B", "A\\", "\\\\", "a]b", " A", "A\nB"})
        EXPECT_FALSE(reg.OpenKey(QString::fromUtf8(invalid), true)) << invalid;
    EXPECT_EQ(reg.CurrentPath(), QStringLiteral("A"));
}

TEST_F(RegistryTest, DeleteKeyTakesItsSubkeysAndLeavesItsSiblings)
{
    WriteBytes(FPath, "; kept\n[K\\Box]\nHistoryCount=dword:1\n[K\\Box\\Sub]\nx=\"1\"\n"
                      "[K\\BoxOther]\ny=\"2\"\n[K]\nz=\"3\"\n");
    TRegistry reg(FPath);
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("K"), false));
    EXPECT_TRUE(reg.DeleteKey(QStringLiteral("box")));
    EXPECT_FALSE(reg.DeleteKey(QStringLiteral("Box")));
    EXPECT_FALSE(reg.DeleteKey(QStringLiteral("\\"))); // the root is never deleted
    reg.CloseKey();
    EXPECT_EQ(FileBytes(FPath), "; kept\n[K\\BoxOther]\ny=\"2\"\n[K]\nz=\"3\"\n");
}

TEST_F(RegistryTest, ErrorsNameTheValue)
{
    WriteBytes(FPath, "[K]\ns=\"text\"\ni=dword:7\nbadint=dword:seven\nbadstr=\"open\nbin=hex:01,02\n");
    TRegistry reg(FPath);
    const auto error = [&](auto action) { return ErrorText(action); };
    EXPECT_EQ(error([&] { reg.WriteString(QStringLiteral("x"), {}); }), QStringLiteral("'x' の設定に失敗しました")); // root
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("K"), false));
    EXPECT_EQ(error([&] { reg.ReadInteger(QStringLiteral("missing")); }), QStringLiteral("'missing' の取得に失敗しました"));
    EXPECT_EQ(error([&] { reg.ReadInteger(QStringLiteral("s")); }), QStringLiteral("'s' のデータ型が不正です"));
    EXPECT_EQ(error([&] { reg.ReadString(QStringLiteral("i")); }), QStringLiteral("'i' のデータ型が不正です"));
    EXPECT_EQ(error([&] { reg.ReadInteger(QStringLiteral("badint")); }), QStringLiteral("'badint' の取得に失敗しました"));
    EXPECT_EQ(error([&] { reg.ReadString(QStringLiteral("badstr")); }), QStringLiteral("'badstr' の取得に失敗しました"));
    EXPECT_EQ(error([&] { reg.ReadString(QStringLiteral("bin")); }), QStringLiteral("'bin' のデータ型が不正です"));
    EXPECT_EQ(reg.GetDataType(QStringLiteral("bin")), TRegistry::rdUnknown);
    EXPECT_EQ(error([&] { reg.WriteString(QStringLiteral("a=b"), {}); }), QStringLiteral("'a=b' の設定に失敗しました"));
    EXPECT_EQ(error([&] { reg.WriteInteger(QString(), 1); }), QStringLiteral("'' の設定に失敗しました"));
}

TEST_F(RegistryTest, ChangesReachTheFileOnlyWhenTheKeyIsClosed)
{
    const QByteArray before = "[K\\Box]\nHistoryCount=dword:1\nHistory0=\"old\"\n";
    WriteBytes(FPath, before);
    {
        TRegistry reg(FPath);
        ASSERT_TRUE(reg.OpenKey(QStringLiteral("K"), true));
        reg.DeleteKey(QStringLiteral("Box"));
        ASSERT_TRUE(reg.OpenKey(QStringLiteral("Box"), true));
        reg.WriteInteger(QStringLiteral("HistoryCount"), 0);
    } // an error stopped the save here
    EXPECT_EQ(FileBytes(FPath), before);

    TRegistry reg(FPath, HalfWriter());
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("K"), true));
    reg.DeleteKey(QStringLiteral("Box"));
    EXPECT_EQ(ErrorText([&] { reg.CloseKey(); }), QStringLiteral("%1 に書き込めません").arg(FPath));
    EXPECT_EQ(FileBytes(FPath), before);
}

TEST_F(RegistryTest, CloseKeepsWhatAnotherProgramWroteMeanwhile)
{
    TRegistry first(FPath);
    TRegistry second(FPath);
    ASSERT_TRUE(first.OpenKey(QStringLiteral("One"), true));
    ASSERT_TRUE(second.OpenKey(QStringLiteral("Two"), true));
    first.WriteInteger(QStringLiteral("v"), 1);
    second.WriteInteger(QStringLiteral("v"), 2);
    first.CloseKey();
    second.CloseKey();
    EXPECT_EQ(FileBytes(FPath), "[One]\nv=dword:1\n[Two]\nv=dword:2\n");
}

TEST_F(RegistryTest, HostileFileLoadsWhatIsValid)
{
    QByteArray garbage;
    for (int i = 0; i < 2048; ++i)
        garbage += char((i * 131) % 256);
    WriteBytes(FPath, garbage + "\n[K]\nHistoryCount=dword:2147483647\nbig=dword:99999999999\nlong=\""
                          + QByteArray(2 * 1024 * 1024, 'y') + "\"\n");
    TRegistry reg(FPath);
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("K"), false));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("HistoryCount")), 2147483647);
    EXPECT_EQ(ErrorText([&] { reg.ReadInteger(QStringLiteral("big")); }), QStringLiteral("'big' の取得に失敗しました"));
    EXPECT_EQ(reg.ReadString(QStringLiteral("long")).size(), 2 * 1024 * 1024);
}

TEST_F(RegistryTest, TheRootHoldsNoValues)
{
    // "\" opens the root itself; a value written there would never read back (a key's values
    // live in its section, and the root has none).
    TRegistry reg(FPath);
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("\\"), false));
    EXPECT_EQ(ErrorText([&] { reg.WriteString(QStringLiteral("v"), QStringLiteral("x")); }), QStringLiteral("'v' の設定に失敗しました"));
    EXPECT_EQ(ErrorText([&] { reg.WriteInteger(QStringLiteral("n"), 1); }), QStringLiteral("'n' の設定に失敗しました"));
    reg.CloseKey();
    EXPECT_EQ(FileBytes(FPath), "<missing>");
}

namespace {

// Sets the environment variables for one test and puts them back afterwards.
class TEnvironment {
public:
    void Set(const char* name, const char* value)
    {
        FSaved.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~TEnvironment()
    {
        for (auto it = FSaved.rbegin(); it != FSaved.rend(); ++it)
            it->second ? qputenv(it->first, *it->second) : qunsetenv(it->first);
    }

private:
    std::vector<std::pair<const char*, std::optional<QByteArray>>> FSaved;
};

} // namespace

TEST(RegistryFile, IsTheWidgetSetsStoreInTheConfigFolderThatQtNames)
{
    const struct {
        const char* xdg;
        const char* home;
        const char* file; // the store, or the relative folder that is refused
    } cases[] = {
        {"/tmp/cfg", "/home/u", "/tmp/cfg/TarvoWidgets/registry.conf"},
        {nullptr, "/home/u", "/home/u/.config/TarvoWidgets/registry.conf"},
        {nullptr, "/", "/.config/TarvoWidgets/registry.conf"},
        {nullptr, "home/u", "home/u/.config"},
        {"relative/cfg", "/home/u", "relative/cfg"},
    };
    for (const auto& c : cases) {
        TEnvironment environment;
        environment.Set("XDG_CONFIG_HOME", c.xdg);
        environment.Set("HOME", c.home);
        const QString where = QStringLiteral("XDG_CONFIG_HOME=%1 HOME=%2").arg(c.xdg, c.home);
        const QString file = QString::fromUtf8(c.file);
        if (QDir::isAbsolutePath(file)) {
            EXPECT_EQ(ErrorText([&] { EXPECT_EQ(TRegistry::StoreFile(), file) << qPrintable(where); }), QStringLiteral("<no error>"));
        } else {
            const QString refused = QStringLiteral("設定フォルダ '%1' が絶対パスではないため、レジストリを開けません").arg(file);
            EXPECT_EQ(ErrorText([] { TRegistry::StoreFile(); }), refused) << qPrintable(where);
            EXPECT_EQ(ErrorText([] { TRegistry reg; }), refused) << qPrintable(where);
        }
    }
}

TEST(RegistryFile, WithHomeUnsetFollowsQtsStandardPaths)
{
    TEnvironment environment;
    environment.Set("XDG_CONFIG_HOME", nullptr);
    environment.Set("HOME", nullptr);
    const QString file = TRegistry::StoreFile();
    EXPECT_EQ(file, QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                        + QStringLiteral("/TarvoWidgets/registry.conf"));
    EXPECT_FALSE(file.startsWith(QStringLiteral("//"))) << qPrintable(file);
}

TEST(RegistryFile, AProgramChoosesItsOwnFileAndANewStoreStartsFromTheFormerOne)
{
    QTemporaryDir dir;
    TEnvironment environment;
    environment.Set("XDG_CONFIG_HOME", dir.path().toUtf8().constData());
    QDir(dir.path()).mkpath(QStringLiteral("tarvo"));
    const QByteArray former = "[Software\\Old]\nHistoryCount=dword:1\nHistory0=\"kept\"\n";
    WriteBytes(dir.filePath(QStringLiteral("tarvo/registry.conf")), former);

    const QString chosen = dir.filePath(QStringLiteral("mine.conf"));
    TRegistry::SetStoreFile(chosen);
    {
        TRegistry reg;
        EXPECT_EQ(reg.FileName(), chosen);
        ASSERT_TRUE(reg.OpenKey(QStringLiteral("K"), true));
        reg.WriteInteger(QStringLiteral("v"), 7);
        reg.CloseKey();
    }
    EXPECT_EQ(FileBytes(chosen), "[K]\nv=dword:7\n");
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("TarvoWidgets/registry.conf"))));

    TRegistry::SetStoreFile(QString());
    TRegistry reg;
    EXPECT_EQ(reg.FileName(), dir.filePath(QStringLiteral("TarvoWidgets/registry.conf")));
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Old"), false));
    EXPECT_EQ(reg.ReadString(QStringLiteral("History0")), QStringLiteral("kept"));
    EXPECT_EQ(FileBytes(reg.FileName()), former);
    EXPECT_EQ(FileBytes(dir.filePath(QStringLiteral("tarvo/registry.conf"))), former);
}

// Only a file is taken over: a folder that has the former store's name leaves the new store to
// start empty, nothing made on disk before the first write, and the folder as it was.
TEST(RegistryFile, AFolderWithTheFormerStoresNameIsNotTakenOver)
{
    QTemporaryDir dir;
    TEnvironment environment;
    environment.Set("XDG_CONFIG_HOME", dir.path().toUtf8().constData());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("tarvo/registry.conf/inside")));

    TRegistry reg;
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(reg.FileName()).path())) << qPrintable(reg.FileName());
    EXPECT_FALSE(reg.OpenKey(QStringLiteral("Software"), false));
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("K"), true));
    reg.WriteInteger(QStringLiteral("v"), 7);
    reg.CloseKey();
    EXPECT_EQ(FileBytes(reg.FileName()), "[K]\nv=dword:7\n");
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("tarvo/registry.conf/inside"))).isDir());
}

// A key written whole goes through the file's bytes; the file must come out as deleting the
// key (the keys below it too), opening it anew and writing each value makes it.
TEST_F(RegistryTest, AKeyWrittenWholeGivesTheBytesOfADeleteAndItsWrites)
{
    const std::vector<std::pair<const char*, QByteArray>> files = {
        {"no file", "<none>"},
        {"the key, a key below it and a sibling, no break at the end",
         "[K\\Box]\nHistory0=\"old\"\n[K\\Box\\Below]\nx=dword:1\n[K\\Boxes]\ny=dword:2\n[Other]\nz=\"z\""},
        {"the key in another case before its parent", "[k\\box]\nHistory0=\"old\"\n[K]\nv=dword:3\n"},
    };
    for (const auto& [name, bytes] : files) {
        const QString deleted = FDir.filePath(QStringLiteral("deleted.conf"));
        const QString whole = FDir.filePath(QStringLiteral("whole.conf"));
        QFile::remove(deleted);
        QFile::remove(whole);
        if (bytes != "<none>") {
            WriteBytes(deleted, bytes);
            WriteBytes(whole, bytes);
        }
        {
            TRegistry reg(deleted);
            ASSERT_TRUE(reg.OpenKey(QStringLiteral("K"), true));
            reg.DeleteKey(QStringLiteral("Box"));
            ASSERT_TRUE(reg.OpenKey(QStringLiteral("Box"), true));
            reg.WriteInteger(QStringLiteral("HistoryCount"), 2);
            reg.WriteString(QStringLiteral("History0"), QStringLiteral("a \"quoted\" \\ one"));
            reg.WriteString(QStringLiteral("History1"), QStringLiteral("plain"));
            reg.CloseKey();
        }
        TRegistry reg(whole);
        ASSERT_TRUE(reg.OpenKey(QStringLiteral("K"), true));
        TRegistry::TKeyValues values;
        values.WriteInteger(QStringLiteral("HistoryCount"), 2);
        values.WriteString(QStringLiteral("History0"), QStringLiteral("a \"quoted\" \\ one"));
        values.WriteString(QStringLiteral("History1"), QStringLiteral("plain"));
        ASSERT_TRUE(reg.ReplaceKey(QStringLiteral("Box"), std::move(values)));
        EXPECT_EQ(reg.CurrentPath(), QStringLiteral("K\\Box")) << name;
        EXPECT_EQ(reg.ReadString(QStringLiteral("History0")), QStringLiteral("a \"quoted\" \\ one")) << name;
        reg.CloseKey();
        EXPECT_EQ(FileBytes(whole), FileBytes(deleted)) << name;
    }
    TRegistry reg(FPath);
    EXPECT_FALSE(reg.ReplaceKey(QStringLiteral("A\\\\B"), {})) << "an empty name between separators";
    EXPECT_FALSE(reg.ReplaceKey(QStringLiteral("\\"), {})) << "the root";
}
