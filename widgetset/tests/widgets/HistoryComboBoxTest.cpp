// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "FileKit.h"
#include "LayoutRoundTrip.h"
#include "toolkit/stores/Registry.h"
#include "layouts/StoredLayout.h"
#include "widgets/HistoryComboBox.h"
#include "layouts/WidgetSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaEnum>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace TarvoWidgets;

namespace {

// A box whose stores can be made to fail half-way through writing their file.
class TBox : public THistoryComboBox {
public:
    explicit TBox(const QStringList& entries = {}, QWidget* owner = nullptr) : THistoryComboBox(owner)
    {
        setObjectName(QStringLiteral("Box1"));
        addItems(entries);
    }
    bool FailWrites = false;

protected:
    TFileWriter FileWriter() const override { return FailWrites ? HalfWriter() : TFileWriter(); }
};

// Each test has its own folder, which also holds the registry: a fresh file that the test
// chooses as the widget set's store.
class HistoryBox : public testing::Test {
protected:
    HistoryBox()
    {
        TRegistry::SetStoreFile(RegistryFile());
        RegisterWidgetSet();
    }
    ~HistoryBox() override { TRegistry::SetStoreFile(QString()); }

    QString Path(const char* name) const { return FDir.filePath(QString::fromUtf8(name)); }
    QString RegistryFile() const { return FDir.filePath(QStringLiteral("registry.conf")); }
    void WriteRegistry(const QByteArray& bytes) const { WriteBytes(RegistryFile(), bytes); }

    // A form read from a real layout file that holds one history box named Box1 with the
    // given properties and items, and the other components given after it.
    std::unique_ptr<QWidget> ReadForm(const QString& boxXml, const QString& after = QString()) const
    {
        const QString path = FDir.filePath(QStringLiteral("form.ui"));
        WriteBytes(path, QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="THistoryComboBox" name="Box1">%1</widget>%2
 </widget>
</ui>
)").arg(boxXml, after).toUtf8());
        return std::unique_ptr<QWidget>(TStoredLayout::Read(path));
    }

    QTemporaryDir FDir;
};

QStringList L(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

} // namespace

TEST_F(HistoryBox, AddTextFollowsTheMostRecentlyUsedRules)
{
    struct Case {
        const char* name;
        QStringList before;
        bool sorted;
        const char* text;
        bool added;
        QStringList after;
    };
    const Case cases[] = {
        {"empty text", L({"a", "b"}), false, "", false, L({"a", "b"})},
        {"top entry", L({"a", "b"}), false, "A", false, L({"a", "b"})},
        {"further down keeps its case", L({"x", "y", "z", "ABC", "w"}), false, "abc", false,
         L({"ABC", "x", "y", "z", "w"})},
        {"new entry", L({"a", "b"}), false, "new", true, L({"new", "a", "b"})},
        {"new entry in an empty box", {}, false, "only", true, L({"only"})},
        {"sorted box, new entry goes to the top", L({"a", "c"}), true, "b", true, L({"b", "a", "c"})},
        {"sorted box, found entry goes to the top", L({"a", "b", "c"}), true, "C", false, L({"c", "a", "b"})},
    };
    for (const Case& c : cases) {
        TBox box(c.before);
        box.SetSorted(c.sorted);
        box.setEditText(QStringLiteral("typing"));
        EXPECT_EQ(box.AddText(QString::fromUtf8(c.text)), c.added) << c.name;
        EXPECT_EQ(box.Items(), c.after) << c.name;
        EXPECT_EQ(box.currentText(), QStringLiteral("typing")) << c.name; // the edit text stays
    }
}

TEST_F(HistoryBox, AddTextWithoutArgumentTakesTheEditText)
{
    TBox box(L({"old"}));
    box.setEditText(QStringLiteral("typed"));
    EXPECT_TRUE(box.AddText());
    EXPECT_FALSE(box.AddText());
    EXPECT_EQ(box.Items(), L({"typed", "old"}));
}

TEST(HistoryBoxFileName, FollowsTheRuleWithSlashAsTheOnlySeparator)
{
    const QString exe = QStringLiteral("/opt/app");
    const struct {
        const char* name;
        const char* file;
    } cases[] = {
        {"history", "/opt/app/history.ini"},
        {"history.dat", "/opt/app/history.dat"},
        {"history.", "/opt/app/history."},
        {"", "/opt/app/.ini"},
        {"/var/lib/h", "/var/lib/h.ini"},
        {"/var/lib.d/h", "/var/lib.d/h.ini"},
        {"sub/h.cfg", "sub/h.cfg"},
        {"C:\\Data\\h", "/opt/app/C:\\Data\\h.ini"},
        {"a.b\\c", "/opt/app/a.b\\c"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(THistoryComboBox::IniFileName(QString::fromUtf8(c.name), exe), QString::fromUtf8(c.file)) << c.name;
}

TEST_F(HistoryBox, SaveToFileWritesTheSectionNewestFirstAndKeepsTheRest)
{
    const QString path = Path("h.ini");
    WriteBytes(path, "[Other]\nk=v\n[box1]\nHistoryCount=5\nHistory4=stale\n");
    TBox box;
    for (const char* text : {"a", "b", "c"})
        box.AddText(QString::fromUtf8(text));
    box.SaveToFile(path);
    EXPECT_EQ(FileBytes(path), "[Other]\nk=v\n[Box1]\nHistoryCount=3\nHistory0=c\nHistory1=b\nHistory2=a\n");

    TBox empty;
    empty.SaveToFile(path);
    EXPECT_EQ(FileBytes(path), "[Other]\nk=v\n[Box1]\nHistoryCount=0\n");
}

TEST_F(HistoryBox, SaveToFileWithABareNameWritesBesideTheProgram)
{
    const QString expected = QCoreApplication::applicationDirPath() + QStringLiteral("/history-box-test.ini");
    QFile::remove(expected);
    TBox box(L({"x"}));
    box.SaveToFile(QStringLiteral("history-box-test"));
    EXPECT_EQ(FileBytes(expected), "[Box1]\nHistoryCount=1\nHistory0=x\n");
    QFile::remove(expected);
}

TEST_F(HistoryBox, FileLoadAppendsEveryStoredEntryIncludingMissingOnes)
{
    const QString path = Path("h.ini");
    WriteBytes(path, "[Box1]\nHistoryCount=4\nHistory0=c\nHistory2=a\nHistory1=b\n");
    TBox box(L({"kept"}));
    box.LoadFromFile(path);
    EXPECT_EQ(box.Items(), L({"kept", "c", "b", "a", ""}));
    box.LoadFromFile(path);
    EXPECT_EQ(box.Items(), L({"kept", "c", "b", "a", "", "c", "b", "a", ""}));

    TBox sorted(L({"b", "d"}));
    sorted.SetSorted(true);
    sorted.LoadFromFile(path);
    EXPECT_EQ(sorted.Items(), L({"", "a", "b", "b", "c", "d"}));
}

TEST_F(HistoryBox, LoadLeavesTheEditTextAndTheDownKeyStartsAtTheNewestEntry)
{
    const QString path = Path("h.ini");
    WriteBytes(path, "[Box1]\nHistoryCount=2\nHistory0=newest\nHistory1=older\n");
    TBox box;
    box.setEditText(QStringLiteral("typing"));
    box.LoadFromFile(path);
    EXPECT_EQ(box.currentText(), QStringLiteral("typing"));
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.currentText(), QStringLiteral("newest"));
}

TEST_F(HistoryBox, FileRoundTripKeepsBlanksCaseAndLongEntriesUpToTheReadLimit)
{
    const QString path = Path("h");
    const QString longEntry = QString(2000, QLatin1Char('x')) + QStringLiteral("漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字");
    TBox box(L({" blank ", "MiXeD", "日本語"}));
    box.insertItem(0, longEntry);
    box.SaveToFile(path);
    TBox loaded;
    loaded.LoadFromFile(path);
    const QStringList items = loaded.Items();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items.mid(1), L({" blank ", "MiXeD", "日本語"}));
    // 2000 + 3 * 17 = 2051 bytes: cut to 2047 before the character that would not fit.
    EXPECT_EQ(items[0], longEntry.left(2000 + 15));
}

TEST_F(HistoryBox, FileLoadErrorsAddNothing)
{
    const struct {
        const char* content;
        const char* error;
    } cases[] = {
        {"[Box1]\nHistoryCount=abc\nHistory0=x\n", "'abc' は整数ではありません"},
        {"[Box1]\nHistoryCount=\n", "'' は整数ではありません"},
        {"[Box1]\nHistoryCount=99999999999\n", "'99999999999' は整数ではありません"},
        {"[Box1]\nHistoryCount=2000000000\nHistory0=x\n", "履歴の件数 2000000000 が上限の 65536 を超えています"},
    };
    const QString path = Path("h.ini");
    for (const auto& c : cases) {
        WriteBytes(path, c.content);
        TBox box(L({"kept"}));
        EXPECT_EQ(ErrorText([&] { box.LoadFromFile(path); }), QString::fromUtf8(c.error)) << c.content;
        EXPECT_EQ(box.Items(), L({"kept"}));
    }
}

TEST_F(HistoryBox, CountAtTheBoundLoadsThatManyEntries)
{
    const QString path = Path("h.ini");
    WriteBytes(path, "[Box1]\nHistoryCount=65536\nHistory65535=last\n");
    TBox box;
    box.LoadFromFile(path);
    EXPECT_EQ(box.count(), THistoryComboBox::MaxLoadCount);
    EXPECT_EQ(box.itemText(THistoryComboBox::MaxLoadCount - 1), QStringLiteral("last"));
}

TEST_F(HistoryBox, HostileIniFileLoadsItsValidSection)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) % 256);
    const QString path = Path("h.ini");
    WriteBytes(path, garbage + "\n[Box1]\nHistoryCount=2\nHistory0=ok\nHistory1=" + QByteArray(1 << 20, 'z') + "\n");
    TBox box;
    box.LoadFromFile(path);
    ASSERT_EQ(box.count(), 2);
    EXPECT_EQ(box.itemText(0), QStringLiteral("ok"));
    EXPECT_EQ(box.itemText(1), QString(2047, QLatin1Char('z')));
}

TEST_F(HistoryBox, InterruptedSaveLeavesThePreviousHistoryWhole)
{
    const QString path = Path("h.ini");
    TBox box(L({"one", "two"}));
    box.SaveToFile(path);
    box.SaveToRegistry(QStringLiteral("Software\\Test"));
    const QByteArray iniBefore = FileBytes(path);
    const QByteArray registryBefore = FileBytes(RegistryFile());

    box.clear();
    box.FailWrites = true;
    EXPECT_EQ(ErrorText([&] { box.SaveToFile(path); }), QStringLiteral("%1 に書き込めません").arg(path));
    EXPECT_EQ(ErrorText([&] { box.SaveToRegistry(QStringLiteral("Software\\Test")); }),
              QStringLiteral("%1 に書き込めません").arg(RegistryFile()));
    EXPECT_EQ(FileBytes(path), iniBefore);
    EXPECT_EQ(FileBytes(RegistryFile()), registryBefore);
}

TEST_F(HistoryBox, RegistryRoundTripDropsTrailingBackslashesOnSaveOnly)
{
    TBox box(L({"c", "b", "a"}));
    box.SaveToRegistry(QStringLiteral("Software\\Tarvo\\\\"));
    EXPECT_EQ(FileBytes(RegistryFile()),
              "[Software\\Tarvo]\n"
              "[Software\\Tarvo\\Box1]\nHistoryCount=dword:3\nHistory0=\"c\"\nHistory1=\"b\"\nHistory2=\"a\"\n");
    TBox loaded;
    loaded.LoadFromRegistry(QStringLiteral("Software\\Tarvo"));
    loaded.LoadFromRegistry(QStringLiteral("software\\tarvo"));
    EXPECT_EQ(loaded.Items(), L({"c", "b", "a", "c", "b", "a"}));
    EXPECT_EQ(ErrorText([&] { loaded.LoadFromRegistry(QStringLiteral("Software\\Tarvo\\\\")); }),
              QStringLiteral("キー Software\\Tarvo\\\\ の作成に失敗しました"));
}

TEST_F(HistoryBox, RegistrySaveReplacesTheSectionAndNothingBesideIt)
{
    WriteRegistry("[K\\Box1]\nHistoryCount=dword:2\nHistory0=\"x\"\nHistory1=\"y\"\n[K\\Box1\\Deeper]\nd=\"1\"\n"
                  "[K\\Other]\no=\"2\"\n");
    TBox empty;
    empty.SaveToRegistry(QStringLiteral("K"));
    EXPECT_EQ(FileBytes(RegistryFile()), "[K\\Other]\no=\"2\"\n[K\\Box1]\nHistoryCount=dword:0\n");
}

TEST_F(HistoryBox, RegistryLoadReadsTheCountInEachStoredForm)
{
    const struct {
        const char* count;
        QStringList items;
    } cases[] = {
        {"dword:2", L({"x", "y"})},
        {"dword:-1", {}},
        {"\"3\"", L({"x", "y", ""})},
        {"\"many\"", {}},
    };
    for (const auto& c : cases) {
        WriteRegistry(QByteArray("[K\\Box1]\nHistoryCount=") + c.count + "\nHistory0=\"x\"\nHistory1=\"y\"\n");
        TBox box;
        box.LoadFromRegistry(QStringLiteral("K"));
        EXPECT_EQ(box.Items(), c.items) << c.count;
    }
    TBox box;
    box.LoadFromRegistry(QStringLiteral("Missing\\Key")); // created, loads nothing
    EXPECT_EQ(box.count(), 0);
    EXPECT_TRUE(FileBytes(RegistryFile()).contains("[Missing\\Key]\n"));
}

TEST_F(HistoryBox, RegistryErrorsStopTheLoadAndAddNothing)
{
    const struct {
        const char* content;
        const char* error;
    } cases[] = {
        {"HistoryCount=hex:01\n", "'HistoryCount' のデータ型が不正です"},
        {"HistoryCount=dword:x\n", "'HistoryCount' の取得に失敗しました"},
        {"HistoryCount=dword:2\nHistory0=\"a\"\nHistory1=dword:5\n", "'History1' のデータ型が不正です"},
        {"HistoryCount=dword:1\nHistory0=\"unclosed\n", "'History0' の取得に失敗しました"},
        {"HistoryCount=dword:2147483647\n", "履歴の件数 2147483647 が上限の 65536 を超えています"},
    };
    for (const auto& c : cases) {
        WriteRegistry(QByteArray("[K\\Box1]\n") + c.content);
        TBox box(L({"kept"}));
        EXPECT_EQ(ErrorText([&] { box.LoadFromRegistry(QStringLiteral("K")); }), QString::fromUtf8(c.error)) << c.content;
        EXPECT_EQ(box.Items(), L({"kept"}));
    }
}

TEST_F(HistoryBox, KeysAndSectionsThatWouldReachOtherKeysAreRefused)
{
    const QByteArray before = "[K]\nv=\"1\"\n[K\\Sibling]\nw=\"2\"\n[Top]\nt=\"3\"\n";
    WriteRegistry(before);
    TBox box(L({"x"}));
    EXPECT_EQ(ErrorText([&] { box.SaveToRegistry(QStringLiteral("\\\\")); }), QStringLiteral("キー \\\\ の作成に失敗しました"));
    box.setObjectName(QString());
    EXPECT_EQ(ErrorText([&] { box.SaveToRegistry(QStringLiteral("K")); }), QStringLiteral("セクション名 '' は使えません"));
    EXPECT_EQ(ErrorText([&] { box.LoadFromRegistry(QStringLiteral("K")); }), QStringLiteral("セクション名 '' は使えません"));
    EXPECT_EQ(ErrorText([&] { box.SaveToFile(Path("h.ini")); }), QStringLiteral("セクション名 '' は使えません"));
    box.SetSaveSectionName(QStringLiteral("\\Top"));
    EXPECT_EQ(ErrorText([&] { box.SaveToRegistry(QStringLiteral("K")); }), QStringLiteral("キー \\Top の作成に失敗しました"));
    box.SetSaveSectionName(QStringLiteral("a]b"));
    EXPECT_EQ(ErrorText([&] { box.SaveToRegistry(QStringLiteral("K")); }), QStringLiteral("キー a]b の作成に失敗しました"));
    EXPECT_EQ(FileBytes(RegistryFile()), before);
    EXPECT_FALSE(QFile::exists(Path("h.ini")));
}

TEST_F(HistoryBox, FormsWithoutArgumentUseTheirPropertyAndSectionRule)
{
    TBox box(L({"x"}));
    EXPECT_FALSE(box.SaveToFile());
    EXPECT_FALSE(box.SaveToRegistry());
    EXPECT_FALSE(box.LoadFromFile());
    EXPECT_FALSE(box.LoadFromRegistry());
    box.SetSaveFileName(Path("h.ini"));
    box.SetSaveKeyName(QStringLiteral("K"));
    box.SetSaveSectionName(QStringLiteral("Named"));
    EXPECT_EQ(box.GetSectionString(), QStringLiteral("Named"));
    EXPECT_TRUE(box.SaveToFile());
    EXPECT_TRUE(box.SaveToRegistry());
    EXPECT_EQ(FileBytes(Path("h.ini")), "[Named]\nHistoryCount=1\nHistory0=x\n");
    EXPECT_TRUE(FileBytes(RegistryFile()).contains("[K\\Named]\nHistoryCount=dword:1\n"));
    EXPECT_TRUE(box.LoadFromFile());
    EXPECT_TRUE(box.LoadFromRegistry());
    EXPECT_EQ(box.Items(), L({"x", "x", "x"}));
}

TEST_F(HistoryBox, LongEntriesAreKeptWholeInTheListAndTheRegistry)
{
    const QString entry = QString(5000, QChar(0x3042)); // 15000 bytes of UTF-8
    TBox box;
    EXPECT_TRUE(box.AddText(entry));
    EXPECT_EQ(box.itemText(0), entry);
    box.SaveToRegistry(QStringLiteral("K"));
    TBox loaded;
    loaded.LoadFromRegistry(QStringLiteral("K"));
    EXPECT_EQ(loaded.Items(), QStringList{entry});
}

TEST_F(HistoryBox, SaveModeDecidesTheAutomaticLoadAndSaveAndTheRegistryWinsOverTheFile)
{
    const struct {
        THistoryComboBox::THistoryMode mode;
        bool loads;
        bool saves;
    } cases[] = {
        {THistoryComboBox::hsAuto, true, true},
        {THistoryComboBox::hsManual, false, false},
        {THistoryComboBox::hsAutoSave, false, true},
        {THistoryComboBox::hsAutoLoad, true, false},
    };
    const QByteArray stored = "[K\\Box1]\nHistoryCount=dword:1\nHistory0=\"stored\"\n";
    const QMetaEnum modes = QMetaEnum::fromType<THistoryComboBox::THistoryMode>();
    for (const auto& c : cases) {
        const char* mode = modes.valueToKey(c.mode);
        WriteRegistry(stored);
        std::unique_ptr<QWidget> form = ReadForm(QStringLiteral(R"(
   <property name="SaveMode"><enum>%1</enum></property>
   <property name="SaveKeyName"><string>K</string></property>
   <property name="SaveFileName"><string>%2</string></property>
   <item><property name="text"><string>from the layout</string></property></item>)")
                                                     .arg(QLatin1String(mode), Path("never.ini")));
        auto* box = form->findChild<THistoryComboBox*>(QStringLiteral("Box1"));
        ASSERT_TRUE(box);
        EXPECT_EQ(box->Items(), c.loads ? L({"from the layout", "stored"}) : L({"from the layout"})) << mode;
        box->AddText(QStringLiteral("typed"));
        form.reset();
        EXPECT_EQ(FileBytes(RegistryFile()).contains("History0=\"typed\""), c.saves) << mode;
        EXPECT_FALSE(QFile::exists(Path("never.ini"))) << mode;
    }
}

TEST_F(HistoryBox, LayoutLoadErrorReachesTheReaderOfTheLayout)
{
    WriteBytes(Path("h.ini"), "[Box1]\nHistoryCount=many\n");
    EXPECT_EQ(ErrorText([&] {
                  ReadForm(QStringLiteral("<property name=\"SaveFileName\"><string>%1</string></property>").arg(Path("h.ini")));
              }),
              QStringLiteral("'many' は整数ではありません"));
}

TEST_F(HistoryBox, PropertiesSurviveAStoredLayout)
{
    ExpectLayoutRoundTrip(QStringLiteral("THistoryComboBox"),
                          {{QStringLiteral("SaveMode"), QVariant::fromValue(THistoryComboBox::hsManual)}});
}

TEST_F(HistoryBox, BoxWithOnlyAFileLoadsAndSavesThere)
{
    const QString path = Path("h.ini");
    WriteBytes(path, "[Box1]\nHistoryCount=1\nHistory0=stored\n");
    auto box = std::make_unique<TBox>();
    box->SetSaveFileName(path);
    box->Loaded();
    box->AddText(QStringLiteral("typed"));
    box.reset();
    EXPECT_EQ(FileBytes(path), "[Box1]\nHistoryCount=2\nHistory0=typed\nHistory1=stored\n");
    EXPECT_FALSE(QFile::exists(RegistryFile()));
}

TEST_F(HistoryBox, BoxInAFormDesignerNeitherLoadsNorSaves)
{
    const QString path = Path("h.ini");
    const QByteArray stored = "[Box1]\nHistoryCount=1\nHistory0=stored\n";
    WriteBytes(path, stored);
    auto box = std::make_unique<TBox>();
    box->SetDesigning(true);
    box->SetSaveFileName(path);
    box->Loaded();
    EXPECT_EQ(box->count(), 0);
    box->AddText(QStringLiteral("design-time item"));
    box.reset();
    EXPECT_EQ(FileBytes(path), stored);
}

TEST_F(HistoryBox, BoxDestroyedWithItsWindowSavesItsCurrentEntries)
{
    auto window = std::make_unique<QWidget>();
    auto* box = new TBox({}, window.get());
    box->SetSaveFileName(Path("h.ini"));
    window->show();
    box->AddText(QStringLiteral("first"));
    box->AddText(QStringLiteral("second"));
    window.reset(); // the window takes the box with it, still showing
    EXPECT_EQ(FileBytes(Path("h.ini")), "[Box1]\nHistoryCount=2\nHistory0=second\nHistory1=first\n");
}

TEST_F(HistoryBox, FailedSaveAtDestructionLeavesTheStoreAloneAndGoesOn)
{
    auto box = std::make_unique<TBox>(L({"x"}));
    box->SetSaveMode(THistoryComboBox::hsAutoSave);
    box->SetSaveFileName(Path("missing/folder/h.ini"));
    box.reset(); // reported on the log; nothing escapes the destructor
    EXPECT_FALSE(QFile::exists(Path("missing")));
}

TEST_F(HistoryBox, NoAutomaticSaveAfterAFailedLoadOrAFailedLayout)
{
    const QByteArray stored = "[K\\Box1]\nHistoryCount=dword:2\nHistory0=\"one\"\nHistory1=\"two\"\n";
    const QString registry = QStringLiteral("<property name=\"SaveKeyName\"><string>K</string></property>");
    const QString otherFails = QStringLiteral(R"(<widget class="TZRKFadeButton" name="Other"><property name="Step"><string>x</string></property></widget>)");
    const struct {
        const char* why;
        QByteArray registryFile;
        QString box;
        QString after;
    } cases[] = {
        {"count of the wrong type", "[K\\Box1]\nHistoryCount=hex:02\nHistory0=\"one\"\n", registry, {}},
        {"key ending in a backslash", stored, QStringLiteral("<property name=\"SaveKeyName\"><string>K\\</string></property>"), {}},
        {"another component's error", stored, registry, otherFails},
        {"another component's error, hsAutoSave", stored,
         registry + QStringLiteral("<property name=\"SaveMode\"><enum>hsAutoSave</enum></property>"), otherFails},
        {"a property of the box itself", stored,
         registry + QStringLiteral("<property name=\"Sorted\"><string>maybe</string></property>"), {}},
    };
    for (const auto& c : cases) {
        WriteRegistry(c.registryFile);
        EXPECT_NE(ErrorText([&] { ReadForm(c.box, c.after); }), QStringLiteral("<no error>")) << c.why;
        EXPECT_EQ(FileBytes(RegistryFile()), c.registryFile) << c.why;
    }

    // The same through an INI file with a damaged count.
    const QByteArray damaged = "[Box1]\nHistoryCount=3x\nHistory0=one\n";
    WriteBytes(Path("h.ini"), damaged);
    EXPECT_EQ(ErrorText([&] { ReadForm(QStringLiteral("<property name=\"SaveFileName\"><string>%1</string></property>").arg(Path("h.ini"))); }),
              QStringLiteral("'3x' は整数ではありません"));
    EXPECT_EQ(FileBytes(Path("h.ini")), damaged);
}

TEST_F(HistoryBox, BoxThatNoLayoutMadeLoadsBeforeItsFirstShowAndSavesOnlyAfterThat)
{
    const QByteArray stored = "[K\\Box1]\nHistoryCount=dword:1\nHistory0=\"stored\"\n";
    const auto made = [](THistoryComboBox::THistoryMode mode, const char* key) {
        // As uic's setupUi makes it: constructed, then its properties set one by one.
        auto window = std::make_unique<QWidget>();
        auto* box = new TBox({}, window.get());
        box->setProperty("SaveMode", QVariant::fromValue(mode));
        box->setProperty("SaveKeyName", QString::fromUtf8(key));
        return window;
    };
    const auto box = [](QWidget& window) { return window.findChild<TBox*>(); };

    // Never shown: no load, and in hsAuto no save.
    WriteRegistry(stored);
    auto window = made(THistoryComboBox::hsAuto, "K");
    box(*window)->AddText(QStringLiteral("typed"));
    window.reset();
    EXPECT_EQ(FileBytes(RegistryFile()), stored);

    // Shown: the stored entries come first, and the save keeps them with the session's.
    window = made(THistoryComboBox::hsAuto, "K");
    window->show();
    EXPECT_EQ(box(*window)->Items(), L({"stored"}));
    box(*window)->AddText(QStringLiteral("typed"));
    window->show(); // a second show loads nothing more
    EXPECT_EQ(box(*window)->Items(), L({"typed", "stored"}));
    window.reset();
    EXPECT_EQ(FileBytes(RegistryFile()), "[K\\Box1]\nHistoryCount=dword:2\nHistory0=\"typed\"\nHistory1=\"stored\"\n");

    // A load that fails at the show is reported and blocks the save.
    const QByteArray damaged = "[K\\Box1]\nHistoryCount=\"1\"\nHistory0=dword:3\n";
    WriteRegistry(damaged);
    window = made(THistoryComboBox::hsAuto, "K");
    window->show();
    EXPECT_EQ(box(*window)->count(), 0);
    box(*window)->AddText(QStringLiteral("typed"));
    window.reset();
    EXPECT_EQ(FileBytes(RegistryFile()), damaged);

    // hsAutoSave keeps its meaning: the owner loads, the box saves.
    WriteRegistry(stored);
    window = made(THistoryComboBox::hsAutoSave, "K");
    window->show();
    EXPECT_EQ(box(*window)->count(), 0);
    box(*window)->AddText(QStringLiteral("typed"));
    window.reset();
    EXPECT_EQ(FileBytes(RegistryFile()), "[K\\Box1]\nHistoryCount=dword:1\nHistory0=\"typed\"\n");
}

TEST_F(HistoryBox, CountBoundHoldsForBothStoresOnLoadAndOnSave)
{
    const int bound = THistoryComboBox::MaxLoadCount;
    const QString tooMany = QStringLiteral("履歴の件数 %1 が上限の %2 を超えています").arg(bound + 1).arg(bound);
    WriteRegistry(QByteArray("[K\\Box1]\nHistoryCount=dword:") + QByteArray::number(bound) + "\nHistory65535=\"last\"\n");
    TBox atBound;
    atBound.LoadFromRegistry(QStringLiteral("K"));
    EXPECT_EQ(atBound.count(), bound);
    EXPECT_EQ(atBound.itemText(bound - 1), QStringLiteral("last"));

    const QByteArray over = QByteArray("[K\\Box1]\nHistoryCount=dword:") + QByteArray::number(bound + 1) + "\n";
    WriteRegistry(over);
    TBox loaded;
    EXPECT_EQ(ErrorText([&] { loaded.LoadFromRegistry(QStringLiteral("K")); }), tooMany);
    EXPECT_EQ(loaded.count(), 0);

    // A save past the bound would write what no load reads: refused before anything is written.
    atBound.addItem(QStringLiteral("one more"));
    EXPECT_EQ(ErrorText([&] { atBound.SaveToRegistry(QStringLiteral("K")); }), tooMany);
    EXPECT_EQ(FileBytes(RegistryFile()), over);
    EXPECT_EQ(ErrorText([&] { atBound.SaveToFile(Path("h.ini")); }), tooMany);
    EXPECT_FALSE(QFile::exists(Path("h.ini")));
}

// The bound counts the bytes that the stores write (UTF-8), not the characters: entries of
// three-byte characters reach it at a third of the characters that ASCII entries take.
TEST_F(HistoryBox, SaveOfMoreBytesThanOneHistoryMayHoldIsRefusedBeforeWriting)
{
    const struct {
        const char* Name;
        QString Entry;
        qint64 Bytes; // of one entry
    } cases[] = {
        {"ASCII", QString(2000, QLatin1Char('e')), 2000},
        {"three-byte characters", QString(1000, QChar(0x3042)), 3000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(Path("h.ini"));
        // A few more entries than the limit holds.
        const int count = int(THistoryComboBox::MaxSaveBytes / c.Bytes) + 1;
        TBox box;
        for (int i = 0; i < count; ++i)
            box.addItem(c.Entry);
        const QString error = QStringLiteral("履歴の大きさ %1 バイトが上限の %2 バイトを超えています")
                                  .arg(qint64(count) * c.Bytes)
                                  .arg(THistoryComboBox::MaxSaveBytes);
        WriteRegistry("[K\\Other]\nv=\"1\"\n");
        EXPECT_EQ(ErrorText([&] { box.SaveToRegistry(QStringLiteral("K")); }), error);
        EXPECT_EQ(ErrorText([&] { box.SaveToFile(Path("h.ini")); }), error);
        EXPECT_EQ(FileBytes(RegistryFile()), "[K\\Other]\nv=\"1\"\n");
        EXPECT_FALSE(QFile::exists(Path("h.ini")));

        box.removeItem(0);
        box.SaveToFile(Path("h.ini"));
        TBox loaded;
        loaded.LoadFromFile(Path("h.ini"));
        EXPECT_EQ(loaded.count(), count - 1);
    }
}

TEST_F(HistoryBox, IniSaveKeepsAnEntryWithALineBreakOnOneLine)
{
    TBox box(L({"pasted\nline", "crlf\r\nend", "cr\r", "\xEF\xBB\xBF" "bom", "plain"}));
    box.SaveToFile(Path("h.ini"));
    TBox loaded;
    loaded.LoadFromFile(Path("h.ini"));
    EXPECT_EQ(loaded.Items(), L({"pasted line", "crlf end", "cr ", "\xEF\xBB\xBF" "bom", "plain"}));
    // The registry keeps them as typed.
    box.SaveToRegistry(QStringLiteral("K"));
    TBox fromRegistry;
    fromRegistry.LoadFromRegistry(QStringLiteral("K"));
    EXPECT_EQ(fromRegistry.Items(), box.Items());
}
