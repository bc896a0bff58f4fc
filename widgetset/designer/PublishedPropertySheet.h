// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/properties/PublishedProperty.h"

#include <QExtensionFactory>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QtDesigner/QDesignerDynamicPropertySheetExtension>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <optional>
#include <utility>
#include <vector>

class QDesignerFormEditorInterface;
namespace TarvoWidgets {
class TFont;
class TShineSpeedButton;
} // namespace TarvoWidgets

// Qt Designer's property sheet of a widget of the set: every property that a stored layout
// carries, in the form that the layout file holds, so that a form saved from Designer stores
// what it read.
// - A toolkit colour, a flag set: in the editor of EditorValues.h (a plain colour in the colour
//   editor, a system colour or clNone by its name, a set in the flags editor).
// - The owned objects (colour sets, fonts) are added as properties of their own under the
//   dotted names of the stored layout ("Colors.Color", "Font.Style"), grouped by their owner;
//   the pointer-typed property that publishes a colour set is hidden, as Designer cannot edit
//   it.
// - A font's pointer-typed property ("Font") is shown as a QFont, in Designer's font editor:
//   a change writes the font's own dotted properties (Font.Name, Font.Size, Font.Style), which
//   are what the form stores; the font row itself is never stored, and the dotted rows that it
//   covers are hidden. The font's colour (Font.Color) stays a row of its own beside it.
// - A shine button's glyph gets an editor-only row, "GlyphPicture", in Designer's pixmap editor
//   (a file or a resource): the chosen picture is written to Glyph, which the form stores as
//   it always has (a PNG in base64); the row itself is never stored. It shows the picture chosen
//   in this session; an undo back to no choice gives Glyph its text from before the first
//   choice.
// - Designer saves a Q_PROPERTY of the set's classes with stdset="0" (set by name in uic's code,
//   as their setters are not "set" + the name) by itself, but takes any other name for one with
//   such a setter unless the dynamic sheet reports it dynamic; and it saves a dynamic property
//   whether it was changed or not. So this sheet is the widget's dynamic sheet too and reports
//   an owned property ("Colors.GradColor") dynamic while it is changed, so that it is saved only
//   then, and by name. The property editor keeps such a row in its group; Designer's own dynamic
//   properties stay its own.
// Everything else goes to Designer's own sheet, which this one wraps.
class TPublishedPropertySheet : public QObject,
                                public QDesignerPropertySheetExtension,
                                public QDesignerDynamicPropertySheetExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension QDesignerDynamicPropertySheetExtension)
public:
    TPublishedPropertySheet(QDesignerPropertySheetExtension* base, QDesignerDynamicPropertySheetExtension* baseDynamic,
                            QObject* widget, QObject* parent);

    int count() const override;
    int indexOf(const QString& name) const override;
    QString propertyName(int index) const override;
    QString propertyGroup(int index) const override;
    void setPropertyGroup(int index, const QString& group) override;
    bool hasReset(int index) const override;
    bool reset(int index) override;
    bool isVisible(int index) const override;
    void setVisible(int index, bool visible) override;
    bool isAttribute(int index) const override;
    void setAttribute(int index, bool attribute) override;
    QVariant property(int index) const override;
    void setProperty(int index, const QVariant& value) override;
    bool isChanged(int index) const override;
    void setChanged(int index, bool changed) override;
    bool isEnabled(int index) const override;

    bool dynamicPropertiesAllowed() const override;
    int addDynamicProperty(const QString& name, const QVariant& value) override;
    bool removeDynamicProperty(int index) override;
    bool isDynamicProperty(int index) const override;
    bool canAddDynamicProperty(const QString& name) const override;

    // Whether Designer should use this sheet for the object: it publishes a toolkit colour or
    // an owned object.
    static bool Wants(const QObject* object);

private:
    // The owned object's property at a sheet index past Designer's own (or at its writer's row),
    // or none; and its place in FOwned, or -1.
    const TarvoWidgets::TPublishedProperty* Owned(int index) const;
    int OwnedPlace(int index) const;
    // Whether index is the writer's row of a property hidden behind its font's row: indexOf gives
    // such a name an index past count(), which the editor never goes through, and there the row is
    // visible. Designer's writer finds a property by name to check it and drops a dynamic property
    // that is hidden (as it keeps its own internal ones out of the file); through this row it saves
    // the font's part with stdset="0" while the editor's row stays hidden.
    bool IsWriterRow(int index) const;
    // Designer's own property at index, if it is one of the widget's Q_PROPERTYs.
    QMetaProperty Meta(int index) const;
    /// Qt's properties that the widget's class says its painting never reads (the class info
    /// "IgnoredQtProperties", names separated by blanks): hidden from the property editor.
    QStringList IgnoredQtProperties() const;
    // The font that Designer's own property at index publishes, or none.
    TarvoWidgets::TFont* FontAt(int index) const;
    // Whether an owned property is one that its font's row edits.
    static bool CoveredByFontRow(const TarvoWidgets::TPublishedProperty& owned);
    // The index of the glyph's editor-only row, or -1 for a widget without a glyph.
    int PictureRow() const;

    // Writes the parts of a font that differ from the editor's value to its dotted
    // properties, marked changed.
    void WriteFont(int index, const QFont& face);
    // Loads the picture at a pixmap value's path into the glyph; an empty path gives the glyph
    // back its text from before the first choice.
    void WritePicture(const QVariant& value);
    // Has Designer's property editor build its rows anew from this sheet, once Designer is out of
    // the call that got here: a row whose editor type changed (a colour between a name and a
    // plain colour) or that changed along with another (Glyph with its picture).
    void RefreshEditor() const;

    QDesignerPropertySheetExtension* FBase;
    QDesignerDynamicPropertySheetExtension* FBaseDynamic;
    QObject* FWidget;
    TarvoWidgets::TShineSpeedButton* FGlyphOwner;
    std::vector<TarvoWidgets::TPublishedProperty> FOwned;
    // The owned properties' and the colours' values when the widget was made, for a reset.
    std::vector<QVariant> FOwnedInitial;
    QHash<int, QVariant> FColorInitial;
    // The changed owned properties, by their place in FOwned: a dynamic property that Designer
    // adds to its own sheet moves their sheet indices.
    QSet<int> FOwnedChanged;
    QString FPicturePath;
    // Glyph as it was before the first picture chosen in the editor, and whether it was changed.
    std::optional<std::pair<QVariant, bool>> FGlyphBefore;
};

// Gives the widgets of the set a TPublishedPropertySheet in place of Designer's own.
class TPublishedPropertySheetFactory : public QExtensionFactory {
    Q_OBJECT
public:
    // Registers the factory with Designer, once.
    static void Install(QDesignerFormEditorInterface* core);

protected:
    using QExtensionFactory::QExtensionFactory;
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;

private:
    // Set while Designer's own sheet is being fetched: the manager asks this factory first.
    mutable bool FFetchingBase = false;
};
