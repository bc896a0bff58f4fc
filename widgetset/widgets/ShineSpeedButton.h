// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include "toolkit/controls/CustomButton.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Font.h"
#include "toolkit/properties/Loadable.h"
#include "widgets/ShineBtnColors.h"

#include <QPixmap>
#include <cstdint>
#include <memory>

class QPainter;

namespace TarvoWidgets {

struct TStateGlyphLook;

/// A speed button that draws everything itself: a solid or gradient background, a glyph that
/// changes with the button's state (lit by ShineColor while the pointer is over it, dimmed while
/// disabled), a caption with an optional shadow and highlight, and one of three bevel frames.
/// It latches in groups like the toolkit's speed buttons, and one group may hold both kinds.
///
/// The placement properties, the caption, the group, the press and the Qt signals are the button
/// core's (TCustomSpeedButton); this class adds the look, its own mouse events and the hover.
///
/// It plays the toolkit's windowless control: a child widget that paints only through Paint and
/// its three drawing steps, declares itself opaque unless Transparent, and raises its own clicks.
///
/// What Qt's styling reaches. The button draws with its own properties alone: the colours of
/// Colors and PressedColors, FontShadow, FontHighlight and the disabled colours, the caption in
/// Font (ActiveFont under the pointer). The system colours among them (clBtnFace, the defaults)
/// and a font whose face was never written follow the application's palette and font, so a
/// new desktop theme reaches them. The widget's own palette and font reach nothing, and
/// Designer hides their rows; a style sheet changes nothing of the look (its qproperty-
/// settings are property writes, which do). The style draws one thing: the focus frame, where
/// a focus policy lets the button take the focus (the default is Qt::NoFocus).
///
/// The order of the signals. Beside the toolkit's events the button emits Qt's button signals
/// (the core's; docs/SHINE-BUTTON.md has the whole order). A left press on the enabled button emits pressed()
/// after OnMouseDown. Its release emits OnMouseUp, the latch change (toggled), released(), then,
/// over the button, OnClick followed by clicked(); a press that is lost (hidden, disabled, mouse
/// taken) emits released() alone. An accelerator emits OnClick and clicked(). toggled(bool) follows
/// every change of Down: the mouse, SetDown, the accelerator, the release by another button of the
/// group, or the button's own disabling.
class TARVOWIDGETS_EXPORT TShineSpeedButton : public TCustomSpeedButton, public TLoadable {
    Q_OBJECT
    // The caption is drawn in Font and ActiveFont, never in Qt's font.
    Q_CLASSINFO("IgnoredQtProperties", "font palette")
    /// Whether the button is shown where its parent is: Qt's visible as set (isHidden), with a
    /// change signal of its own.
    Q_PROPERTY(bool Visible READ IsVisibleSet WRITE setVisible NOTIFY VisibleChanged)
    Q_CLASSINFO("Default:Visible", "true")
    // The button's own, in its order, each with its published default.
    /// Whether the button shows its down look while OnClick runs (false by default).
    Q_PROPERTY(bool ClickDownHook READ ClickDownHook WRITE SetClickDownHook NOTIFY ClickDownHookChanged)
    Q_CLASSINFO("Default:ClickDownHook", "false")
    /// Whether the caption's accelerator also toggles Down of a grouped button before its click
    /// (false by default).
    Q_PROPERTY(bool AccelCharDown READ AccelCharDown WRITE SetAccelCharDown NOTIFY AccelCharDownChanged)
    Q_CLASSINFO("Default:AccelCharDown", "false")
    /// The bevel: ftFlatFrame (one pixel), ftNormalFrame (two, the default) or ftEnclosedFrame.
    Q_PROPERTY(TFrameType FrameType READ FrameType WRITE SetFrameType NOTIFY FrameTypeChanged)
    Q_CLASSINFO("Default:FrameType", "ftNormalFrame")
    /// Whether the button leaves out its background, so that the parent shows through (false by
    /// default: the button is opaque and nothing is drawn beneath it).
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent NOTIFY TransparentChanged)
    Q_CLASSINFO("Default:Transparent", "false")
    /// Whether the bevel is drawn while the pointer is over the button (true by default).
    Q_PROPERTY(bool ActiveFrame READ ActiveFrame WRITE SetActiveFrame NOTIFY ActiveFrameChanged)
    Q_CLASSINFO("Default:ActiveFrame", "true")
    /// Whether the bevel is drawn while the button is up and the pointer elsewhere (true by
    /// default); off, a flat toolbar button shows its bevel only under the pointer.
    Q_PROPERTY(bool UpFrame READ UpFrame WRITE SetUpFrame NOTIFY UpFrameChanged)
    Q_CLASSINFO("Default:UpFrame", "true")
    /// Whether the bevel is drawn while the button is down and the pointer elsewhere (true by
    /// default).
    Q_PROPERTY(bool DownFrame READ DownFrame WRITE SetDownFrame NOTIFY DownFrameChanged)
    Q_CLASSINFO("Default:DownFrame", "true")
    /// How the glyph is lit by ShineColor under the pointer: aiFrameLight (an outline, the
    /// default), aiFrameLight2 (a two-pixel outline), aiXorLight, aiHalfLight, aiQuaterLight,
    /// aiAddLight, aiMaskLight (a dither), or aiNormal (not lit).
    Q_PROPERTY(TActiveImageType ActiveImage READ ActiveImage WRITE SetActiveImage NOTIFY ActiveImageChanged)
    Q_CLASSINFO("Default:ActiveImage", "aiFrameLight")
    /// How the glyph is dimmed while disabled: diDefault (its edges embossed in DisabledHighlight
    /// and DisabledShadow), diGrayscale, diAlphaHalfTrans and diAlphaQuaterTrans (half or three
    /// quarters of the way to the face colour), or diMaskTrans (a dither).
    Q_PROPERTY(TDisabledImageType DisabledImage READ DisabledImage WRITE SetDisabledImage NOTIFY DisabledImageChanged)
    Q_CLASSINFO("Default:DisabledImage", "diDefault")
    /// The light part of the embossed caption and glyph of the disabled button (clBtnHighlight by
    /// default).
    Q_PROPERTY(TColor DisabledHighlight READ DisabledHighlight WRITE SetDisabledHighlight NOTIFY DisabledHighlightChanged)
    Q_CLASSINFO("Default:DisabledHighlight", "clBtnHighlight")
    /// The dark part of the embossed caption and glyph of the disabled button (clBtnShadow by
    /// default).
    Q_PROPERTY(TColor DisabledShadow READ DisabledShadow WRITE SetDisabledShadow NOTIFY DisabledShadowChanged)
    Q_CLASSINFO("Default:DisabledShadow", "clBtnShadow")
    // Owned objects, stored property by property with the button.
    /// The face and frame colours of the up states: the button's own set, stored property by
    /// property with the button (Colors.Color, …). Writing it copies the given set's values.
    Q_PROPERTY(TShineBtnColors* Colors READ Colors WRITE WriteColors NOTIFY ColorsChanged)
    /// The face and frame colours of the down states, as Colors.
    Q_PROPERTY(TShineBtnColors* PressedColors READ PressedColors WRITE WritePressedColors NOTIFY PressedColorsChanged)
    /// The colour that lights the glyph under the pointer (clYellow by default); see ActiveImage.
    Q_PROPERTY(TColor ShineColor READ ShineColor WRITE SetShineColor NOTIFY ShineColorChanged)
    Q_CLASSINFO("Default:ShineColor", "clYellow")
    /// The caption's font and colour at rest: the button's own TFont, stored property by property
    /// (Font.Name, Font.Color, …). Writing it copies the given font's values.
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont NOTIFY FontChanged)
    /// A copy of the caption drawn one pixel up and left, beneath it (clNone by default: none).
    Q_PROPERTY(TColor FontHighlight READ FontHighlight WRITE SetFontHighlight NOTIFY FontHighlightChanged)
    Q_CLASSINFO("Default:FontHighlight", "clNone")
    /// A copy of the caption drawn one pixel down and right, beneath it (clNone by default: none).
    Q_PROPERTY(TColor FontShadow READ FontShadow WRITE SetFontShadow NOTIFY FontShadowChanged)
    Q_CLASSINFO("Default:FontShadow", "clNone")
    /// The caption's font and colour under the pointer, as Font.
    Q_PROPERTY(TFont* ActiveFont READ ActiveFont WRITE SetActiveFont NOTIFY ActiveFontChanged)
    /// Where the glyph is beside the caption: blGlyphLeft (the default), blGlyphRight, blGlyphTop
    /// or blGlyphBottom; a right-to-left layout direction swaps left and right.
    Q_PROPERTY(TButtonLayout Layout READ Layout WRITE SetLayout NOTIFY LayoutChanged)
    Q_CLASSINFO("Default:Layout", "blGlyphLeft")
    /// Pixels between the edge and the glyph and caption; -1 (the default) centres them.
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin NOTIFY MarginChanged)
    Q_CLASSINFO("Default:Margin", "-1")
    /// Pixels between the glyph and the caption (4 by default).
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing NOTIFY SpacingChanged)
    Q_CLASSINFO("Default:Spacing", "4")
    /// The glyph's picture as a PNG in base64, empty for no glyph: a layout file is text.
    Q_PROPERTY(QString Glyph READ GlyphText WRITE WriteGlyphText NOTIFY GlyphChanged)
    Q_CLASSINFO("Default:Glyph", "")

public:
    // The stored numbers of the enumerations are these values.
    /// The bevel around the button (FrameType).
    enum TFrameType : std::uint8_t { ftFlatFrame = 0, ftNormalFrame = 1, ftEnclosedFrame = 2 };
    Q_ENUM(TFrameType)
    /// How the glyph is lit under the pointer (ActiveImage).
    enum TActiveImageType : std::uint8_t {
        aiNormal = 0,
        aiXorLight = 1,
        aiHalfLight = 2,
        aiQuaterLight = 3,
        aiAddLight = 4,
        aiFrameLight = 5,
        aiFrameLight2 = 6,
        aiMaskLight = 7,
    };
    Q_ENUM(TActiveImageType)
    /// How the glyph is dimmed while the button is disabled (DisabledImage).
    enum TDisabledImageType : std::uint8_t {
        diDefault = 0,
        diGrayscale = 1,
        diAlphaHalfTrans = 2,
        diAlphaQuaterTrans = 3,
        diMaskTrans = 4,
    };
    Q_ENUM(TDisabledImageType)
    /// Where the glyph is beside the caption (Layout).
    enum TButtonLayout : std::uint8_t { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };
    Q_ENUM(TButtonLayout)
    /// What the button shows. The order counts: below sbUpActive are the down states, from it
    /// on the up ones, and the code tests them as ranges.
    enum TShineButtonState : std::uint8_t { sbDownActive = 0, sbDown = 1, sbUpActive = 2, sbUp = 3, sbDisabled = 4 };
    Q_ENUM(TShineButtonState)
    /// The held mouse buttons and modifier keys that the mouse events pass; ssDouble marks the
    /// press of a double click.
    enum TShiftStateFlag {
        ssShift = 0x01,
        ssAlt = 0x02,
        ssCtrl = 0x04,
        ssLeft = 0x08,
        ssRight = 0x10,
        ssMiddle = 0x20,
        ssDouble = 0x40,
    };
    Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
    Q_FLAG(TShiftState)

    explicit TShineSpeedButton(QWidget* owner = nullptr);
    /// Frees the hover timer, the glyph, the colour sets and the fonts, in this order.
    ~TShineSpeedButton() override;

    /// Whether the window system tells the pointer's global position at any moment. X does.
    /// Wayland does not: a program learns where the pointer is only from its own windows'
    /// events, and QCursor::pos() is merely the last of those, stale once the pointer has
    /// entered a window without moving. Where it cannot tell, the hover follows the enter and
    /// leave notifications (which Wayland always sends) and the button's own mouse events.
    /// Found from the platform at first use; a program on another platform (or a test) may
    /// set it.
    static bool PointerPositionKnown();
    static void SetPointerPositionKnown(bool known);

    /// Visible as set, whether or not the parent is shown.
    bool IsVisibleSet() const { return !isHidden(); }
    /// Qt's, with VisibleChanged when the flag changes.
    void setVisible(bool visible) override;

    // The setters below store a different value and invalidate; the same value does nothing.
    bool ClickDownHook() const;
    void SetClickDownHook(bool value);
    bool AccelCharDown() const;
    void SetAccelCharDown(bool value);
    TFrameType FrameType() const;
    void SetFrameType(TFrameType value);
    bool ActiveFrame() const;
    void SetActiveFrame(bool value);
    bool UpFrame() const;
    void SetUpFrame(bool value);
    bool DownFrame() const;
    void SetDownFrame(bool value);
    TActiveImageType ActiveImage() const;
    void SetActiveImage(TActiveImageType value);
    TDisabledImageType DisabledImage() const;
    void SetDisabledImage(TDisabledImageType value);
    TColor DisabledHighlight() const;
    void SetDisabledHighlight(TColor value);
    TColor DisabledShadow() const;
    void SetDisabledShadow(TColor value);
    TColor ShineColor() const;
    void SetShineColor(TColor value);
    TButtonLayout Layout() const;
    void SetLayout(TButtonLayout value);
    /// Pixels between the edge and the content; negative centres the content.
    int Margin() const;
    void SetMargin(int value);
    /// Pixels between glyph and caption.
    int Spacing() const;
    void SetSpacing(int value);

    // Stores and invalidates even when the value is unchanged; clr::None draws no such copy.
    TColor FontHighlight() const;
    void SetFontHighlight(TColor value);
    TColor FontShadow() const;
    void SetFontShadow(TColor value);

    /// No parent is drawn beneath an opaque button; a transparent one leaves out its background.
    bool Transparent() const;
    void SetTransparent(bool value);

    /// The owned colour sets: writing one copies the given set's values into the owned one,
    /// which stays the same object. No set at all raises the assignment error.
    ///@{
    TShineBtnColors* Colors() const;
    void SetColors(TShineBtnColors* value);
    TShineBtnColors* PressedColors() const;
    void SetPressedColors(TShineBtnColors* value);
    ///@}

    /// The owned fonts of the caption: writing one copies the given font's values; no font at
    /// all changes nothing.
    ///@{
    TFont* Font() const;
    void SetFont(TFont* value);
    TFont* ActiveFont() const;
    void SetActiveFont(TFont* value);
    ///@}

    /// The owned glyph, a pf32bit image once it holds a picture. Writing it copies the given
    /// bitmap's picture; no bitmap at all leaves it empty, 0 by 0.
    ///@{
    TBitmap* Glyph() const;
    void SetGlyph(const TBitmap* value);
    ///@}
    /// The glyph as a picture Qt draws, and back (a null picture for no glyph).
    QPixmap GlyphPixmap() const;
    void SetGlyphPixmap(const QPixmap& value);
    /// The glyph as a stored layout holds it: a PNG in base64, empty for no glyph. Text that
    /// is no picture raises the invalid-bitmap error and leaves the glyph as it was.
    QString GlyphText() const;
    void SetGlyphText(const QString& value);

    /// What the button shows now; not stored.
    TShineButtonState State() const;

    /// The toolkit's base hook after reading a stored layout: nothing more than the base.
    void Loaded() override;

    /// The glyph as the current draw state shows it, as a new bitmap marked for transparent
    /// drawing, or none while Glyph is empty. Never changes Glyph.
    std::unique_ptr<TBitmap> CreateStateGlyph() const;

    /// In a Qt layout: the glyph and caption (in the larger of Font and ActiveFont) laid out
    /// with Spacing, Margin on every side (4 when negative), at least the toolkit's 25 by 25;
    /// at the least the content inside the frame. A stored layout's size is set as it is.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    /// Each property X has a setter named as Qt names them, setX, so that the code uic makes of
    /// a form written without stdset="0" compiles. Each does what the property's own setter
    /// does, but a refused value is reported as a warning naming the property and keeps the
    /// value, as a write through Qt's property system is, since no exception may cross Qt's
    /// frames. (The properties' WRITE accessors keep the toolkit's names, so that Qt Designer
    /// and the stored-layout writer go on saving them with stdset="0", through setProperty,
    /// which also takes a system colour's name and an identifier without its class.)
    ///@{
    void setClickDownHook(bool value) noexcept;
    void setAccelCharDown(bool value) noexcept;
    void setFrameType(TFrameType value) noexcept;
    void setTransparent(bool value) noexcept;
    void setActiveFrame(bool value) noexcept;
    void setUpFrame(bool value) noexcept;
    void setDownFrame(bool value) noexcept;
    void setActiveImage(TActiveImageType value) noexcept;
    void setDisabledImage(TDisabledImageType value) noexcept;
    void setDisabledHighlight(TColor value) noexcept;
    void setDisabledShadow(TColor value) noexcept;
    void setColors(TShineBtnColors* value) noexcept;
    void setPressedColors(TShineBtnColors* value) noexcept;
    void setShineColor(TColor value) noexcept;
    void setFont(TFont* value) noexcept;
    using QWidget::setFont;
    void setFontHighlight(TColor value) noexcept;
    void setFontShadow(TColor value) noexcept;
    void setActiveFont(TFont* value) noexcept;
    void setLayout(TButtonLayout value) noexcept;
    using QWidget::setLayout;
    void setMargin(int value) noexcept;
    void setSpacing(int value) noexcept;
    void setGlyph(const QString& value) noexcept;
    ///@}

Q_SIGNALS:
    /// The left button was double-clicked on a button that is down.
    void OnDblClick(QObject* Sender);
    /// A mouse button went down on the button: Sender is the button, Button the button pressed,
    /// Shift the buttons held and modifier keys (ssDouble for the press of a double click), X and Y
    /// the position in the button. A left press emits pressed() after it.
    void OnMouseDown(QObject* Sender, Qt::MouseButton Button, TShineSpeedButton::TShiftState Shift, int X, int Y);
    /// The pointer moved over the button, or a press that began on it moved: the shift state and
    /// the position in the button.
    void OnMouseMove(QObject* Sender, TShineSpeedButton::TShiftState Shift, int X, int Y);
    /// A mouse button was released after a press on the button, with the same arguments as
    /// OnMouseDown; emitted before toggled(), released(), OnClick and clicked().
    void OnMouseUp(QObject* Sender, Qt::MouseButton Button, TShineSpeedButton::TShiftState Shift, int X, int Y);
    /// The pointer came over the button, and the glyph is lit: the shift state and the position.
    void OnMouseEnter(QObject* Sender, TShineSpeedButton::TShiftState Shift, int X, int Y);
    /// The pointer left the button: the shift state and the position where it was last seen.
    void OnMouseLeave(QObject* Sender, TShineSpeedButton::TShiftState Shift, int X, int Y);

    /// The change signal of the property of its name (LayoutChanged of Layout, …), emitted on a
    /// real change only. The owned colour sets, fonts and glyph report any change of their values.
    ///@{
    void VisibleChanged(bool value);
    void ClickDownHookChanged(bool value);
    void AccelCharDownChanged(bool value);
    void FrameTypeChanged(TarvoWidgets::TShineSpeedButton::TFrameType value);
    void TransparentChanged(bool value);
    void ActiveFrameChanged(bool value);
    void UpFrameChanged(bool value);
    void DownFrameChanged(bool value);
    void ActiveImageChanged(TarvoWidgets::TShineSpeedButton::TActiveImageType value);
    void DisabledImageChanged(TarvoWidgets::TShineSpeedButton::TDisabledImageType value);
    void DisabledHighlightChanged(TarvoWidgets::TColor value);
    void DisabledShadowChanged(TarvoWidgets::TColor value);
    void ColorsChanged();
    void PressedColorsChanged();
    void ShineColorChanged(TarvoWidgets::TColor value);
    void FontChanged();
    void FontHighlightChanged(TarvoWidgets::TColor value);
    void FontShadowChanged(TarvoWidgets::TColor value);
    void ActiveFontChanged();
    void LayoutChanged(TarvoWidgets::TShineSpeedButton::TButtonLayout value);
    void MarginChanged(int value);
    void SpacingChanged(int value);
    void GlyphChanged();
    ///@}

protected:
    /// Asks for a paint later; the setters of the look call it.
    virtual void Invalidate();
    /// Paints at once.
    virtual void Repaint();

    /// Sets what the button shows, for a subclass that shows a state of its own choosing (a
    /// sample of the hover look, say); the next paint draws it. Input moves it on as usual.
    void SetState(TShineButtonState value);

    /// Painting: Paint runs BackDraw, ImageDraw and FrameDraw on one canvas, off-screen unless
    /// Transparent, for the part of the button that the paint event exposes.
    virtual void Paint();
    void BackDraw(QPainter& Canvas);
    void ImageDraw(QPainter& Canvas);
    void FrameDraw(QPainter& Canvas);
    /// Layout as drawn: right to left swaps blGlyphLeft and blGlyphRight, as Qt's buttons put
    /// their icon on the other side.
    TButtonLayout EffectiveLayout() const;
    /// Lays out glyph and caption with the canvas's font, which the caller has chosen.
    void CalcDrawPosition(QPainter& Canvas, QPoint& GlyphPos, QRect& TextRect) const;

    /// Interaction, overridable as the toolkit's dynamic methods are.
    ///@{
    virtual void MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(Qt::MouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseEnter(TShiftState Shift, int X, int Y);
    virtual void MouseLeave(TShiftState Shift, int X, int Y);
    ///@}
    /// The core's click, with the down look while OnClick runs where ClickDownHook asks for it.
    void Click() override;
    /// Brings the hover state in line with where the pointer really is.
    void UpdateTracking();
    /// Where the pointer is, in client coordinates: asked of the window system where it can
    /// tell, else the last position that this button's own events reported.
    QPoint PointerPos() const;
    /// Notes the position of a mouse event of this button.
    void NotePointer(QPoint at);
    void ActiveButtonTimerOnTimer(QObject* Sender);
    /// The held mouse buttons and modifier keys right now.
    static TShiftState CurrentShiftState();

    /// The toolkit's notifications.
    ///@{
    void WMLButtonDblClick(QMouseEvent* event);
    void CMEnabledChanged();
    void CMFontChanged();
    void CMMouseEnter();
    void CMMouseLeave();
    void CMSysColorChange();
    ///@}

    /// The press and the group, as the core reports them.
    ///@{
    void PressStarted() override;
    void PressReleasing(bool inside, bool byMouse) override;
    void PressLost() override;
    void LatchSet() override;
    void GroupReleased() override;
    void CaptionSet() override;
    ///@}
    /// With AccelCharDown a grouped button toggles Down before the click.
    void AcceleratorPressed() override;

    /// The change callbacks of the owned objects.
    ///@{
    void GlyphOnChange(QObject* Sender);
    void FontsAndColorsOnChange(QObject* Sender);
    ///@}

    /// Qt's entry points, which lead into the toolkit's.
    ///@{
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    ///@}


private:
    /// Glyph's write through Qt's property system: a refused value is told, never raised.
    void WriteGlyphText(const QString& value) noexcept;
    /// PressedColors's write through Qt's property system: a refused value is told, never raised.
    void WritePressedColors(TShineBtnColors* value) noexcept;
    /// Colors's write through Qt's property system: a refused value is told, never raised.
    void WriteColors(TShineBtnColors* value) noexcept;
    /// Stores a different value in field, invalidates and emits the property's change signal.
    template <typename T, typename TSignal> void UpdateLook(T& field, T value, TSignal changed);
    /// The room the glyph takes in layout units (0 by 0 without one).
    QSize GlyphExtent() const;
    /// The size of the glyph and caption block in the given caption font.
    QSize ContentSize(const QFontMetrics& metrics) const;
    /// What the state glyph of the current draw state depends on besides the glyph.
    TStateGlyphLook GlyphLook() const;


private:
    struct Private;
    std::unique_ptr<Private> const d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TShineSpeedButton::TShiftState)

/// A toolkit colour as a 32-bit pixel 0x00RRGGBB: a system colour resolves to its current RGB
/// value first; clr::None gives black.
TARVOWIDGETS_EXPORT std::uint32_t ColorToPixel(TColor color);

} // namespace TarvoWidgets
