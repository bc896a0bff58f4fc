#include "GalleryWindow.h"

#include "platform/Fonts.h"
#include "platform/SpeedButton.h"
#include "platform/StoredLayout.h"
#include "widgets/ShineSpdBtn.h"
#include "widgets/ZRKFadeButton.h"

#include <QGroupBox>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>


TGalleryWindow::TGalleryWindow(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Widget gallery"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FadeButtonSection());
    layout->addWidget(ShineButtonSection());
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

namespace {

// A 16 by 16 tool picture on a magenta background; the glyph's bottom-left pixel keys the
// background, so it must stay magenta.
QImage ToolPicture(const QString& kind)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 255));
    QPainter p(&picture);
    const QColor ink(40, 40, 90);
    if (kind == QLatin1String("pen")) {
        p.fillRect(3, 11, 3, 3, ink);
        for (int i = 0; i < 8; ++i)
            p.fillRect(5 + i, 10 - i, 2, 2, QColor(200, 60, 40));
    } else if (kind == QLatin1String("brush")) {
        p.fillRect(7, 1, 2, 8, QColor(150, 100, 40));
        p.fillRect(4, 9, 8, 5, QColor(60, 120, 200));
    } else if (kind == QLatin1String("fill")) {
        p.fillRect(3, 4, 9, 9, ink);
        p.fillRect(4, 5, 7, 7, QColor(250, 220, 80));
        p.fillRect(12, 8, 2, 5, QColor(60, 120, 200));
    } else if (kind == QLatin1String("save")) {
        p.fillRect(2, 2, 12, 12, QColor(40, 80, 160));
        p.fillRect(4, 2, 8, 5, Qt::white);
        p.fillRect(5, 9, 6, 5, QColor(200, 200, 200));
    } else {
        // A star of squares, for the samples.
        p.fillRect(6, 2, 4, 12, QColor(220, 120, 20));
        p.fillRect(2, 6, 12, 4, QColor(220, 120, 20));
        p.fillRect(7, 7, 2, 2, QColor(250, 230, 120));
    }
    return picture;
}

void GiveGlyph(QWidget* page, const char* name, const QString& kind)
{
    auto* button = page->findChild<TShineSpeedButton*>(QLatin1String(name));
    if (!button)
        return;
    TBitmap glyph;
    glyph.SetImage(ToolPicture(kind));
    button->SetGlyph(&glyph);
}

} // namespace

QWidget* TGalleryWindow::ShineButtonSection()
{
    auto* section = new QGroupBox(QStringLiteral("TShineSpeedButton with TSpeedButton (from ShineToolbarPage.ui)"), this);
    section->setFixedSize(760, 230);
    QWidget* page = TStoredLayout::Read(QStringLiteral(":/gallery/ShineToolbarPage.ui"), section);
    page->move(10, 22);
    GiveGlyph(page, "PenTool", QStringLiteral("pen"));
    GiveGlyph(page, "BrushTool", QStringLiteral("brush"));
    GiveGlyph(page, "FillTool", QStringLiteral("fill"));
    GiveGlyph(page, "SaveDisabled", QStringLiteral("save"));
    GiveGlyph(page, "EnclosedDisabled", QStringLiteral("save"));
    for (const char* sample : {"GlyphLeft", "GlyphRight", "GlyphTop", "GlyphBottom", "MarginLeft", "FlatFrame",
                               "NormalFrame", "EnclosedFrame", "Transparent"})
        GiveGlyph(page, sample, QStringLiteral("star"));
    for (auto* button : page->findChildren<TShineSpeedButton*>()) {
        connect(button, &TShineSpeedButton::OnClick, this, [this](QObject* sender) { Report(sender, QStringLiteral("OnClick")); });
        connect(button, &TShineSpeedButton::OnDblClick, this,
                [this](QObject* sender) { Report(sender, QStringLiteral("OnDblClick")); });
    }
    for (auto* button : page->findChildren<TSpeedButton*>())
        connect(button, &TSpeedButton::OnClick, this, [this](QObject* sender) { Report(sender, QStringLiteral("OnClick")); });
    // Disabling the page shows every button's disabled look at once.
    auto* enabled = new QCheckBox(QStringLiteral("Enabled"), section);
    enabled->setChecked(true);
    enabled->move(16, 200);
    connect(enabled, &QCheckBox::toggled, page, &QWidget::setEnabled);
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
