// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The reference for the game's start-up time: a bare Qt 6 window of the game's size with the
// game's menu bar and nothing else, started and shown the way the game is.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    QMenu* mode = window.menuBar()->addMenu(QStringLiteral("モード(&M)"));
    mode->addAction(QStringLiteral("ボスが来た!!(&B)..."))->setShortcut(Qt::Key_F4);
    mode->addSeparator();
    mode->addAction(QStringLiteral("終了(&X)"));
    window.menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"))->addAction(QStringLiteral("インフォメーション(&I)..."));
    auto* client = new QWidget;
    client->setFixedSize(640, 480);
    window.setCentralWidget(client);
    window.show();
    return application.exec();
}
