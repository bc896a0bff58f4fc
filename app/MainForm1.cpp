// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "MainForm1.h"

#include "match/BoardView.h"
#include "match/Match.h"
#include "platform/BitmapFile.h"
#include "toolkit/graphics/Color.h"
#include "platform/DataPath.h"
#include "platform/DrawGrid.h"
#include "toolkit/application/ErrorBoundary.h"
#include "toolkit/graphics/GothicFaces.h"
#include "platform/Image.h"
#include "platform/DoubleSize.h"
#include "platform/PicturePrefetch.h"
#include "platform/Services.h"
#include "screens/BossForm1.h"
#include "screens/InformationPage.h"
#include "screens/RewardSequence.h"
#include "widgets/ZRKFadeButton.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>

using namespace TarvoWidgets;

namespace {

constexpr int ClientWidth = 640;
constexpr int ClientHeight = 480;
constexpr int ThumbnailCount = 12;
constexpr int PlayerFaceCount = 17;

// A plain child widget filled with one colour.
template <typename W>
W* Filled(W* widget, TColor color)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    widget->setPalette(palette);
    return widget;
}

// A face file's name: prefix + k + ".bmp".
QString FaceName(const QString& prefix, int k)
{
    return prefix + QString::number(k) + QStringLiteral(".bmp");
}

// The data files read at start-up, in their order: the twelve thumbnails, the title and game
// backgrounds, then the player's faces.
QStringList StartupPictureNames()
{
    QStringList names;
    for (int i = 1; i <= ThumbnailCount; ++i)
        names << QStringLiteral("%1_1.bmp").arg(i);
    names << QStringLiteral("0001.bmp") << QStringLiteral("0002.bmp");
    for (int k = 1; k <= PlayerFaceCount; ++k)
        names << FaceName(QStringLiteral("0_"), k);
    return names;
}

// A picture compiled into the layout, with its double-size twin where the screen is scaled.
QImage LayoutPicture(const QString& path)
{
    return WithDoubleSize(LoadBitmapResource(path), path, ScreenPixelRatio(), LoadBitmapResource);
}

TImage* NewImage(QWidget* parent, QRect geometry)
{
    auto* image = new TImage(parent);
    image->setGeometry(geometry);
    return image;
}

} // namespace

TMainForm1::TMainForm1(TServices& services, QWidget* parent)
    : QMainWindow(parent),
      il(40, 50, clr::Purple),
      ImageList1(110, 110, clr::Purple),
      ImageList2(110, 110, clr::Purple),
      FServices(services)
{
    // Reading and decoding the start-up pictures takes about as long as building the layout:
    // the two run side by side, which brings the first frame forward on a machine with a core
    // to spare. The pictures are still all read, in their order, before the constructor ends.
    AppDir = AppDirOf(FServices.ExecutablePath());
    QStringList paths;
    for (const QString& name : StartupPictureNames())
        paths << DataPath(AppDir, name);
    FStartupPictures = std::make_unique<TPicturePrefetch>(paths);
    BuildLayout();
    FormCreate();
    LoadStartupPictures(paths);
}

TMainForm1::~TMainForm1() = default;

void TMainForm1::BuildLayout()
{
    setWindowTitle(QStringLiteral("タルヴォ!!"));
    setWindowIcon(QIcon(QStringLiteral(":/layout/icon.png")));
    setFont(ProportionalGothic(12));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    Filled(this, clr::Purple);

    BuildMenu();

    Panel0 = Filled(new QFrame(this), clr::Black);
    Panel0->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(Panel0);

    // The pages show no tabs: the program alone switches between them. The pages fill the
    // client area.
    PageControl1 = new QStackedWidget(Panel0);
    PageControl1->setGeometry(0, 0, ClientWidth, ClientHeight);
    TabSheet1 = Filled(new QWidget, clr::Purple);
    TabSheet1->setWindowTitle(QStringLiteral("タイトル"));
    TabSheet2 = Filled(new QWidget, clr::Purple);
    TabSheet2->setWindowTitle(QStringLiteral("ゲーム"));
    TabSheet3 = Filled(new QWidget, clr::Purple);
    TabSheet3->setWindowTitle(QStringLiteral("絵"));
    PageControl1->addWidget(TabSheet1);
    PageControl1->addWidget(TabSheet2);
    PageControl1->addWidget(TabSheet3);

    BuildTitlePage();
    BuildGamePage();
    BuildPicturePage();
    PageControl1->setCurrentWidget(TabSheet1);

    // Disc pictures are part of the layout itself.
    for (int k = 0; k < 8; ++k)
        il.Add(LayoutPicture(QStringLiteral(":/layout/disc%1.bmp").arg(k)));

    move(199, 111);
    adjustSize();
    setFixedSize(sizeHint());
}

void TMainForm1::BuildMenu()
{
    QMenuBar* MainMenu1 = menuBar();
    // The menu bar keeps the desktop's own colours, not the window's purple: each role is set
    // explicitly, so none of them is inherited from the window.
    QPalette desktop = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText})
        desktop.setColor(role, desktop.color(role));
    MainMenu1->setPalette(desktop);
    MainMenu1->setAutoFillBackground(true);
    QMenu* MenuItem1 = MainMenu1->addMenu(QStringLiteral("モード(&M)"));
    N5 = MenuItem1->addAction(QStringLiteral("ボスが来た!!(&B)..."));
    N5->setShortcut(Qt::Key_F4);
    connect(N5, &QAction::triggered, this, Guarded([this] { N5Click(); }));
    MenuItem1->addSeparator();   // N4
    Exit1 = MenuItem1->addAction(QStringLiteral("終了(&X)"));
    connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));
    QMenu* Help1 = MainMenu1->addMenu(QStringLiteral("ヘルプ(&H)"));
    N6 = Help1->addAction(QStringLiteral("インフォメーション(&I)..."));
    connect(N6, &QAction::triggered, this, Guarded([this] { N6Click(); }));
}

void TMainForm1::BuildTitlePage()
{
    Image0 = NewImage(TabSheet1, {4, 4, 632, 472});
    Image0->SetTransparent(true);
    const int lefts[] = {404, 460, 516, 572};
    const int tops[] = {300, 356, 412};
    for (int i = 0; i < ThumbnailCount; ++i) {
        TImage* thumbnail = NewImage(TabSheet1, {lefts[i % 4], tops[i / 4], 50, 50});
        thumbnail->setObjectName(QStringLiteral("Image0_%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        thumbnail->SetStretch(true);
        thumbnail->setCursor(Qt::PointingHandCursor);
        const int opponent = i + 1;
        connect(thumbnail, &TImage::Clicked, this, Guarded([this, opponent] { ImageClick(opponent); }));
        Image0_[std::size_t(i)] = thumbnail;
    }
    Label1 = new QLabel(QStringLiteral("対戦するキャラクターを選択"), TabSheet1);
    Label1->setGeometry(420, 276, 188, 16);
    Label1->setFont(ProportionalGothic(16));
    Label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    Image1 = NewImage(TabSheet1, {8, 420, 55, 55});
    Image1->SetStretch(true);
    Image1->SetPicture(LayoutPicture(QStringLiteral(":/layout/portrait.bmp")));
    Image1->setToolTip(QStringLiteral("ガンさん「わしの出番は・・・」"));

    // The match-start routine's button: never shown, never in the focus chain.
    miMC = new QPushButton(TabSheet1);
    miMC->setGeometry(8, 388, 29, 25);
    miMC->setFocusPolicy(Qt::NoFocus);
    miMC->hide();
    connect(miMC, &QPushButton::clicked, this, Guarded([this] { miMCClick(); }));
}

void TMainForm1::BuildGamePage()
{
    Image1_00 = NewImage(TabSheet2, {4, 4, 632, 472});
    Image1_01 = NewImage(TabSheet2, {24, 56, 110, 110});
    Image1_02 = NewImage(TabSheet2, {507, 56, 110, 110});
    DrawGrid1 = new TDrawGrid(TabSheet2);
    DrawGrid1->setGeometry(152, 31, 336, 416);
    DrawGrid1->SetLayout(8, 8, 40, 50, 2);
    DrawGrid1->setCursor(Qt::PointingHandCursor);

    FBoardView = std::make_unique<TBoardView>(
        TBoardView::TParts{*DrawGrid1, il, *Image1_01, *Image1_02, ImageList1, ImageList2},
        [this] { FReward->Enter(); });
    FMatch = std::make_unique<TMatch>(FServices, *FBoardView);
    FBoardView->Attach(*FMatch);
}

void TMainForm1::BuildPicturePage()
{
    Image3 = NewImage(TabSheet3, {548, 4, 85, 85});
    Image3->hide();
    Panel1 = Filled(new QFrame(TabSheet3), clr::Black);
    Panel1->setGeometry(8, 8, 624, 464);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Image2 = NewImage(Panel1, {12, 12, 600, 400});

    Button1 = new TZRKFadeButton(Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(212, 428, 200, 20);
    Button1->setCursor(Qt::PointingHandCursor);
    QFont font = ProportionalGothic(12, true);
    Button1->setFont(font);
    Button1->SetFontColor(clr::White);
    Button1->SetColor(clr::Maroon);
    Button1->SetDestColor(clr::Red);
    Button1->SetBorderColor(clr::Silver);
    Button1->SetBorderDestColor(clr::White);
    Button1->SetCaptionOverColor(clr::Yellow);
    Button1->SetShowBorder(true);
    Button1->SetFadeOnOver(true);
    Button1->SetFadeOnLeave(true);
    Button1->SetBorderHeight(1);
    Button1->SetStep(2);
    Button1->SetSpeed(20);
    Button1->SetCaption(QStringLiteral("もっと!"));
    connect(Button1, &TZRKFadeButton::OnClick, this, Guarded([this] { Button1Click(); }));

    FReward = std::make_unique<TRewardSequence>(
        FServices, *Image2, *Image3, *Button1,
        [this](TRewardSequence::TPage page) {
            PageControl1->setCurrentWidget(page == TRewardSequence::TPage::Title ? TabSheet1 : TabSheet3);
        },
        [this] {
            const TBoard& board = FMatch->Board();
            return TRewardSequence::TGame{AppDir, Opponent, board.PlayerDiscs, board.ComputerDiscs};
        });
}

void TMainForm1::FormCreate()
{
    FMatch->Board().BoardSize = 8;
}

void TMainForm1::LoadStartupPictures(const QStringList& paths)
{
    // One list gives the files and their order; each is taken here in turn.
    auto next = paths.cbegin();
    const qreal ratio = ScreenPixelRatio();
    const auto load = [&] {
        const QString& path = *next++;
        return WithDoubleSize(FStartupPictures->Load(path), path, ratio, LoadBitmap);
    };
    for (TImage* thumbnail : Image0_)
        thumbnail->SetPicture(load());
    Image0->SetPicture(load());
    Image1_00->SetPicture(load());
    ImageList1.Clear();
    while (next != paths.cend())
        ImageList1.Add(load());
    FStartupPictures.reset();
}

// Empties the list, then appends the faces prefix + k + ".bmp" for k = first..last, in order.
// A file that cannot be read raises its error with the faces before it already in the list.
void TMainForm1::LoadFaces(TImageList& list, const QString& prefix, int first, int last)
{
    list.Clear();
    const qreal ratio = ScreenPixelRatio();
    for (int k = first; k <= last; ++k) {
        const QString path = DataPath(AppDir, FaceName(prefix, k));
        list.Add(WithDoubleSize(LoadBitmap(path), path, ratio, LoadBitmap));
    }
}

void TMainForm1::ImageClick(int opponent)
{
    Opponent = opponent;
    PageControl1->setCurrentWidget(TabSheet2);
    miMCClick();
}

void TMainForm1::miMCClick()
{
    LoadFaces(ImageList2, QString::number(Opponent) + QLatin1Char('_'), 0, 2);
    FServices.Beep();
    FServices.ShowMessage(QStringLiteral("            ふぁいと!!            "));
    FMatch->StartMatch();
}

void TMainForm1::Button1Click()
{
    FReward->Button1Click();
}

void TMainForm1::N5Click()
{
    if (!BossForm1)
        return;
    // The main window leaves the taskbar and the window lists while the decoy is up: its entry
    // would name the game.
    hide();
    BossForm1->ShowModalFullScreen();
    show();
}

void TMainForm1::N6Click()
{
    OpenInformationPage(FServices);
}

void TMainForm1::Exit1Click()
{
    close();
}

void TMainForm1::closeEvent(QCloseEvent* event)
{
    // A computer pause or an animation may be running below this event: stop it, so the
    // program ends as soon as the handlers below have returned.
    FMatch->Abandon();
    event->accept();
    // Closing the main window ends the program, whatever input is still queued. Qt's own quit
    // after the last window closes is only posted, and a window shown before it arrives (a
    // queued click opening a menu of the hidden menu bar) cancels it; exit cannot be
    // cancelled, and it ends every event loop running below this one as well.
    QCoreApplication::exit(0);
}
