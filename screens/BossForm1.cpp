#include "BossForm1.h"

#include "toolkit/GothicFaces.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

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

// Qt appends the application's display name (the game's title) to every window title it hands
// to the window system, unless the title already ends with it; the decoy's title must carry
// no trace of the game. While the guard lives the display name is empty, which appends nothing.
class TNoDisplayName {
public:
    TNoDisplayName() : FName(QGuiApplication::applicationDisplayName())
    {
        QGuiApplication::setApplicationDisplayName(QString(QLatin1String("")));
    }
    ~TNoDisplayName() { QGuiApplication::setApplicationDisplayName(FName); }
    TNoDisplayName(const TNoDisplayName&) = delete;
    TNoDisplayName& operator=(const TNoDisplayName&) = delete;

private:
    const QString FName;
};

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

    // As laid out: 694 by 486, centred on the screen. Showing it maximises it.
    resize(694, 486);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TBossForm1::ShowModalMaximised()
{
    // Maximised is the window manager's to carry out; cover the screen ourselves as well, so
    // the screen is covered where no manager runs (a bare X server, a kiosk session).
    const TNoDisplayName decoyTitle;
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (shown)
        setGeometry(shown->geometry());
    setWindowState(windowState() | Qt::WindowMaximized);
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
