// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "AppServices.h"
#include "FakeServices.h"
#include "HostileFiles.h"
#include "app/MainForm1.h"
#include "match/Match.h"
#include "platform/GameApplication.h"
#include "platform/BitmapFile.h"
#include "toolkit/graphics/Color.h"
#include "platform/DrawGrid.h"
#include "platform/Image.h"
#include "toolkit/base/ToolkitError.h"
#include "platform/testkit/BitmapSamples.h"
#include "screens/BossForm1.h"
#include "widgets/ZRKFadeButton.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << rect.x() << ", " << rect.y() << ", " << rect.width() << ", " << rect.height();
}

namespace {

// A copy of the generated data folder in a temporary program folder, so a test can take files
// away or spoil them. The services double says the program runs from there.
struct ProgramFolder {
    QTemporaryDir dir;
    TFakeServices services;

    ProgramFolder()
    {
        const QDir generated(qEnvironmentVariable("TARVO_BIN_DIR") + QStringLiteral("/data"));
        QDir(dir.path()).mkdir(QStringLiteral("data"));
        for (const QString& name : generated.entryList(QDir::Files))
            QFile::copy(generated.filePath(name), Data(name));
        services.ExePath = dir.filePath(QStringLiteral("tarvo"));
    }
    QString Data(const QString& name) const { return dir.filePath(QStringLiteral("data/") + name); }
    void Remove(const QString& name) { ASSERT_TRUE(QFile::remove(Data(name))) << name.toStdString(); }

    // The text of the error that building the main window raises, or "" when it succeeds.
    QString StartupError()
    {
        try {
            TMainForm1 form(services);
            return QString();
        } catch (const EToolkitError& e) {
            return e.Message();
        }
    }
};

QString FileOpenText(const QString& path)
{
    return QStringLiteral("ファイル %1 は開けません").arg(path);
}

} // namespace

TEST(Startup, LoadsEveryStartupPictureAndShowsTheTitlePage)
{
    ProgramFolder folder;
    TMainForm1 form(folder.services);
    EXPECT_EQ(form.AppDir, folder.dir.path());
    EXPECT_EQ(form.Opponent, 0);
    EXPECT_EQ(form.Match().Board().BoardSize, 8);
    for (TImage* thumbnail : form.Image0_)
        EXPECT_EQ(thumbnail->Picture().size(), QSize(110, 110));
    EXPECT_EQ(form.Image0->Picture().size(), QSize(632, 472));
    EXPECT_EQ(form.Image1_00->Picture().size(), QSize(632, 472));
    EXPECT_EQ(form.ImageList1.Count(), 17);
    EXPECT_EQ(form.il.Count(), 8);
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet1);
    EXPECT_TRUE(folder.services.Log.isEmpty()) << "start-up neither beeps nor asks";
}

// Every start-up picture shows the file it was read from: thumbnail k opponent k's neutral
// face, the player's faces in their order, the two backgrounds. The faces of the opponents and
// of the player's moods all differ (the generator's own tests make sure), so a picture put in
// the wrong place fails here.
TEST(Startup, EachPictureHoldsItsOwnFile)
{
    ProgramFolder folder;
    TMainForm1 form(folder.services);
    struct Case { QString file; QImage shown; };
    std::vector<Case> cases = {
        {QStringLiteral("0001.bmp"), form.Image0->Picture()},
        {QStringLiteral("0002.bmp"), form.Image1_00->Picture()},
    };
    for (int k = 1; k <= 12; ++k)
        cases.push_back({QStringLiteral("%1_1.bmp").arg(k), form.Image0_[std::size_t(k - 1)]->Picture()});
    ASSERT_EQ(form.ImageList1.Count(), 17);
    for (int k = 1; k <= 17; ++k)
        cases.push_back({QStringLiteral("0_%1.bmp").arg(k), form.ImageList1.At(k - 1)});
    for (const Case& c : cases) {
        const QImage file = LoadBitmap(folder.Data(c.file)).convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(c.shown.convertToFormat(QImage::Format_RGB32) == file) << c.file.toStdString();
    }
}

// The main window's layout as one table, read from the real window: each control's place in
// its parent, and the colours and fonts the user sees.
TEST(Layout, ControlsSitWhereTheLayoutPutsThem)
{
    ProgramFolder folder;
    TMainForm1 form(folder.services);
    struct Case { const char* name; QWidget* control; QWidget* parent; QRect geometry; };
    std::vector<Case> cases = {
        {"Panel0", form.Panel0, &form, {0, form.menuBar()->height(), 640, 480}},
        {"PageControl1", form.PageControl1, form.Panel0, {0, 0, 640, 480}},
        {"Image0", form.Image0, form.TabSheet1, {4, 4, 632, 472}},
        {"Label1", form.Label1, form.TabSheet1, {420, 276, 188, 16}},
        {"Image1", form.Image1, form.TabSheet1, {8, 420, 55, 55}},
        {"miMC", form.miMC, form.TabSheet1, {8, 388, 29, 25}},
        {"Image1_00", form.Image1_00, form.TabSheet2, {4, 4, 632, 472}},
        {"Image1_01", form.Image1_01, form.TabSheet2, {24, 56, 110, 110}},
        {"Image1_02", form.Image1_02, form.TabSheet2, {507, 56, 110, 110}},
        {"DrawGrid1", form.DrawGrid1, form.TabSheet2, {152, 31, 336, 416}},
        {"Image3", form.Image3, form.TabSheet3, {548, 4, 85, 85}},
        {"Panel1", form.Panel1, form.TabSheet3, {8, 8, 624, 464}},
        {"Image2", form.Image2, form.Panel1, {12, 12, 600, 400}},
        {"Button1", form.Button1, form.Panel1, {212, 428, 200, 20}},
    };
    const int lefts[] = {404, 460, 516, 572};
    const int tops[] = {300, 356, 412};
    for (int i = 0; i < 12; ++i)
        cases.push_back({"Image0_xx", form.Image0_[std::size_t(i)], form.TabSheet1, {lefts[i % 4], tops[i / 4], 50, 50}});
    for (const Case& c : cases) {
        ASSERT_NE(c.control, nullptr) << c.name;
        EXPECT_EQ(c.control->parentWidget(), c.parent) << c.name;
        EXPECT_EQ(c.control->geometry(), c.geometry) << c.name;
    }
    EXPECT_EQ(form.centralWidget()->size(), QSize(640, 480)) << "the client area below the menu bar";
    EXPECT_EQ(form.windowTitle(), QStringLiteral("タルヴォ!!"));
    EXPECT_EQ(form.PageControl1->indexOf(form.TabSheet1), 0);
    EXPECT_EQ(form.PageControl1->indexOf(form.TabSheet2), 1);
    EXPECT_EQ(form.PageControl1->indexOf(form.TabSheet3), 2);
    EXPECT_FALSE(form.miMC->isVisibleTo(&form));
    EXPECT_FALSE(form.Image3->isVisibleTo(&form));
    EXPECT_TRUE(form.Image0->Transparent());
    EXPECT_TRUE(form.Image0_[0]->Stretch());
    EXPECT_TRUE(form.Image1->Stretch());
    EXPECT_EQ(form.Image1->toolTip(), QStringLiteral("ガンさん「わしの出番は・・・」"));
    EXPECT_EQ(form.DrawGrid1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form.Image0_[11]->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("対戦するキャラクターを選択"));

    // Colours: what each control fills its background with.
    struct Colour { const char* name; QWidget* control; TColor colour; };
    const Colour colours[] = {
        {"MainForm1", &form, clr::Purple},   {"Panel0", form.Panel0, clr::Black},
        {"TabSheet1", form.TabSheet1, clr::Purple}, {"TabSheet2", form.TabSheet2, clr::Purple},
        {"TabSheet3", form.TabSheet3, clr::Purple}, {"Panel1", form.Panel1, clr::Black},
    };
    for (const Colour& c : colours) {
        EXPECT_TRUE(c.control->autoFillBackground()) << c.name;
        EXPECT_EQ(c.control->palette().color(QPalette::Window), ToQColor(c.colour)) << c.name;
    }
    const QImage label = form.Label1->grab().toImage();
    bool whiteText = false;
    for (int x = 0; x < label.width() && !whiteText; ++x)
        for (int y = 0; y < label.height() && !whiteText; ++y)
            whiteText = label.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_TRUE(whiteText) << "Label1 is written in white";

    // Fonts: the proportional gothic at the layout's sizes.
    struct Font { const char* name; QFont font; int pixelSize; bool bold; };
    const Font fonts[] = {
        {"MainForm1", form.font(), 12, false},
        {"Label1", form.Label1->font(), 16, false},
        {"Button1", form.Button1->font(), 12, true},
    };
    for (const Font& f : fonts) {
        EXPECT_EQ(f.font.pixelSize(), f.pixelSize) << f.name;
        EXPECT_EQ(f.font.bold(), f.bold) << f.name;
        EXPECT_TRUE(f.font.families().contains(QStringLiteral("IPAPGothic"))) << f.name;
    }
}

// The reward page's fade button as the layout sets it.
TEST(Layout, TheRewardButtonHasItsSettings)
{
    ProgramFolder folder;
    TMainForm1 form(folder.services);
    const TZRKFadeButton& b = *form.Button1;
    EXPECT_EQ(b.Caption(), QStringLiteral("もっと!"));
    EXPECT_EQ(b.Color(), clr::Maroon);
    EXPECT_EQ(b.DestColor(), clr::Red);
    EXPECT_EQ(b.BorderColor(), clr::Silver);
    EXPECT_EQ(b.BorderDestColor(), clr::White);
    EXPECT_EQ(b.CaptionOverColor(), clr::Yellow);
    EXPECT_EQ(b.FontColor(), clr::White);
    EXPECT_TRUE(b.ShowBorder());
    EXPECT_TRUE(b.FadeOnOver());
    EXPECT_TRUE(b.FadeOnLeave());
    EXPECT_EQ(b.BorderHeight(), 1);
    EXPECT_EQ(b.Step(), 2);
    EXPECT_EQ(b.Speed(), 20);
    EXPECT_EQ(b.cursor().shape(), Qt::PointingHandCursor);
}

// A screen reader finds the reward page's もっと! button by its caption and presses it: the stage
// advances exactly as for a click.
TEST(Layout, TheRewardButtonIsAPushButtonThatAScreenReaderPresses)
{
    ProgramFolder folder;
    TMainForm1 form(folder.services);
    form.Opponent = 3;
    form.Match().Board().PlayerDiscs = 40;
    form.Match().Board().ComputerDiscs = 24;
    form.PageControl1->setCurrentWidget(form.TabSheet3);
    form.Button1->SetTag(0);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(form.Button1);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("もっと!"));
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.Button1->Tag(), 1);
    EXPECT_EQ(accessible->text(QAccessible::Name), form.Button1->Caption());
}

TEST(Startup, TheFirstFileThatCannotBeReadIsNamedWithItsFullPath)
{
    struct Case { QStringList missing; QString named; };
    const Case cases[] = {
        {{QStringLiteral("1_1.bmp")}, QStringLiteral("1_1.bmp")},
        {{QStringLiteral("12_1.bmp"), QStringLiteral("0001.bmp")}, QStringLiteral("12_1.bmp")},
        {{QStringLiteral("0001.bmp"), QStringLiteral("0002.bmp")}, QStringLiteral("0001.bmp")},
        {{QStringLiteral("0002.bmp"), QStringLiteral("0_1.bmp")}, QStringLiteral("0002.bmp")},
        {{QStringLiteral("0_17.bmp")}, QStringLiteral("0_17.bmp")},
    };
    for (const Case& c : cases) {
        ProgramFolder folder;
        for (const QString& name : c.missing)
            folder.Remove(name);
        EXPECT_EQ(folder.StartupError(), FileOpenText(folder.Data(c.named))) << c.named.toStdString();
    }
}

TEST(Startup, AFileThatIsNoBitmapIsInvalid)
{
    ProgramFolder folder;
    QFile spoiled(folder.Data(QStringLiteral("0_9.bmp")));
    ASSERT_TRUE(spoiled.open(QIODevice::WriteOnly | QIODevice::Truncate));
    spoiled.write("not a picture");
    spoiled.close();
    EXPECT_EQ(folder.StartupError(), QStringLiteral("ビットマップイメージが不正です"));
}

TEST(OpponentChoice, ThumbnailStartsTheMatchAfterTheAnnouncement)
{
    ProgramFolder folder;
    TMainForm1 form(folder.services);
    bool boardEmptyDuringMessage = false;
    folder.services.OnMessage = [&](const QString&) {
        boardEmptyDuringMessage = form.Match().Board().Board[2][4] == 0;
    };
    emit form.Image0_[9]->Clicked();   // Image0_10
    EXPECT_EQ(form.Opponent, 10);
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet2);
    EXPECT_EQ(form.ImageList2.Count(), 3);
    ASSERT_GE(folder.services.Log.size(), 2);
    EXPECT_EQ(folder.services.Log.mid(0, 2),
              QStringList({QStringLiteral("beep"), QStringLiteral("message             ふぁいと!!            ")}));
    EXPECT_TRUE(boardEmptyDuringMessage) << "the board is drawn only after the message closes";
    EXPECT_EQ(form.Match().Board().Board[2][4], 1) << "the computer opened";

    // Choosing again empties the faces first.
    emit form.Image0_[2]->Clicked();
    EXPECT_EQ(form.Opponent, 3);
    EXPECT_EQ(form.ImageList2.Count(), 3);
}

// A picture that cannot be read in a click handler: the error box shows it where Qt called in,
// the rest of the handler does not run, and the program goes on with what was done before.
TEST(LaterLoads, AMissingPictureInAClickShowsTheErrorBoxAndTheProgramGoesOn)
{
    struct Case {
        const char* name;
        QString missing;
        std::function<QWidget*(TMainForm1&)> clicked;   // what the user clicks, on the page shown
        std::function<void(TMainForm1&, TFakeServices&)> check;
    };
    const Case cases[] = {
        {"a face of the chosen opponent", QStringLiteral("10_2.bmp"),
         [](TMainForm1& form) { return form.Image0_[9]; },   // Image0_10
         [](TMainForm1& form, TFakeServices& services) {
             EXPECT_EQ(form.Opponent, 10);
             EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet2);
             EXPECT_EQ(form.ImageList2.Count(), 2) << "the faces before the failing one stay";
             EXPECT_TRUE(services.Log.isEmpty()) << "no beep, no message, no board";
         }},
        {"the first picture after a match", QStringLiteral("0_A.bmp"),
         [](TMainForm1& form) {
             form.PageControl1->setCurrentWidget(form.TabSheet3);
             return form.Button1;
         },
         [](TMainForm1& form, TFakeServices&) {
             EXPECT_EQ(form.Button1->Tag(), 0) << "the stage stays, so the next click retries";
             EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet3);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder;
        TMainForm1 form(folder.services);
        form.show();
        folder.Remove(c.missing);
        AppServices().Errors.clear();
        QWidget* target = c.clicked(form);
        // The real sequence of a click: the button goes down, then up over the same place.
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        EXPECT_EQ(AppServices().Errors, QStringList{FileOpenText(folder.Data(c.missing))});
        c.check(form, folder.services);
    }
}

// F4 hides the game behind the boss screen, and the double-click on its text brings the game
// back where it was.
TEST(BossKey, F4HidesTheGameUntilTheDecoyIsDoubleClicked)
{
    ProgramFolder folder;
    TMainForm1 form(folder.services);
    TBossForm1 boss;
    form.SetBossForm(boss);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.PageControl1->setCurrentWidget(form.TabSheet2);

    bool bossShown = false, gameHidden = false;
    QTimer::singleShot(0, &boss, [&] {
        bossShown = boss.isVisible() && boss.isFullScreen();
        gameHidden = !form.isVisible();
        QTest::mouseDClick(boss.Memo1->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    });
    // A showing the double-click fails to end is ended here, so the test fails instead of hanging.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &boss, [&] { boss.reject(); });
    deadline.start(10000);
    // The key as the window system hands it to the game's window; the shortcut runs the
    // boss screen's modal showing inside the key press.
    QTest::keyClick(form.windowHandle(), Qt::Key_F4);

    EXPECT_TRUE(bossShown) << "F4 showed the boss screen, full screen";
    EXPECT_TRUE(gameHidden) << "the game's window is hidden behind it";
    EXPECT_TRUE(deadline.isActive()) << "the double-click closed the boss screen";
    EXPECT_FALSE(boss.isVisible());
    EXPECT_TRUE(form.isVisible()) << "the game comes back once the boss screen closes";
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet2) << "on the page it showed";
}

// Regression: 終了 chosen in the computer's pause, with a click on the menu bar queued behind
// it, left the program running for good with no window: Qt's automatic quit after the last
// window closed is only posted, and the menu that the click opened cancelled it. The match is
// dropped with the window: the computer's pending move is never played.
TEST(Exit, EndsTheProgramWhateverInputIsQueuedBehindIt)
{
    ProgramFolder folder;
    TMainForm1 form(folder.services);
    form.show();
    bool chosen = false;
    folder.services.OnPump = [&] {
        if (std::exchange(chosen, true))
            return;
        form.Exit1->trigger();
        QMenuBar* bar = form.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().first()).center());
    };
    QTimer::singleShot(0, form.Image0_[0], [&] {
        QTest::mouseClick(form.Image0_[0], Qt::LeftButton, {}, QPoint(10, 10));
    });
    // A deadline, not a pause: the loop ends at once when the exit holds.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    deadline.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(chosen) << "the computer's pause was reached";
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.Match().Board().Board[2][4], Empty) << "the computer's move was played after 終了";
    EXPECT_EQ(form.Match().Board().Board[3][4], WhiteDisc);
    EXPECT_FALSE(folder.services.Log.contains(QStringLiteral("sleep 50"))) << "no disc was animated after 終了";
}

namespace {

// Runs a handler the way the program does: an error escaping it goes to the default handler,
// which shows the error box. Returns the box's text exactly as shown, or "" when no box showed.
template <typename Handler>
QString BoxTextOf(TFakeServices& services, Handler handler)
{
    const qsizetype before = services.Errors.size();
    try {
        handler();
    } catch (...) {
        TGameApplication::ShowCurrentException(services);
    }
    return services.Errors.size() > before ? ErrorBoxText(services.Errors.last()) : QString();
}

// The box a variant at path must give: the file-open error where the path cannot be opened,
// the invalid-bitmap error for every file that opens.
QString WantedBox(const TBitmapVariant& variant, const QString& path)
{
    return variant.CannotOpen() ? FileOpenText(path) + QLatin1Char('.') : QStringLiteral("ビットマップイメージが不正です.");
}

// A hostile file at one load point, loaded with an ordinary user's rights and watched for a
// load that waits on the file. Returns the box text the load gave.
template <typename Load>
QString LoadHostile(ProgramFolder& folder, const TBitmapVariant& variant, const QString& name, Load load)
{
    const QString path = folder.Data(name);
    const QByteArray original = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    PlaceBitmapVariant(variant, path);
    QString box;
    {
        TFifoWatchdog watchdog(path);
        TAsOrdinaryUser user;
        if (!user.Active()) {
            ADD_FAILURE() << "could not drop root's rights to load as an ordinary user";
            return QString();
        }
        box = BoxTextOf(folder.services, load);
        EXPECT_FALSE(watchdog.Fired()) << "the load waited on the file";
    }
    PlaceBitmapVariant({QString(), TPlacement::Bytes, original}, path);
    return box;
}

} // namespace

// Every damaged or hostile picture, at each of the three load points: the exact error box, at
// once, and the program's state after it as the default handler leaves it.
TEST(HostilePictures, StartupShowsTheErrorAndNeverBuildsTheWindow)
{
    ProgramFolder folder;
    OpenToEveryone(folder.dir.path());
    for (const TBitmapVariant& variant : HostileBitmaps()) {
        SCOPED_TRACE(variant.Name.toStdString());
        bool built = false;
        const QString box = LoadHostile(folder, variant, QStringLiteral("0002.bmp"), [&] {
            TMainForm1 form(folder.services);
            built = true;
        });
        EXPECT_EQ(box, WantedBox(variant, folder.Data(QStringLiteral("0002.bmp"))));
        EXPECT_FALSE(built);
    }
}

TEST(HostilePictures, AFaceAtMatchStartStopsBeforeTheAnnouncement)
{
    ProgramFolder folder;
    OpenToEveryone(folder.dir.path());
    TMainForm1 form(folder.services);
    for (const TBitmapVariant& variant : HostileBitmaps()) {
        SCOPED_TRACE(variant.Name.toStdString());
        form.PageControl1->setCurrentWidget(form.TabSheet1);
        folder.services.Log.clear();
        const QString box = LoadHostile(folder, variant, QStringLiteral("3_1.bmp"), [&] { form.ImageClick(3); });
        EXPECT_EQ(box, WantedBox(variant, folder.Data(QStringLiteral("3_1.bmp"))));
        EXPECT_EQ(form.Opponent, 3);
        EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet2);
        EXPECT_EQ(form.ImageList2.Count(), 1) << "the face before the failing one stays";
        EXPECT_EQ(folder.services.Log, QStringList({QStringLiteral("error ") + folder.services.Errors.last()}))
            << "no beep, no message, no board";
    }
    // The same window still starts a match once the face is sound again.
    folder.services.Log.clear();
    form.ImageClick(3);
    EXPECT_EQ(form.ImageList2.Count(), 3);
    EXPECT_EQ(folder.services.Log.first(), QStringLiteral("beep"));
}

TEST(HostilePictures, ARewardPictureKeepsTheStageAndThePicture)
{
    ProgramFolder folder;
    OpenToEveryone(folder.dir.path());
    TMainForm1 form(folder.services);
    form.Opponent = 3;
    form.Match().Board().PlayerDiscs = 40;   // a won match: the opponent's own pictures
    form.Match().Board().ComputerDiscs = 24;
    form.PageControl1->setCurrentWidget(form.TabSheet3);
    for (const TBitmapVariant& variant : HostileBitmaps()) {
        SCOPED_TRACE(variant.Name.toStdString());
        form.Button1->SetTag(0);
        form.Button1Click();   // the first picture, 3_A
        const QImage first = form.Image3->Picture();
        const QString box = LoadHostile(folder, variant, QStringLiteral("3_B.bmp"), [&] { form.Button1Click(); });
        EXPECT_EQ(box, WantedBox(variant, folder.Data(QStringLiteral("3_B.bmp"))));
        EXPECT_EQ(form.Button1->Tag(), 1) << "the stage does not advance";
        EXPECT_EQ(form.Button1->Caption(), QStringLiteral("もっと!もっと!!")) << "the caption has already changed";
        EXPECT_EQ(form.Image3->Picture(), first) << "the shown picture stays";
        EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet3);
    }
    // The next click retries the same file, which loads once it is sound again.
    form.Button1Click();
    EXPECT_EQ(form.Button1->Tag(), 2);
}
