// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/QtServices.h"

#include "toolkit/application/Application.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>

using namespace TarvoWidgets;

namespace {

// Shows a modal box centred on the screen with the application title as caption, owned by the
// game's window so that the window system keeps it above that window.
void ShowBox(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, TApplication::BoxOwner(),
                    TApplication::BoxFlags());
    box.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        box.move(area.center() - box.rect().center());
    }
    TApplication::ExecBox(box);
}

// Runs a private event loop for ms milliseconds with the given flags. The loop sleeps in the
// event dispatcher until an event or the timer arrives, so the wait costs no CPU.
void RunLoopFor(int ms, QEventLoop::ProcessEventsFlags flags)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(flags);
}

} // namespace

TQtServices::TQtServices()
{
    FClock.start();
}

TQtServices::~TQtServices() = default;

void TQtServices::Beep()
{
    QApplication::beep();
}

void TQtServices::Sleep(int ms)
{
    // Input waits in the queue, in order, as it would for a sleeping thread; paint and other
    // window-system events still run so that the window never looks hung.
    const std::int64_t deadline = TickCount() + ms;
    for (std::int64_t left = ms; left > 0; left = deadline - TickCount())
        RunLoopFor(int(left), QEventLoop::ExcludeUserInputEvents);
}

std::int64_t TQtServices::TickCount()
{
    return FClock.elapsed();
}

void TQtServices::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TQtServices::WaitForMessages(int ms)
{
    if (ms <= 0) {
        ProcessMessages();
        return;
    }
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(ms);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void TQtServices::PlaySound(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile())
        return; // no default sound for a missing file
    if (!FPlaySound) {
        // The player lives in a module beside the program, loaded now rather than at start-up.
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/tarvo-sound"));
        FPlaySound = reinterpret_cast<void (*)(const QString&)>(module.resolve("TarvoPlaySound"));
        if (!FPlaySound)
            return; // without the module the game is silent
    }
    FPlaySound(info.absoluteFilePath());
}

void TQtServices::OpenUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}

QString TQtServices::ExecutablePath()
{
    return QCoreApplication::applicationFilePath();
}

void TQtServices::ShowMessage(const QString& text)
{
    ShowBox(QMessageBox::NoIcon, text);
}

void TQtServices::ShowError(const QString& text)
{
    ShowBox(QMessageBox::Critical, ErrorBoxText(text));
}
