#include "AppServices.h"
#include "FakeServices.h"
#include "app/MainForm1.h"
#include "match/Match.h"
#include "platform/Image.h"
#include "platform/ToolkitError.h"
#include "widgets/ZRKFadeButton.h"

#include <QDir>
#include <QFile>
#include <QStackedWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>
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

// Regression: 終了 chosen in the computer's pause, with a click on the menu bar queued behind
// it, left the program running for good with no window: Qt's automatic quit after the last
// window closed is only posted, and the menu that the click opened cancelled it.
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
}
