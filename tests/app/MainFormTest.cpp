#include "FakeServices.h"
#include "HostileFiles.h"
#include "app/MainForm1.h"
#include "match/Match.h"
#include "platform/Application.h"
#include "platform/Image.h"
#include "platform/ToolkitError.h"
#include "platform/testkit/BitmapSamples.h"
#include "widgets/ZRKFadeButton.h"

#include <QDir>
#include <QFile>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST(OpponentChoice, AMissingFaceStopsBeforeTheBeep)
{
    ProgramFolder folder;
    TMainForm1 form(folder.services);
    folder.Remove(QStringLiteral("10_2.bmp"));
    try {
        emit form.Image0_[9]->Clicked();
        FAIL() << "no error raised";
    } catch (const EToolkitError& e) {
        // The name has no leading zero: opponent 10 reads 10_0, 10_1, 10_2.
        EXPECT_EQ(e.Message(), FileOpenText(folder.Data(QStringLiteral("10_2.bmp"))));
    }
    EXPECT_EQ(form.Opponent, 10);
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet2);
    EXPECT_EQ(form.ImageList2.Count(), 2) << "the faces before the failing one stay";
    EXPECT_TRUE(folder.services.Log.isEmpty()) << "no beep, no message, no board";
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
        TApplication::ShowCurrentException(services);
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
