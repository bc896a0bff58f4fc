// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "BossForm1.h"

#include "toolkit/graphics/GothicFaces.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <xcb/xcb.h>

using namespace TarvoWidgets;

namespace {

const QString StartUpText = QStringLiteral(
    "BRAMEL N-BASIC Version 2.4\n"
    "Copyright (C) 1987 by BRAMEL\n"
    "30540 Bytes Free\n"
    "\n"
    "Ready");

// The decoy's own window icon, so that the game's icon, which Qt gives every window of the
// application, never shows beside it: a black screen with the prompt's white cursor block.
QIcon DecoyIcon()
{
    QPixmap icon(32, 32);
    icon.fill(Qt::black);
    QPainter painter(&icon);
    painter.fillRect(4, 20, 8, 8, Qt::white);
    return QIcon(icon);
}

// The identity that the decoy shows the desktop instead of the game's. Qt hands every window
// the application's desktop file name (on Wayland the window's app id, which a desktop's window
// list and task bar resolve to the game's desktop entry, its name and its icon) and appends the
// display name (the game's title) to every window title, unless the title already ends with
// it. While the guard lives, the desktop file name is the decoy's own, which no desktop entry
// carries, and the display name is empty, which appends nothing. Both are read when the
// window is shown, so the guard covers the whole showing.
class TDecoyIdentity {
public:
    TDecoyIdentity()
        : FDisplayName(QGuiApplication::applicationDisplayName())
        , FDesktopFileName(QGuiApplication::desktopFileName())
    {
        QGuiApplication::setApplicationDisplayName(QString(QLatin1String("")));
        QGuiApplication::setDesktopFileName(TBossForm1::DecoyAppId);
    }
    ~TDecoyIdentity()
    {
        QGuiApplication::setDesktopFileName(FDesktopFileName);
        QGuiApplication::setApplicationDisplayName(FDisplayName);
    }
    TDecoyIdentity(const TDecoyIdentity&) = delete;
    TDecoyIdentity& operator=(const TDecoyIdentity&) = delete;

private:
    const QString FDisplayName;
    const QString FDesktopFileName;
};

// On X the window manager and the task bar learn a window's application from its WM_CLASS,
// which Qt gives every window from the program's name. The decoy's native window gets the
// decoy's own before it is mapped (the manager reads it then).
void GiveDecoyClass(QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    // Instance and class, each ending in a NUL.
    const QByteArray wmClass = TBossForm1::DecoyAppId.toLatin1() + '\0' + QByteArray("N-BASIC") + '\0';
    xcb_change_property(x11->connection(), XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), XCB_ATOM_WM_CLASS,
                        XCB_ATOM_STRING, 8, uint32_t(wmClass.size()), wmClass.constData());
    xcb_flush(x11->connection());
}

} // namespace

TBossForm1::TBossForm1(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
    , Memo1(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("BossForm1"));
    setWindowTitle(QStringLiteral("BossForm1"));
    setWindowIcon(DecoyIcon());
    // Closing the decoy never ends the program, even while it is the only window shown.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(ProportionalGothic(12));

    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setFont(FixedGothic(20, true));
    QPalette colours = Memo1->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, Qt::black);
        colours.setColor(group, QPalette::Text, Qt::white);
    }
    Memo1->setPalette(colours);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(StartUpText);
    Memo1->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
    setFocusProxy(Memo1);
    Memo1->setFocus();

    // As laid out: 694 by 486, centred on the screen. Showing it makes it full screen.
    resize(694, 486);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

const QString TBossForm1::DecoyAppId = QStringLiteral("n-basic");

void TBossForm1::ShowModalFullScreen()
{
    // Full screen covers the panels too, where maximised stops at them; on Wayland it is the
    // only way to cover the screen, since a client's own geometry is ignored there. Full
    // screen is the window manager's to carry out; the geometry covers the screen where no
    // manager runs (a bare X server, a kiosk session).
    const TDecoyIdentity decoy;
    GiveDecoyClass(*this);
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (shown)
        setGeometry(shown->geometry());
    setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowFullScreen);
    exec();
}

bool TBossForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Memo1DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TBossForm1::keyPressEvent(QKeyEvent* event)
{
    // Escape would close a dialog; this screen goes away only by the double-click or the
    // window system's close command, so a stray key never gives the game away.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TBossForm1::Memo1DblClick()
{
    close();
}
