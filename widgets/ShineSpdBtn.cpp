#include "ShineSpdBtn.h"

#include "platform/ToolkitError.h"

#include <QMouseEvent>
#include <QPainter>

// ---------------------------------------------------------------------------------------------
// Construction, properties and the owned objects.

TShineSpeedButton::TShineSpeedButton(QWidget* owner)
    : QWidget(owner)
{
    // The control style: Qt already grabs the mouse while a button is held on a widget and
    // delivers double clicks as such; the opaque declaration is the one flag to set.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    FGroupProxy = nullptr;
    FDown = false;
    FClickDownHook = false;
    FAccelCharDown = false;
    FActiveImage = aiFrameLight;
    FDisabledImage = diDefault;
    FDisabledHighlight = clr::BtnHighlight;
    FDisabledShadow = clr::BtnShadow;
    FShineColor = clr::Yellow;
    FState = sbUp;
    FActiveFrame = true;
    FUpFrame = true;
    FDownFrame = true;
    FAllowAllUp = false;
    FGroupIndex = 0;
    FTransparent = false;
    FFrameType = ftNormalFrame;
    FSpacing = 4;
    FMargin = -1;
    FLayout = blGlyphLeft;

    const TNotifyEvent fontsAndColorsOnChange = [this](QObject* sender) { FontsAndColorsOnChange(sender); };
    FColors = std::make_unique<TShineBtnColors>();
    FColors->SetColor(clr::BtnFace);
    FColors->OnChange = fontsAndColorsOnChange;
    FPressedColors = std::make_unique<TShineBtnColors>();
    FPressedColors->SetColor(clr::BtnHighlight);
    FPressedColors->OnChange = fontsAndColorsOnChange;
    FFont = std::make_unique<TFont>();
    FFont->SetColor(clr::BtnText);
    FFont->OnChange = fontsAndColorsOnChange;
    FActiveFont = std::make_unique<TFont>();
    FActiveFont->SetColor(clr::Highlight);
    FActiveFont->OnChange = fontsAndColorsOnChange;
    FFontHighlight = clr::None;
    FFontShadow = clr::None;
    FGlyph = std::make_unique<TBitmap>();
    FGlyph->OnChange = [this](QObject* sender) { GlyphOnChange(sender); };
    FMouseInside = false;
    FMousePressed = false;
    resize(25, 25);
    FCaption.clear();
    FActiveTimer = std::make_unique<TTimer>(this);
    FActiveTimer->SetInterval(200);
    FActiveTimer->SetEnabled(false);
    connect(FActiveTimer.get(), &TTimer::OnTimer, this, &TShineSpeedButton::ActiveButtonTimerOnTimer);
}

TShineSpeedButton::~TShineSpeedButton()
{
    FActiveTimer.reset();
    FGlyph.reset();
    FColors.reset();
    FPressedColors.reset();
    FFont.reset();
    FActiveFont.reset();
}

void TShineSpeedButton::Loaded()
{
    TLoadable::Loaded();
}

template <typename T> void TShineSpeedButton::UpdateLook(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Invalidate();
}

void TShineSpeedButton::SetClickDownHook(bool value) { UpdateLook(FClickDownHook, value); }
void TShineSpeedButton::SetAccelCharDown(bool value) { UpdateLook(FAccelCharDown, value); }
void TShineSpeedButton::SetFrameType(TFrameType value) { UpdateLook(FFrameType, value); }
void TShineSpeedButton::SetActiveFrame(bool value) { UpdateLook(FActiveFrame, value); }
void TShineSpeedButton::SetUpFrame(bool value) { UpdateLook(FUpFrame, value); }
void TShineSpeedButton::SetDownFrame(bool value) { UpdateLook(FDownFrame, value); }
void TShineSpeedButton::SetActiveImage(TActiveImageType value) { UpdateLook(FActiveImage, value); }
void TShineSpeedButton::SetDisabledImage(TDisabledImageType value) { UpdateLook(FDisabledImage, value); }
void TShineSpeedButton::SetDisabledHighlight(TColor value) { UpdateLook(FDisabledHighlight, value); }
void TShineSpeedButton::SetDisabledShadow(TColor value) { UpdateLook(FDisabledShadow, value); }
void TShineSpeedButton::SetShineColor(TColor value) { UpdateLook(FShineColor, value); }
void TShineSpeedButton::SetLayout(TButtonLayout value) { UpdateLook(FLayout, value); }
void TShineSpeedButton::SetMargin(int value) { UpdateLook(FMargin, value); }
void TShineSpeedButton::SetSpacing(int value) { UpdateLook(FSpacing, value); }

void TShineSpeedButton::SetFontHighlight(TColor value)
{
    FFontHighlight = value;
    Invalidate();
}

void TShineSpeedButton::SetFontShadow(TColor value)
{
    FFontShadow = value;
    Invalidate();
}

void TShineSpeedButton::SetCaption(const QString& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    CMTextChanged();
}

void TShineSpeedButton::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    Invalidate();
}

void TShineSpeedButton::SetColors(TShineBtnColors* value)
{
    FColors->Assign(value);
}

void TShineSpeedButton::SetPressedColors(TShineBtnColors* value)
{
    FPressedColors->Assign(value);
}

void TShineSpeedButton::SetFont(TFont* value)
{
    if (!value)
        return;
    FFont->Assign(*value);
    Invalidate();
}

void TShineSpeedButton::SetActiveFont(TFont* value)
{
    if (!value)
        return;
    FActiveFont->Assign(*value);
    Invalidate();
}

void TShineSpeedButton::SetGlyph(const TBitmap* value)
{
    // The glyph reports nothing while it takes the new picture; GlyphOnChange runs once after.
    TNotifyEvent onChange = std::move(FGlyph->OnChange);
    FGlyph->OnChange = nullptr;
    if (value)
        FGlyph->Assign(*value);
    else
        FGlyph->Clear();
    FGlyph->OnChange = std::move(onChange);
    if (value)
        GlyphOnChange(FGlyph.get());
    Invalidate();
}

QPixmap TShineSpeedButton::GlyphPixmap() const
{
    if (FGlyph->Empty())
        return QPixmap();
    TBitmap drawable;
    drawable.Assign(*FGlyph);
    drawable.SetPixelFormat(TBitmap::pfDevice);
    return QPixmap::fromImage(drawable.Image());
}

void TShineSpeedButton::SetGlyphPixmap(const QPixmap& value)
{
    if (value.isNull()) {
        SetGlyph(nullptr);
        return;
    }
    TBitmap picture;
    picture.SetImage(value.toImage());
    SetGlyph(&picture);
}

void TShineSpeedButton::GlyphOnChange(QObject*)
{
    // Every reader of the glyph counts on 32-bit rows of 0x00RRGGBB words. The conversion
    // reports a change of its own, which comes back here with nothing left to convert.
    if (!FGlyph->Empty() && FGlyph->PixelFormat() != TBitmap::pf32bit)
        FGlyph->SetPixelFormat(TBitmap::pf32bit);
    Invalidate();
}

void TShineSpeedButton::FontsAndColorsOnChange(QObject*)
{
    Invalidate();
}

void TShineSpeedButton::Invalidate()
{
    update();
}

void TShineSpeedButton::Repaint()
{
    repaint();
}

QSize TShineSpeedButton::sizeHint() const
{
    return QSize(25, 25);
}

std::uint32_t ColorToPixel(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return (std::uint32_t(RedOf(rgb)) << 16) | (std::uint32_t(GreenOf(rgb)) << 8) | std::uint32_t(BlueOf(rgb));
}

// ---------------------------------------------------------------------------------------------
// The state glyph.

std::unique_ptr<TBitmap> TShineSpeedButton::CreateStateGlyph() const
{
    if (FGlyph->Empty())
        return nullptr;
    auto result = std::make_unique<TBitmap>();
    result->Assign(*FGlyph);
    result->SetPixelFormat(TBitmap::pfDevice);
    result->SetTransparent(true);
    result->SetTransparentColor(result->Pixel(0, result->Height() - 1));
    return result;
}

// ---------------------------------------------------------------------------------------------
// Painting. Until the full drawing steps are in, the button shows its background, its state
// glyph and its caption plainly.

void TShineSpeedButton::paintEvent(QPaintEvent*)
{
    Paint();
}

void TShineSpeedButton::Paint()
{
    QPainter canvas(this);
    BackDraw(canvas);
    ImageDraw(canvas);
    FrameDraw(canvas);
}

void TShineSpeedButton::BackDraw(QPainter& Canvas)
{
    if (!FTransparent)
        Canvas.fillRect(rect(), ToQColor(FColors->Color()));
}

void TShineSpeedButton::ImageDraw(QPainter& Canvas)
{
    QPoint glyphPos;
    QRect textRect;
    CalcDrawPosition(Canvas, glyphPos, textRect);
    if (const std::unique_ptr<TBitmap> glyph = CreateStateGlyph())
        glyph->Draw(Canvas, glyphPos.x(), glyphPos.y());
    Canvas.setPen(ToQColor(FFont->Color()));
    Canvas.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, FCaption);
}

void TShineSpeedButton::FrameDraw(QPainter&)
{
}

void TShineSpeedButton::CalcDrawPosition(QPainter& Canvas, QPoint& GlyphPos, QRect& TextRect) const
{
    Canvas.setFont(FFont->Face());
    const int glyphWidth = FGlyph->Width();
    GlyphPos = QPoint(2, (height() - FGlyph->Height()) / 2);
    TextRect = QRect(glyphWidth + 4, 0, width() - glyphWidth - 4, height());
}

// ---------------------------------------------------------------------------------------------
// Interaction and groups.

void TShineSpeedButton::SetGroupIndex(int value)
{
    if (value != FGroupIndex)
        GroupUpdateStatus(value);
}

void TShineSpeedButton::SetDown(bool value)
{
    if (value == FDown || FGroupIndex == 0)
        return;
    FDown = value;
    FState = FDown ? sbDown : sbUp;
    Repaint();
}

void TShineSpeedButton::SetAllowAllUp(bool value)
{
    if (value == FAllowAllUp)
        return;
    FAllowAllUp = value;
    GroupUpdateStatus(FGroupIndex);
}

void TShineSpeedButton::GroupUpdateStatus(int index)
{
    FGroupIndex = index;
}

void TShineSpeedButton::MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    emit OnMouseDown(this, Button, Shift, X, Y);
}

void TShineSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    emit OnMouseMove(this, Shift, X, Y);
}

void TShineSpeedButton::MouseUp(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    emit OnMouseUp(this, Button, Shift, X, Y);
}

void TShineSpeedButton::MouseEnter(TShiftState Shift, int X, int Y)
{
    emit OnMouseEnter(this, Shift, X, Y);
}

void TShineSpeedButton::MouseLeave(TShiftState Shift, int X, int Y)
{
    emit OnMouseLeave(this, Shift, X, Y);
}

void TShineSpeedButton::Click()
{
    emit OnClick(this);
}

void TShineSpeedButton::UpdateTracking() {}
void TShineSpeedButton::ActiveButtonTimerOnTimer(QObject*) {}

TShineSpeedButton::TShiftState TShineSpeedButton::CurrentShiftState()
{
    return {};
}

void TShineSpeedButton::WMLButtonDblClick(QMouseEvent*) {}
bool TShineSpeedButton::CMDialogChar(QChar) { return false; }
void TShineSpeedButton::CMEnabledChanged() { Invalidate(); }
void TShineSpeedButton::CMFontChanged() { Invalidate(); }
void TShineSpeedButton::CMTextChanged() { Invalidate(); }
void TShineSpeedButton::CMMouseEnter() {}
void TShineSpeedButton::CMMouseLeave() {}
void TShineSpeedButton::CMButtonPressed(TButtonPressedEvent&) {}
void TShineSpeedButton::CMSysColorChange() { Invalidate(); }

void TShineSpeedButton::mousePressEvent(QMouseEvent* event) { QWidget::mousePressEvent(event); }
void TShineSpeedButton::mouseMoveEvent(QMouseEvent* event) { QWidget::mouseMoveEvent(event); }
void TShineSpeedButton::mouseReleaseEvent(QMouseEvent* event) { QWidget::mouseReleaseEvent(event); }
void TShineSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) { QWidget::mouseDoubleClickEvent(event); }
void TShineSpeedButton::enterEvent(QEnterEvent* event) { QWidget::enterEvent(event); }
void TShineSpeedButton::leaveEvent(QEvent* event) { QWidget::leaveEvent(event); }
void TShineSpeedButton::changeEvent(QEvent* event) { QWidget::changeEvent(event); }
bool TShineSpeedButton::event(QEvent* event) { return QWidget::event(event); }
