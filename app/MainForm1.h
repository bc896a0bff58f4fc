// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ImageList.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QStackedWidget;
class TBoardView;
class TBossForm1;
class TDrawGrid;
class TImage;
class TMatch;
class TPicturePrefetch;
class TRewardSequence;
class TServices;
namespace TarvoWidgets {
class TZRKFadeButton;
}

// The main window: a fixed 640 by 480 client area showing one of three pages whose tabs are
// never visible (the title page, the game page and the picture page), and the menu bar.
// The constructor builds the layout and loads every start-up picture from the data folder;
// the first picture that cannot be read raises its load error out of the constructor. The
// pictures are read on a thread of their own while the layout is built, and taken in order.
class TMainForm1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm1(TServices& services, QWidget* parent = nullptr);
    ~TMainForm1() override;

    // The boss screen that F4 shows; created after the main window at start-up.
    void SetBossForm(TBossForm1& bossForm) { BossForm1 = &bossForm; }

    // Controls of the layout, under their layout names.
    QFrame* Panel0 = nullptr;
    QStackedWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;   // title page
    QWidget* TabSheet2 = nullptr;   // game page
    QWidget* TabSheet3 = nullptr;   // picture page
    TImage* Image0 = nullptr;
    std::array<TImage*, 12> Image0_ = {};   // Image0_01 to Image0_12: the thumbnails
    QLabel* Label1 = nullptr;
    TImage* Image1 = nullptr;
    QPushButton* miMC = nullptr;
    TImage* Image1_00 = nullptr;
    TImage* Image1_01 = nullptr;
    TImage* Image1_02 = nullptr;
    TDrawGrid* DrawGrid1 = nullptr;
    TImage* Image3 = nullptr;
    QFrame* Panel1 = nullptr;
    TImage* Image2 = nullptr;
    TarvoWidgets::TZRKFadeButton* Button1 = nullptr;
    QAction* N5 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* N6 = nullptr;

    TImageList il;
    TImageList ImageList1;
    TImageList ImageList2;

    // Game state of the window.
    QString AppDir;
    int Opponent = 0;
    TMatch& Match() { return *FMatch; }

    // Handlers, under their layout names.
    void FormCreate();
    void ImageClick(int opponent);      // Image0_01Click to Image0_12Click: the same for all twelve
    void miMCClick();
    void Button1Click();
    void N5Click();
    void N6Click();
    void Exit1Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void BuildTitlePage();
    void BuildGamePage();
    void BuildPicturePage();
    void BuildMenu();
    void LoadStartupPictures(const QStringList& paths);   // the paths being read ahead
    void LoadFaces(TImageList& list, const QString& prefix, int first, int last);

    TServices& FServices;
    std::unique_ptr<TPicturePrefetch> FStartupPictures;   // from construction until they are taken
    TBossForm1* BossForm1 = nullptr;
    std::unique_ptr<TBoardView> FBoardView;
    std::unique_ptr<TMatch> FMatch;
    std::unique_ptr<TRewardSequence> FReward;
};
