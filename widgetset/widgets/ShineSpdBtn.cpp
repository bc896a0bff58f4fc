#include "widgets/ShineSpdBtn.h"

#include "toolkit/ChangeNotify.h"
#include "toolkit/PropertyWrite.h"
#include "toolkit/PublishedProperty.h"
#include "toolkit/ToolkitError.h"
#include "widgets/ShinePaintCache.h"
#include "widgets/StateGlyph.h"

#include "toolkit/SpeedButton.h"

#include <QApplication>
#include <QBuffer>
#include <QCursor>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>
#include <algorithm>
#include <optional>

namespace TarvoWidgets {

// ---------------------------------------------------------------------------------------------
// Construction, properties and the owned objects.

TShineSpeedButton::TShineSpeedButton(QWidget* owner)
    : QWidget(owner), FPaintCache(std::make_unique<TShinePaintCache>())
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
    // The toolkit's parent forwards every mouse move to the control under the pointer, with
    // or without a button held.
    setMouseTracking(true);
    resize(25, 25);
    FCaption.clear();
    FActiveTimer = std::make_unique<TTimer>(this);
    FActiveTimer->SetInterval(200);
    FActiveTimer->SetEnabled(false);
    connect(FActiveTimer.get(), &TTimer::OnTimer, this, &TShineSpeedButton::ActiveButtonTimerOnTimer);
    connect(this, &TShineSpeedButton::toggled, this, [this] { AccessibleCheckedChanged(this); });
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

template <typename T, typename TSignal> void TShineSpeedButton::UpdateLook(T& field, T value, TSignal changed)
{
    if (field == value)
        return;
    field = value;
    Invalidate();
    emit(this->*changed)(field);
}

void TShineSpeedButton::WriteColors(TShineBtnColors* value) noexcept
{
    WriteProperty(this, "Colors", value, &TShineSpeedButton::SetColors);
}

void TShineSpeedButton::WritePressedColors(TShineBtnColors* value) noexcept
{
    WriteProperty(this, "PressedColors", value, &TShineSpeedButton::SetPressedColors);
}

void TShineSpeedButton::WriteGlyphText(const QString& value) noexcept
{
    WriteProperty(this, "Glyph", value, &TShineSpeedButton::SetGlyphText);
}

void TShineSpeedButton::SetTag(int value) { StoreChanged(this, FTag, value, &TShineSpeedButton::TagChanged); }
void TShineSpeedButton::SetShowHint(bool value) { StoreChanged(this, FShowHint, value, &TShineSpeedButton::ShowHintChanged); }

void TShineSpeedButton::SetAlign(TControlPlacement::TAlign value)
{
    if (FPlacement.SetAlign(value))
        emit AlignChanged(value);
}

void TShineSpeedButton::SetAnchors(TControlPlacement::TAnchors value)
{
    if (FPlacement.SetAnchors(value))
        emit AnchorsChanged(value);
}

void TShineSpeedButton::SetClickDownHook(bool value)
{
    UpdateLook(FClickDownHook, value, &TShineSpeedButton::ClickDownHookChanged);
}
void TShineSpeedButton::SetAccelCharDown(bool value)
{
    UpdateLook(FAccelCharDown, value, &TShineSpeedButton::AccelCharDownChanged);
}
void TShineSpeedButton::SetFrameType(TFrameType value)
{
    UpdateLook(FFrameType, value, &TShineSpeedButton::FrameTypeChanged);
}
void TShineSpeedButton::SetActiveFrame(bool value)
{
    UpdateLook(FActiveFrame, value, &TShineSpeedButton::ActiveFrameChanged);
}
void TShineSpeedButton::SetUpFrame(bool value)
{
    UpdateLook(FUpFrame, value, &TShineSpeedButton::UpFrameChanged);
}
void TShineSpeedButton::SetDownFrame(bool value)
{
    UpdateLook(FDownFrame, value, &TShineSpeedButton::DownFrameChanged);
}
void TShineSpeedButton::SetActiveImage(TActiveImageType value)
{
    UpdateLook(FActiveImage, value, &TShineSpeedButton::ActiveImageChanged);
}
void TShineSpeedButton::SetDisabledImage(TDisabledImageType value)
{
    UpdateLook(FDisabledImage, value, &TShineSpeedButton::DisabledImageChanged);
}
void TShineSpeedButton::SetDisabledHighlight(TColor value)
{
    UpdateLook(FDisabledHighlight, value, &TShineSpeedButton::DisabledHighlightChanged);
}
void TShineSpeedButton::SetDisabledShadow(TColor value)
{
    UpdateLook(FDisabledShadow, value, &TShineSpeedButton::DisabledShadowChanged);
}
void TShineSpeedButton::SetShineColor(TColor value)
{
    UpdateLook(FShineColor, value, &TShineSpeedButton::ShineColorChanged);
}
void TShineSpeedButton::SetLayout(TButtonLayout value)
{
    // The size hint follows the content's arrangement.
    if (value != FLayout)
        updateGeometry();
    UpdateLook(FLayout, value, &TShineSpeedButton::LayoutChanged);
}
void TShineSpeedButton::SetMargin(int value)
{
    // The size hint follows the content's arrangement.
    if (value != FMargin)
        updateGeometry();
    UpdateLook(FMargin, value, &TShineSpeedButton::MarginChanged);
}
void TShineSpeedButton::SetSpacing(int value)
{
    // The size hint follows the content's arrangement.
    if (value != FSpacing)
        updateGeometry();
    UpdateLook(FSpacing, value, &TShineSpeedButton::SpacingChanged);
}

void TShineSpeedButton::SetFontHighlight(TColor value)
{
    const bool changed = value != FFontHighlight;
    FFontHighlight = value;
    Invalidate();
    if (changed)
        emit FontHighlightChanged(FFontHighlight);
}

void TShineSpeedButton::SetFontShadow(TColor value)
{
    const bool changed = value != FFontShadow;
    FFontShadow = value;
    Invalidate();
    if (changed)
        emit FontShadowChanged(FFontShadow);
}

void TShineSpeedButton::SetCaption(const QString& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    CMTextChanged();
    emit CaptionChanged(FCaption);
}

void TShineSpeedButton::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    Invalidate();
    emit TransparentChanged(FTransparent);
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
    const bool wasEmpty = FGlyph->Empty();
    TNotifyEvent onChange = std::move(FGlyph->OnChange);
    FGlyph->OnChange = nullptr;
    if (value)
        FGlyph->Assign(*value);
    else
        FGlyph->Clear();
    FGlyph->OnChange = std::move(onChange);
    Invalidate();
    if (value)
        GlyphOnChange(FGlyph.get());
    else if (!wasEmpty) {
        updateGeometry();
        emit GlyphChanged();
    }
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

QString TShineSpeedButton::GlyphText() const
{
    if (FGlyph->Empty())
        return QString();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    GlyphPixmap().toImage().save(&buffer, "PNG");
    return QString::fromLatin1(png.toBase64());
}

void TShineSpeedButton::SetGlyphText(const QString& value)
{
    if (value.isEmpty()) {
        SetGlyph(nullptr);
        return;
    }
    QImage image;
    const auto decoded = QByteArray::fromBase64Encoding(value.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || !image.loadFromData(*decoded, "PNG"))
        throw EToolkitError::InvalidBitmap();
    TBitmap picture;
    picture.SetImage(image);
    SetGlyph(&picture);
}

void TShineSpeedButton::GlyphOnChange(QObject*)
{
    // Every reader of the glyph counts on 32-bit rows of 0x00RRGGBB words. The conversion
    // reports a change of its own, which comes back here with nothing left to convert.
    if (!FGlyph->Empty() && FGlyph->PixelFormat() != TBitmap::pf32bit) {
        FGlyph->SetPixelFormat(TBitmap::pf32bit);
        return;
    }
    Invalidate();
    updateGeometry();
    emit GlyphChanged();
}

void TShineSpeedButton::FontsAndColorsOnChange(QObject* Sender)
{
    Invalidate();
    if (Sender == FFont.get() || Sender == FActiveFont.get())
        updateGeometry();
    if (Sender == FColors.get())
        emit ColorsChanged();
    else if (Sender == FPressedColors.get())
        emit PressedColorsChanged();
    else if (Sender == FFont.get())
        emit FontChanged();
    else if (Sender == FActiveFont.get())
        emit ActiveFontChanged();
}

void TShineSpeedButton::Invalidate()
{
    update();
}

void TShineSpeedButton::Repaint()
{
    repaint();
}


std::uint32_t ColorToPixel(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return (std::uint32_t(RedOf(rgb)) << 16) | (std::uint32_t(GreenOf(rgb)) << 8) | std::uint32_t(BlueOf(rgb));
}

// ---------------------------------------------------------------------------------------------
// The state glyph.

TStateGlyphLook TShineSpeedButton::GlyphLook() const
{
    TStateGlyphLook look;
    look.State = FState;
    look.ActiveImage = FActiveImage;
    look.DisabledImage = FDisabledImage;
    look.Shine = ColorToPixel(FShineColor);
    look.Face = ColorToPixel(FColors->Color());
    return look;
}

std::unique_ptr<TBitmap> TShineSpeedButton::CreateStateGlyph() const
{
    if (FGlyph->Empty())
        return nullptr;
    return MakeStateGlyph(*FGlyph, GlyphLook());
}

// ---------------------------------------------------------------------------------------------
// Painting: the background, the glyph and caption, the frame.

namespace {

// A line from a towards b in the pen's colour, b itself left out, as the toolkit's canvas draws
// it. The frame only draws horizontal and vertical lines; they are filled as one-pixel
// rectangles so that they stay on whole device pixels at any device pixel ratio.
void FrameLine(QPainter& canvas, QPoint a, QPoint b, const QColor& color)
{
    QRect line;
    if (a.y() == b.y()) {
        if (a.x() == b.x())
            return;
        line = a.x() < b.x() ? QRect(a.x(), a.y(), b.x() - a.x(), 1) : QRect(b.x() + 1, a.y(), a.x() - b.x(), 1);
    } else {
        line = a.y() < b.y() ? QRect(a.x(), a.y(), 1, b.y() - a.y()) : QRect(a.x(), b.y() + 1, 1, a.y() - b.y());
    }
    canvas.fillRect(line, color);
}

// The two lines of a frame pair, from a corner to each of two ends, in one colour.
void FramePair(QPainter& canvas, QPoint corner, QPoint end1, QPoint end2, TColor color)
{
    const QColor pen = ToQColor(color);
    FrameLine(canvas, corner, end1, pen);
    FrameLine(canvas, corner, end2, pen);
}

// The caption's flags for measuring and drawing: lines break only at line breaks, an ampersand
// underlines the next character and "&&" draws one.
constexpr int CaptionFlags = Qt::TextShowMnemonic;

} // namespace

void TShineSpeedButton::paintEvent(QPaintEvent*)
{
    Paint();
}

void TShineSpeedButton::Paint()
{
    if (!isEnabled()) {
        FState = sbDisabled;
        FMousePressed = false;
    }
    QPainter screen(this);
    if (FTransparent) {
        // Straight onto the parent's picture, which Qt has painted beneath.
        BackDraw(screen);
        ImageDraw(screen);
        FrameDraw(screen);
        return;
    }
    // Composed off-screen at device pixels and copied in one step, so the screen never shows a
    // half-drawn button and a scaled display stays crisp. The picture is kept: a paint of a
    // button that shows the same as at the last one (an expose, a parent's repaint) copies it.
    const qreal ratio = devicePixelRatioF();
    TShineLook look = Look(ratio);
    QImage offscreen = FPaintCache->Picture(look);
    if (offscreen.isNull()) {
        offscreen = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        offscreen.setDevicePixelRatio(ratio);
        {
            QPainter canvas(&offscreen);
            BackDraw(canvas);
            ImageDraw(canvas);
            FrameDraw(canvas);
        }
        FPaintCache->KeepPicture(std::move(look), offscreen);
    }
    screen.drawImage(0, 0, offscreen);
}

TShineLook TShineSpeedButton::Look(qreal ratio) const
{
    const auto set = [](const TShineBtnColors& c) {
        return std::array<std::int32_t, 7>{c.Color(), c.GradColor(), c.Highlight(), c.Shadow(), c.DarkShadow(),
                                           c.Gradation(), c.GradVertical()};
    };
    TShineLook look;
    look.State = FState;
    look.Options = {FFrameType, FActiveFrame, FUpFrame, FDownFrame, FActiveImage, FDisabledImage, EffectiveLayout()};
    look.Spacing = {FMargin, FSpacing};
    look.Colors = {FShineColor, FDisabledHighlight, FDisabledShadow, FFontHighlight, FFontShadow};
    const auto up = set(*FColors);
    const auto down = set(*FPressedColors);
    std::copy(up.begin(), up.end(), look.Sets.begin());
    std::copy(down.begin(), down.end(), look.Sets.begin() + up.size());
    look.Fonts = {FFont->Face(), FActiveFont->Face(), QGuiApplication::font()};
    look.FontColors = {FFont->Color(), FActiveFont->Color()};
    look.Caption = FCaption;
    look.Glyph = FGlyph->Image().cacheKey();
    look.Palette = QGuiApplication::palette().cacheKey();
    look.Size = size();
    look.Ratio = ratio;
    return look;
}

void TShineSpeedButton::BackDraw(QPainter& Canvas)
{
    if (FTransparent)
        return;
    const TShineBtnColors& colors = FState < sbUpActive ? *FPressedColors : *FColors;
    if (!colors.Gradation()) {
        Canvas.fillRect(rect(), ToQColor(colors.Color()));
        return;
    }
    FPaintCache->DrawGradient(Canvas, FState < sbUpActive ? 1 : 0, size(), ColorToPixel(colors.Color()),
                              ColorToPixel(colors.GradColor()), colors.GradVertical());
}

void TShineSpeedButton::ImageDraw(QPainter& Canvas)
{
    const bool active = FState == sbDownActive || FState == sbUpActive;
    const bool down = FState < sbUpActive;
    const TFont& font = active ? *FActiveFont : *FFont;
    Canvas.setFont(font.Face());
    Canvas.setPen(ToQColor(font.Color()));

    QPoint glyphPos;
    QRect textRect;
    CalcDrawPosition(Canvas, glyphPos, textRect);

    if (!FGlyph->Empty()) {
        const TShinePaintCache::TGlyphPictures& glyph = FPaintCache->Glyph(
            *FGlyph, {FGlyph->Image().cacheKey(), GlyphLook(), ToQColor(FDisabledHighlight).rgb(),
                      ToQColor(FDisabledShadow).rgb()});
        if (down)
            glyphPos += QPoint(1, 1);
        if (!glyph.ShadowStencil.isNull()) {
            Canvas.drawImage(glyphPos + QPoint(1, 1), glyph.HighlightStencil);
            Canvas.drawImage(glyphPos, glyph.ShadowStencil);
        } else {
            Canvas.setBrush(Qt::NoBrush);
            Canvas.drawImage(glyphPos, glyph.Glyph);
        }
    }

    if (FCaption.isEmpty())
        return;
    if (down)
        textRect.translate(1, 1);
    Canvas.setBrush(Qt::NoBrush);
    // Every line centred across the text rectangle, the first at its top.
    const auto drawCaption = [&](const QRect& at, const QColor& color) {
        Canvas.setPen(color);
        Canvas.drawText(at, Qt::AlignHCenter | Qt::AlignTop | CaptionFlags, FCaption);
    };
    if (FState == sbDisabled) {
        drawCaption(textRect.translated(1, 1), ToQColor(FDisabledHighlight));
        drawCaption(textRect, ToQColor(FDisabledShadow));
        return;
    }
    const QColor fontColor = Canvas.pen().color();
    if (FFontShadow != clr::None)
        drawCaption(textRect.translated(1, 1), ToQColor(FFontShadow));
    if (FFontHighlight != clr::None)
        drawCaption(textRect.translated(-1, -1), ToQColor(FFontHighlight));
    drawCaption(textRect, fontColor);
}

void TShineSpeedButton::FrameDraw(QPainter& Canvas)
{
    const bool downFrame = (FState == sbDown && FDownFrame) || (FState == sbDownActive && FActiveFrame);
    const bool upFrame = ((FState == sbUp || FState == sbDisabled) && FUpFrame) || (FState == sbUpActive && FActiveFrame);
    if (!downFrame && !upFrame)
        return;
    const int w = width();
    const int h = height();
    // The corners and ends of the lines of the frame table.
    const QPoint o(0, 0), oR(w - 1, 0), oB(0, h - 1), oBR(w - 1, h - 1);
    const QPoint s(1, 1), sR(w - 1, 1), sB(1, h - 1);
    const QPoint sBR(w - 2, h - 2), sBRl(0, h - 2), sBRt(w - 2, 0);
    const QPoint iR(w - 2, 1), iB(1, h - 2), iBRl(1, h - 2), iBRt(w - 2, 1);
    const auto outerTopLeft = [&](TColor c) { FramePair(Canvas, o, oR, oB, c); };
    const auto outerBottomRight = [&](TColor c) { FramePair(Canvas, oBR, oB, oR, c); };
    const auto secondTopLeft = [&](TColor c) { FramePair(Canvas, s, sR, sB, c); };
    const auto secondBottomRight = [&](TColor c) { FramePair(Canvas, sBR, sBRl, sBRt, c); };
    const auto insetTopLeft = [&](TColor c) { FramePair(Canvas, s, iR, iB, c); };
    const auto insetBottomRight = [&](TColor c) { FramePair(Canvas, sBR, iBRl, iBRt, c); };

    const TShineBtnColors& p = *FPressedColors;
    const TShineBtnColors& c = *FColors;
    switch (FFrameType) {
    case ftFlatFrame:
        if (downFrame) {
            outerTopLeft(p.Shadow());
            outerBottomRight(p.Highlight());
        } else {
            outerTopLeft(c.Highlight());
            outerBottomRight(c.Shadow());
        }
        break;
    case ftNormalFrame:
        if (downFrame) {
            secondTopLeft(p.Shadow());
            outerTopLeft(p.DarkShadow());
            outerBottomRight(p.Highlight());
        } else {
            secondBottomRight(c.Shadow());
            outerBottomRight(c.DarkShadow());
            outerTopLeft(c.Highlight());
        }
        break;
    case ftEnclosedFrame: {
        if (downFrame) {
            insetTopLeft(p.Shadow());
            insetBottomRight(p.Highlight());
        } else {
            insetTopLeft(c.Highlight());
            insetBottomRight(c.Shadow());
        }
        // The dark outline is the up set's in every state.
        const QColor dark = ToQColor(c.DarkShadow());
        Canvas.fillRect(QRect(0, 0, w, 1), dark);
        Canvas.fillRect(QRect(0, h - 1, w, 1), dark);
        Canvas.fillRect(QRect(0, 0, 1, h), dark);
        Canvas.fillRect(QRect(w - 1, 0, 1, h), dark);
        break;
    }
    }
}

namespace {

// The glyph and caption arranged as one block, positions relative to its top left corner. A
// glyph or caption of no size (0 by 0) is left out.
struct TContentBlock {
    QSize Size;
    QPoint Glyph;
    QRect Text;
};

TContentBlock ArrangeContent(TShineSpeedButton::TButtonLayout layout, QSize glyphSize, QSize captionSize, int spacing)
{
    using B = TShineSpeedButton;
    const bool glyph = !glyphSize.isEmpty();
    const bool caption = !captionSize.isEmpty();
    const int gw = glyphSize.width();
    const int gh = glyphSize.height();
    const int cw = captionSize.width();
    const int ch = captionSize.height();

    int tw = 0, th = 0, gx = 0, gy = 0, tx = 0, ty = 0;
    const auto widen = [&](int v) { tw = std::max(tw, v); };
    const auto heighten = [&](int v) { th = std::max(th, v); };
    switch (layout) {
    case B::blGlyphLeft:
        gx = tw;
        tw += gw;
        heighten(gh);
        if (glyph && caption)
            tw += spacing;
        tx = tw;
        if (caption) {
            tw += cw;
            heighten(ch);
        }
        break;
    case B::blGlyphRight:
        tx = tw;
        if (caption) {
            tw += cw;
            heighten(ch);
        }
        if (glyph && caption)
            tw += spacing;
        gx = tw;
        tw += gw;
        heighten(gh);
        break;
    case B::blGlyphTop:
        gy = th;
        th += gh;
        widen(gw);
        // Glyph or not, a caption keeps its distance from the top of the block.
        if (caption)
            th += spacing;
        ty = th;
        if (caption) {
            th += ch;
            widen(cw);
        }
        break;
    case B::blGlyphBottom:
        ty = th;
        if (caption) {
            th += ch;
            widen(cw);
        }
        if (glyph && caption)
            th += spacing;
        gy = th;
        th += gh;
        widen(gw);
        break;
    }
    if (layout == B::blGlyphLeft || layout == B::blGlyphRight) {
        if (glyph)
            gy = (th - gh) / 2;
        if (caption)
            ty = (th - ch) / 2;
    } else {
        if (glyph)
            gx = (tw - gw) / 2;
        if (caption)
            tx = (tw - cw) / 2;
    }
    return {QSize(tw, th), QPoint(gx, gy), QRect(QPoint(tx, ty), captionSize)};
}

} // namespace

TShineSpeedButton::TButtonLayout TShineSpeedButton::EffectiveLayout() const
{
    if (layoutDirection() != Qt::RightToLeft)
        return FLayout;
    switch (FLayout) {
    case blGlyphLeft: return blGlyphRight;
    case blGlyphRight: return blGlyphLeft;
    default: return FLayout;
    }
}

QSize TShineSpeedButton::ContentSize(const QFontMetrics& metrics) const
{
    const QSize glyph = FGlyph->Empty() ? QSize(0, 0) : QSize(FGlyph->Width(), FGlyph->Height());
    const QSize caption = FCaption.isEmpty() ? QSize(0, 0) : metrics.size(CaptionFlags, FCaption);
    return ArrangeContent(FLayout, glyph, caption, FSpacing).Size;
}

QSize TShineSpeedButton::sizeHint() const
{
    // Room for the content in either caption font, the margin (or a centring pad) on every
    // side, and never less than the toolkit's 25 by 25.
    const QSize content = ContentSize(QFontMetrics(FFont->Face())).expandedTo(ContentSize(QFontMetrics(FActiveFont->Face())));
    const int pad = FMargin >= 0 ? FMargin : 4;
    return (content + QSize(2 * pad, 2 * pad)).expandedTo(QSize(25, 25));
}

QSize TShineSpeedButton::minimumSizeHint() const
{
    // The content inside the two-pixel frame.
    return ContentSize(QFontMetrics(FFont->Face())) + QSize(4, 4);
}

void TShineSpeedButton::CalcDrawPosition(QPainter& Canvas, QPoint& GlyphPos, QRect& TextRect) const
{
    // A right-to-left button mirrors the glyph's side, margin included.
    const TButtonLayout layout = EffectiveLayout();
    const QSize glyph = FGlyph->Empty() ? QSize(0, 0) : QSize(FGlyph->Width(), FGlyph->Height());
    const QSize caption = FCaption.isEmpty() ? QSize(0, 0) : FPaintCache->CaptionExtent(Canvas, CaptionFlags, FCaption);
    const TContentBlock block = ArrangeContent(layout, glyph, caption, FSpacing);
    const int tw = block.Size.width();
    const int th = block.Size.height();

    const int clientWidth = width();
    const int clientHeight = height();
    // C++ division truncates towards zero, so an overhanging block is split between both sides.
    int offX = (clientWidth - tw) / 2;
    int offY = (clientHeight - th) / 2;
    if (FMargin >= 0) {
        switch (layout) {
        case blGlyphLeft: offX = FMargin; break;
        case blGlyphRight: offX = clientWidth - tw - FMargin; break;
        case blGlyphTop: offY = FMargin; break;
        case blGlyphBottom: offY = clientHeight - th - FMargin; break;
        }
    }
    GlyphPos = block.Glyph + QPoint(offX, offY);
    TextRect = block.Text.translated(offX, offY);
}

// ---------------------------------------------------------------------------------------------
// Interaction and groups. How the toolkit's queries map onto Qt is written down in
// docs/SHINE-BUTTON.md.

namespace {

bool Inside(const QWidget* control, int x, int y)
{
    return x >= 0 && y >= 0 && x < control->width() && y < control->height();
}

// The control that holds the mouse capture, if any: an explicit grab. (Qt holds back the enter
// and leave events of every other widget while one widget has the implicit grab of a pressed
// button, so that case never reaches the hover logic.)
QWidget* CaptureHolder()
{
    return QWidget::mouseGrabber();
}

TShineSpeedButton::TShiftState ShiftOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    TShineSpeedButton::TShiftState shift;
    shift.setFlag(TShineSpeedButton::ssLeft, buttons.testFlag(Qt::LeftButton));
    shift.setFlag(TShineSpeedButton::ssRight, buttons.testFlag(Qt::RightButton));
    shift.setFlag(TShineSpeedButton::ssMiddle, buttons.testFlag(Qt::MiddleButton));
    shift.setFlag(TShineSpeedButton::ssShift, modifiers.testFlag(Qt::ShiftModifier));
    shift.setFlag(TShineSpeedButton::ssCtrl, modifiers.testFlag(Qt::ControlModifier));
    shift.setFlag(TShineSpeedButton::ssAlt, modifiers.testFlag(Qt::AltModifier));
    return shift;
}

} // namespace

TShineSpeedButton::TShiftState TShineSpeedButton::CurrentShiftState()
{
    return ShiftOf(QGuiApplication::mouseButtons(), QGuiApplication::queryKeyboardModifiers());
}

void TShineSpeedButton::MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    // Every handler may free the button; nothing of it is touched after that.
    QPointer<TShineSpeedButton> self(this);
    emit OnMouseDown(this, Button, Shift, X, Y);
    if (!self || Button != Qt::LeftButton || !isEnabled())
        return;
    FState = sbDownActive;
    if (!FDown)
        Invalidate();
    FMousePressed = true;
    emit pressed();
}

void TShineSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    QPointer<TShineSpeedButton> self(this);
    emit OnMouseMove(this, Shift, X, Y);
    if (!self || EndLostPress(Shift.testFlag(ssLeft)))
        return;
    if (FMousePressed) {
        const TShineButtonState state = Inside(this, X, Y) ? sbDownActive : (FDown ? sbDown : sbUp);
        if (state != FState) {
            FState = state;
            Invalidate();
        }
    } else if (!FMouseInside) {
        UpdateTracking();
    }
}

void TShineSpeedButton::MouseUp(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    QPointer<TShineSpeedButton> self(this);
    emit OnMouseUp(this, Button, Shift, X, Y);
    if (!self || !FMousePressed)
        return;
    const bool inside = Inside(this, X, Y);
    if (FGroupIndex == 0) {
        FState = sbUp;
        FMouseInside = false;
        FDown = false;
        if (inside)
            Repaint();
    } else if (inside) {
        SetDown(!FDown);
        // A toggled handler may have freed the button.
        if (!self)
            return;
        if (FDown)
            Repaint();
    } else {
        FState = FDown ? sbDownActive : sbUpActive;
        Repaint();
    }
    FMousePressed = false;
    emit released();
    if (!self)
        return;
    if (inside) {
        Click();
        // The click handler may have freed the button.
        if (!self)
            return;
    }
    UpdateTracking();
}

void TShineSpeedButton::MouseEnter(TShiftState Shift, int X, int Y)
{
    QPointer<TShineSpeedButton> self(this);
    emit OnMouseEnter(this, Shift, X, Y);
    if (!self || FMouseInside || !isEnabled() || CaptureHolder())
        return;
    FMouseInside = true;
    if (FState == sbUp)
        FState = sbUpActive;
    else if (FState == sbDown)
        FState = sbDownActive;
    Repaint();
    FActiveTimer->SetEnabled(true);
}

void TShineSpeedButton::MouseLeave(TShiftState Shift, int X, int Y)
{
    QPointer<TShineSpeedButton> self(this);
    emit OnMouseLeave(this, Shift, X, Y);
    if (!self || !FMouseInside || !isEnabled() || FMousePressed)
        return;
    FActiveTimer->SetEnabled(false);
    FMouseInside = false;
    if (FState == sbUpActive)
        FState = sbUp;
    else if (FState == sbDownActive)
        FState = sbDown;
    Repaint();
}

namespace {

// Unset until the first question, then the platform's answer or the program's setting.
std::optional<bool> PointerPositionSetting;

} // namespace

bool TShineSpeedButton::PointerPositionKnown()
{
    if (!PointerPositionSetting)
        PointerPositionSetting = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return *PointerPositionSetting;
}

void TShineSpeedButton::SetPointerPositionKnown(bool known)
{
    PointerPositionSetting = known;
}

QPoint TShineSpeedButton::PointerPos() const
{
    return PointerPositionKnown() ? mapFromGlobal(QCursor::pos()) : FPointerAt;
}

void TShineSpeedButton::CMMouseEnter()
{
    const QPoint at = PointerPos();
    MouseEnter(CurrentShiftState(), at.x(), at.y());
}

void TShineSpeedButton::CMMouseLeave()
{
    const QPoint at = PointerPos();
    MouseLeave(CurrentShiftState(), at.x(), at.y());
}

void TShineSpeedButton::ActiveButtonTimerOnTimer(QObject*)
{
    // While a press lasts the timer keeps watching for its release getting lost.
    if (FMousePressed) {
        EndLostPress(CurrentShiftState().testFlag(ssLeft));
        return;
    }
    if (!FMouseInside || !isEnabled()) {
        FActiveTimer->SetEnabled(false);
        return;
    }
    // Where the global position is unknown, only a leave ends the hover, and it always arrives.
    const QPoint at = PointerPos();
    if (PointerPositionKnown() ? Inside(this, at.x(), at.y()) : FPointerOver)
        return;
    MouseLeave(CurrentShiftState(), at.x(), at.y());
}

bool TShineSpeedButton::EndLostPress(bool buttonHeld)
{
    if (!FMousePressed)
        return false;
    // The press goes on while the left button is held, the button is shown and no other widget
    // has taken the mouse from it.
    QWidget* grabber = QWidget::mouseGrabber();
    const bool taken = (grabber && grabber != this) || QApplication::activePopupWidget();
    if (buttonHeld && isVisible() && !taken)
        return false;
    FMousePressed = false;
    FState = isEnabled() ? (FDown ? sbDown : sbUp) : sbDisabled;
    Invalidate();
    QPointer<TShineSpeedButton> self(this);
    emit released();
    if (!self)
        return true;
    // The hover look follows from where the pointer is now.
    FMouseInside = true;
    UpdateTracking();
    return true;
}

void TShineSpeedButton::UpdateTracking()
{
    if (!isEnabled())
        return;
    // The widget under the pointer, disabled ones included.
    const bool over = PointerPositionKnown() ? QApplication::widgetAt(QCursor::pos()) == this : FPointerOver;
    if (over) {
        FMouseInside = false;
        CMMouseEnter();
    } else {
        FMouseInside = true;
        CMMouseLeave();
    }
}

void TShineSpeedButton::Click()
{
    QPointer<TShineSpeedButton> self(this);
    const TShineButtonState remembered = FState;
    if (FClickDownHook) {
        FState = sbDownActive;
        Repaint();
    }
    emit OnClick(this);
    if (self && FClickDownHook) {
        FState = remembered;
        Repaint();
    }
    if (self)
        emit clicked();
}

void TShineSpeedButton::click()
{
    if (!isEnabled() || FMousePressed)
        return;
    QPointer<TShineSpeedButton> self(this);
    emit pressed();
    if (self && FGroupIndex != 0)
        SetDown(!FDown);
    if (self)
        emit released();
    if (self)
        Click();
}

QString TShineSpeedButton::AccessibleCaption() const
{
    return WithoutAcceleratorMarker(FCaption);
}

QKeySequence TShineSpeedButton::Accelerator() const
{
    return QKeySequence::mnemonic(FCaption);
}

void TShineSpeedButton::WMLButtonDblClick(QMouseEvent* event)
{
    // Qt sends no press for the second click of a double click; the toolkit takes the double
    // click as one, with the double-click flag, so the following release clicks again.
    QPointer<TShineSpeedButton> self(this);
    const QPoint at = event->position().toPoint();
    MouseDown(event->button(), ShiftOf(event->buttons(), event->modifiers()) | ssDouble, at.x(), at.y());
    if (self && event->button() == Qt::LeftButton && FDown)
        emit OnDblClick(this);
}

void TShineSpeedButton::CMEnabledChanged()
{
    // Qt sends the enabled change to every child of a container that is disabled or enabled;
    // the button's own Enabled is its WA_ForceDisabled. Only its own change clears Down, so a
    // group keeps its down button through the container's disable and enable.
    const bool ownDisabled = testAttribute(Qt::WA_ForceDisabled);
    const bool wasDown = FDown;
    if (ownDisabled != FOwnDisabled) {
        FOwnDisabled = ownDisabled;
        FDown = false;
    }
    FState = isEnabled() ? (FDown ? sbDown : sbUp) : sbDisabled;
    UpdateTracking();
    Invalidate();
    if (wasDown && !FDown)
        emit toggled(false);
}

bool TShineSpeedButton::CMDialogChar(QChar character)
{
    const QKeySequence accelerator = QKeySequence::mnemonic(FCaption);
    if (accelerator.isEmpty())
        return false;
    const QChar key = QChar(accelerator[0].key());
    if (key.toUpper() != character.toUpper())
        return false;
    if (!isEnabled() || isHidden() || !parentWidget() || !parentWidget()->isVisible())
        return false;
    QPointer<TShineSpeedButton> self(this);
    if (FAccelCharDown)
        SetDown(!FDown);
    if (self)
        Click();
    return true;
}

void TShineSpeedButton::CMFontChanged()
{
    // The caption fonts that kept the toolkit's face follow a new application font.
    FFont->FollowApplicationFont(QApplication::font());
    FActiveFont->FollowApplicationFont(QApplication::font());
    Invalidate();
}
void TShineSpeedButton::CMTextChanged()
{
    // The accelerator follows the caption.
    FAccelerator.Follow(this, FCaption);
    Invalidate();
    updateGeometry();
}
void TShineSpeedButton::CMSysColorChange() { Invalidate(); }

void TShineSpeedButton::SetGroupIndex(int value)
{
    if (value == FGroupIndex)
        return;
    GroupUpdateStatus(value);
    emit GroupIndexChanged(FGroupIndex);
}

void TShineSpeedButton::SetDown(bool value)
{
    if (value == FDown || FGroupIndex == 0)
        return;
    // Only another button of an exclusive group releases its down button.
    if (FDown && !FAllowAllUp)
        return;
    FDown = value;
    // The group follows first: the released button's toggled(false) comes before this one's.
    QPointer<TShineSpeedButton> self(this);
    GroupUpdateStatus(FGroupIndex);
    if (!self)
        return;
    FState = FDown ? sbDown : sbUp;
    Repaint();
    emit toggled(FDown);
}

void TShineSpeedButton::SetAllowAllUp(bool value)
{
    if (value == FAllowAllUp)
        return;
    FAllowAllUp = value;
    GroupUpdateStatus(FGroupIndex);
    emit AllowAllUpChanged(FAllowAllUp);
}

void TShineSpeedButton::GroupUpdateStatus(int index)
{
    FGroupIndex = index;
    QWidget* parent = parentWidget();
    if (index == 0 || !parent)
        return;
    // The group speaks the toolkit speed buttons' protocol: a hidden speed button stands in for
    // this one while it tells the siblings its state, and this button knows it as its own.
    auto proxy = std::make_unique<TSpeedButton>(parent);
    FGroupProxy = proxy.get();
    proxy->SetGroupIndex(FGroupIndex);
    proxy->SetAllowAllUp(FAllowAllUp);
    proxy->SetDown(FDown);
    TButtonPressedEvent notification(FGroupIndex, proxy.get());
    Broadcast(parent, notification);
    FGroupProxy = nullptr;
}

void TShineSpeedButton::CMButtonPressed(TButtonPressedEvent& message)
{
    if (message.GroupIndex != FGroupIndex)
        return;
    if (!message.Sender || message.Sender == FGroupProxy)
        return;
    const bool released = message.Sender->Down() && FDown;
    if (released) {
        FDown = false;
        FState = sbUp;
        Invalidate();
    }
    // The group's buttons share AllowAllUp; it is this button's property all the same.
    StoreChanged(this, FAllowAllUp, message.Sender->AllowAllUp(), &TShineSpeedButton::AllowAllUpChanged);
    if (released)
        emit toggled(false);
}

// Qt's entry points.

void TShineSpeedButton::NotePointer(QPoint at)
{
    FPointerAt = at;
    FPointerOver = Inside(this, at.x(), at.y());
}

void TShineSpeedButton::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    NotePointer(at);
    MouseDown(event->button(), ShiftOf(event->buttons(), event->modifiers()), at.x(), at.y());
}

void TShineSpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    NotePointer(at);
    MouseMove(ShiftOf(event->buttons(), event->modifiers()), at.x(), at.y());
}

void TShineSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    NotePointer(at);
    MouseUp(event->button(), ShiftOf(event->buttons(), event->modifiers()), at.x(), at.y());
}

void TShineSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) { WMLButtonDblClick(event); }
void TShineSpeedButton::enterEvent(QEnterEvent* event)
{
    FPointerAt = event->position().toPoint();
    FPointerOver = true;
    CMMouseEnter();
}

void TShineSpeedButton::leaveEvent(QEvent*)
{
    FPointerOver = false;
    CMMouseLeave();
}

void TShineSpeedButton::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange: CMEnabledChanged(); break;
    case QEvent::FontChange: CMFontChanged(); break;
    case QEvent::PaletteChange: CMSysColorChange(); break;
    default: break;
    }
    QWidget::changeEvent(event);
}

void TShineSpeedButton::setVisible(bool visible)
{
    const bool before = IsVisibleSet();
    QWidget::setVisible(visible);
    if (IsVisibleSet() != before)
        emit VisibleChanged(IsVisibleSet());
}

void TShineSpeedButton::hideEvent(QHideEvent* event)
{
    // A hidden button gets no release: a press in progress is over.
    EndLostPress(false);
    QWidget::hideEvent(event);
}

bool TShineSpeedButton::event(QEvent* event)
{
    if (event->type() == TButtonPressedEvent::EventType()) {
        CMButtonPressed(static_cast<TButtonPressedEvent&>(*event));
        return true;
    }
    if (FAccelerator.HandleShortcut(this, event))
        return true;
    if (event->type() == TDialogCharEvent::EventType()) {
        auto& offer = static_cast<TDialogCharEvent&>(*event);
        offer.Taken = CMDialogChar(offer.Character);
        return true;
    }
    if (event->type() == QEvent::UngrabMouse)
        EndLostPress(false);
    if (event->type() == QEvent::LayoutDirectionChange)
        Invalidate();
    // A window hears of a new application font itself, its children through their FontChange.
    if (event->type() == QEvent::ApplicationFontChange)
        CMFontChanged();
    // uic's code sets the colour sets' and fonts' properties by their stored paths.
    if (event->type() == QEvent::DynamicPropertyChange
        && TPublishedProperty::TakeDynamicValue(this, static_cast<QDynamicPropertyChangeEvent&>(*event)))
        return true;
    return QWidget::event(event);
}

} // namespace TarvoWidgets
