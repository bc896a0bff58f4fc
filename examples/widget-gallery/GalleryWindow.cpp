#include "GalleryWindow.h"

#include "HistorySection.h"

#include "platform/Fonts.h"
#include "widgets/ZRKFadeButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>


TGalleryWindow::TGalleryWindow(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Widget gallery"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FadeButtonSection());
    layout->addWidget(new THistorySection(this));
    FEvents = new QLabel(QStringLiteral("Move the mouse over a button, leave it, click it."), this);
    layout->addWidget(FEvents);
}

QWidget* TGalleryWindow::FadeButtonSection()
{
    auto* section = new QGroupBox(QStringLiteral("TZRKFadeButton"), this);
    section->setFixedSize(760, 150);
    // The reward page's button behind "もっと!" sits on a dark picture; so do the samples.
    section->setAutoFillBackground(true);
    QPalette dark = section->palette();
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x38));
    dark.setColor(QPalette::WindowText, Qt::white);
    section->setPalette(dark);

    // The buttons are created on the section, so each has its parent before its settings,
    // as a button read from a stored window layout has.
    auto* reward = new TZRKFadeButton(section);
    reward->setObjectName(QStringLiteral("Button1"));
    reward->SetWidth(200);
    reward->SetHeight(20);
    reward->setCursor(Qt::PointingHandCursor);
    reward->SetShowHint(true);
    reward->setToolTip(QStringLiteral("The reward page's button"));
    reward->setFont(ProportionalGothic(12, true));
    reward->SetFontColor(clr::White);
    reward->SetColor(clr::Maroon);
    reward->SetDestColor(clr::Red);
    reward->SetBorderColor(clr::Silver);
    reward->SetBorderDestColor(clr::White);
    reward->SetCaptionOverColor(clr::Yellow);
    reward->SetStep(2);
    reward->SetSpeed(20);
    reward->SetBorderHeight(1);
    reward->SetCaption(QStringLiteral("もっと!"));
    AddSample(section, reward, QStringLiteral("Reward page: maroon to red,\nsilver to white, Step 2, Speed 20"), 16, 30);

    auto* plain = new TZRKFadeButton(section);
    plain->setObjectName(QStringLiteral("Defaults"));
    plain->SetCaption(QStringLiteral("Defaults"));
    AddSample(section, plain, QStringLiteral("As constructed: green to\nlime, Step 2, Speed 10"), 250, 30);

    auto* snap = new TZRKFadeButton(section);
    snap->setObjectName(QStringLiteral("Snap"));
    snap->SetWidth(120);
    snap->SetColor(clr::Navy);
    snap->SetDestColor(clr::Blue);
    snap->SetBorderColor(clr::Teal);
    snap->SetBorderDestColor(clr::Aqua);
    snap->SetCaptionOverColor(clr::Yellow);
    snap->SetFadeOnOver(false);
    snap->SetFadeOnLeave(false);
    snap->SetCaption(QStringLiteral("Snap"));
    AddSample(section, snap, QStringLiteral("No fades: navy and blue\nswitch at once"), 440, 30);

    auto* slow = new TZRKFadeButton(section);
    slow->setObjectName(QStringLiteral("Slow"));
    slow->SetWidth(120);
    slow->SetColor(clr::Purple);
    slow->SetDestColor(clr::Fuchsia);
    slow->SetBorderColor(clr::Gray);
    slow->SetBorderDestColor(clr::White);
    slow->SetBorderHeight(3);
    slow->SetStep(1);
    slow->SetSpeed(15);
    slow->SetCaptionOverColor(clr::White);
    slow->SetFontColor(clr::Silver);
    slow->SetCaption(QStringLiteral("Slow"));
    AddSample(section, slow, QStringLiteral("Step 1, Speed 15,\nBorderHeight 3"), 610, 30);

    auto* fast = new TZRKFadeButton(section);
    fast->setObjectName(QStringLiteral("Fast"));
    fast->SetWidth(200);
    fast->SetHeight(24);
    fast->SetColor(clr::Olive);
    fast->SetDestColor(clr::Yellow);
    fast->SetShowBorder(false);
    fast->SetStep(8);
    fast->SetCaptionOverColor(clr::Black);
    fast->SetCaption(QStringLiteral("Fast, no outline"));
    AddSample(section, fast, QStringLiteral("ShowBorder false, Step 8"), 16, 100);

    return section;
}

void TGalleryWindow::AddSample(QWidget* section, TZRKFadeButton* button, const QString& note, int left, int top)
{
    button->move(left, top);
    auto* label = new QLabel(note, section);
    QFont small = label->font();
    small.setPixelSize(11);
    label->setFont(small);
    label->move(left, top + button->height() + 4);
    connect(button, &TZRKFadeButton::OnClick, this, [this](QObject* sender) { Report(sender, QStringLiteral("OnClick")); });
    connect(button, &TZRKFadeButton::onMouseLeave, this,
            [this](QObject* sender) { Report(sender, QStringLiteral("onMouseLeave")); });
}

void TGalleryWindow::Report(QObject* sender, const QString& event)
{
    FEvents->setText(QStringLiteral("%1. %2 from %3").arg(++FEventCount).arg(event, sender->objectName()));
}
