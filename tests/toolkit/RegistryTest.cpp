#include "FileKit.h"
#include "toolkit/Registry.h"

#include <QTemporaryDir>
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

TEST(RegistryFile, LivesUnderTheXdgConfigFolder)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/cfg");
    EXPECT_EQ(TRegistry::DefaultFileName(), QStringLiteral("/tmp/cfg/tarvo/registry.conf"));
    qputenv("XDG_CONFIG_HOME", "relative/is/ignored");
    EXPECT_EQ(TRegistry::DefaultFileName(), QDir::homePath() + QStringLiteral("/.config/tarvo/registry.conf"));
    qputenv("XDG_CONFIG_HOME", saved);
}
