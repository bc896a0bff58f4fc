#include "FakeServices.h"
#include "app/MainForm1.h"
#include "match/Match.h"
#include "platform/Image.h"
#include "platform/ToolkitError.h"

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
