// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "PublishedPropertySheet.h"

#include "EditorValues.h"
#include "toolkit/graphics/Font.h"
#include "toolkit/properties/PropertyText.h"
#include "widgets/ShineSpeedButton.h"

#include <QColorSpace>
#include <QExtensionManager>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/private/qdesigner_utils_p.h>
#include <exception>

using namespace TarvoWidgets;
using qdesigner_internal::PropertySheetPixmapValue;
using qdesigner_internal::PropertySheetStringValue;

namespace {

const QString PictureName = QStringLiteral("GlyphPicture");
const QString GlyphName = QStringLiteral("Glyph");

// Whether two values of a property would be shown in editors of different types.
bool EditorTypeDiffers(const QMetaProperty& meta, const QVariant& a, const QVariant& b)
{
    return TDesignerValues::Shown(meta, a).metaType() != TDesignerValues::Shown(meta, b).metaType();
}

// The picture at path as pixels alone, in sRGB: a file's text chunks (dates, comments) and colour
// profile are no part of a glyph and would only swell the form.
QImage PixelsOf(const QString& path)
{
    QImage picture(path);
    if (picture.isNull())
        return picture;
    if (picture.colorSpace().isValid())
        picture.convertToColorSpace(QColorSpace::SRgb);
    picture.convertTo(QImage::Format_ARGB32);
    return QImage(picture.constBits(), picture.width(), picture.height(), picture.bytesPerLine(), picture.format()).copy();
}

} // namespace

TPublishedPropertySheet::TPublishedPropertySheet(QDesignerPropertySheetExtension* base,
                                                 QDesignerDynamicPropertySheetExtension* baseDynamic, QObject* widget,
                                                 QObject* parent)
    : QObject(parent), FBase(base), FBaseDynamic(baseDynamic), FWidget(widget),
      FGlyphOwner(qobject_cast<TShineSpeedButton*>(widget))
{
    for (TPublishedProperty& property : TPublishedProperty::Of(widget))
        if (property.Object() != widget && property.Meta().isWritable()) {
            FOwnedInitial.push_back(property.Value());
            FOwned.push_back(std::move(property));
        }
    for (int index = 0; index < base->count(); ++index)
        if (const QMetaProperty meta = Meta(index); meta.isValid() && TPropertyText::IsColor(meta))
            FColorInitial.insert(index, meta.read(widget));
}

bool TPublishedPropertySheet::Wants(const QObject* object)
{
    const QMetaObject* meta = object->metaObject();
    if (meta->indexOfClassInfo("IgnoredQtProperties") >= 0)
        return true;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (TPropertyText::IsColor(property) || TPublishedProperty::IsOwnedObject(property))
            return true;
    }
    return false;
}

const TPublishedProperty* TPublishedPropertySheet::Owned(int index) const
{
    const int place = OwnedPlace(index);
    return place >= 0 ? &FOwned[place] : nullptr;
}

int TPublishedPropertySheet::OwnedPlace(int index) const
{
    int place = index - FBase->count();
    if (IsWriterRow(index))
        place = index - count();
    return place >= 0 && place < int(FOwned.size()) ? place : -1;
}

bool TPublishedPropertySheet::IsWriterRow(int index) const
{
    return index >= count() && index < count() + int(FOwned.size());
}

QMetaProperty TPublishedPropertySheet::Meta(int index) const
{
    const QMetaObject* meta = FWidget->metaObject();
    return meta->property(meta->indexOfProperty(FBase->propertyName(index).toUtf8().constData()));
}

TFont* TPublishedPropertySheet::FontAt(int index) const
{
    if (index < 0 || index >= FBase->count())
        return nullptr;
    const QMetaProperty meta = Meta(index);
    if (!meta.isValid() || !TPublishedProperty::IsOwnedObject(meta))
        return nullptr;
    return qobject_cast<TFont*>(meta.read(FWidget).value<QObject*>());
}

bool TPublishedPropertySheet::CoveredByFontRow(const TPublishedProperty& owned)
{
    const QByteArray name = owned.Meta().name();
    return qobject_cast<const TFont*>(owned.Object()) && (name == "Name" || name == "Size" || name == "Style");
}

int TPublishedPropertySheet::PictureRow() const
{
    return FGlyphOwner ? FBase->count() + int(FOwned.size()) : -1;
}

int TPublishedPropertySheet::count() const
{
    return FBase->count() + int(FOwned.size()) + (FGlyphOwner ? 1 : 0);
}

int TPublishedPropertySheet::indexOf(const QString& name) const
{
    for (std::size_t i = 0; i < FOwned.size(); ++i)
        if (FOwned[i].Path() == name)
            return (CoveredByFontRow(FOwned[i]) ? count() : FBase->count()) + int(i);
    if (FGlyphOwner && name == PictureName)
        return PictureRow();
    return FBase->indexOf(name);
}

QString TPublishedPropertySheet::propertyName(int index) const
{
    if (const TPublishedProperty* owned = Owned(index))
        return owned->Path();
    if (index == PictureRow())
        return PictureName;
    return FBase->propertyName(index);
}

QString TPublishedPropertySheet::propertyGroup(int index) const
{
    // Grouped under their owner's property, as the editor shows a nested object.
    if (const TPublishedProperty* owned = Owned(index))
        return owned->Path().section(QLatin1Char('.'), 0, 0);
    // A font's editor heads its own group, beside its colour.
    if (FontAt(index))
        return FBase->propertyName(index);
    // Beside the glyph that it sets.
    if (index == PictureRow())
        return FBase->propertyGroup(FBase->indexOf(GlyphName));
    return FBase->propertyGroup(index);
}

void TPublishedPropertySheet::setPropertyGroup(int index, const QString& group)
{
    if (!Owned(index) && index != PictureRow())
        FBase->setPropertyGroup(index, group);
}

bool TPublishedPropertySheet::hasReset(int index) const
{
    if (Owned(index) || FColorInitial.contains(index))
        return true;
    return index == PictureRow() || FontAt(index) ? false : FBase->hasReset(index);
}

bool TPublishedPropertySheet::reset(int index)
{
    // An owned property or a colour goes back to the value the widget was made with (and a
    // colour thus from a plain one back to its name, which its colour editor cannot give).
    if (const TPublishedProperty* owned = Owned(index)) {
        setProperty(index, TDesignerValues::Shown(owned->Meta(), FOwnedInitial[OwnedPlace(index)]));
        FOwnedChanged.remove(OwnedPlace(index));
        return true;
    }
    if (FColorInitial.contains(index)) {
        setProperty(index, TDesignerValues::Shown(Meta(index), FColorInitial.value(index)));
        FBase->setChanged(index, false);
        return true;
    }
    return index == PictureRow() || FontAt(index) ? false : FBase->reset(index);
}

QStringList TPublishedPropertySheet::IgnoredQtProperties() const
{
    const QMetaObject* meta = FWidget->metaObject();
    const int at = meta->indexOfClassInfo("IgnoredQtProperties");
    return at < 0 ? QStringList() : QString::fromLatin1(meta->classInfo(at).value()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool TPublishedPropertySheet::isVisible(int index) const
{
    if (const TPublishedProperty* owned = Owned(index))
        return IsWriterRow(index) || !CoveredByFontRow(*owned);
    if (index == PictureRow() || FontAt(index))
        return true;
    // The colour sets are edited through their own properties.
    const QMetaProperty meta = Meta(index);
    if (meta.isValid() && TPublishedProperty::IsOwnedObject(meta))
        return false;
    // Qt's own rows that the widget's painting never reads (see the class's comment).
    if (meta.isValid() && IgnoredQtProperties().contains(QString::fromLatin1(meta.name())))
        return false;
    return FBase->isVisible(index);
}

void TPublishedPropertySheet::setVisible(int index, bool visible)
{
    if (!Owned(index) && index != PictureRow())
        FBase->setVisible(index, visible);
}

bool TPublishedPropertySheet::isAttribute(int index) const
{
    return Owned(index) || index == PictureRow() ? false : FBase->isAttribute(index);
}

void TPublishedPropertySheet::setAttribute(int index, bool attribute)
{
    if (!Owned(index) && index != PictureRow())
        FBase->setAttribute(index, attribute);
}

QVariant TPublishedPropertySheet::property(int index) const
{
    if (const TPublishedProperty* owned = Owned(index))
        return TDesignerValues::Shown(owned->Meta(), owned->Value());
    if (index == PictureRow())
        return QVariant::fromValue(PropertySheetPixmapValue(FPicturePath));
    if (const TFont* font = FontAt(index))
        return font->Face();
    const QMetaProperty meta = Meta(index);
    const QVariant value = FBase->property(index);
    if (FGlyphOwner && value.canConvert<PropertySheetStringValue>() && FBase->propertyName(index) == GlyphName) {
        // A picture's data, which uic's code must not pass through the translator.
        PropertySheetStringValue text = value.value<PropertySheetStringValue>();
        text.setTranslatable(false);
        return QVariant::fromValue(text);
    }
    return meta.isValid() && TPropertyText::IsColor(meta) ? TDesignerValues::Shown(meta, value) : value;
}

void TPublishedPropertySheet::setProperty(int index, const QVariant& value)
{
    // Designer calls here from its own frames: a value that a setter refuses stays unset.
    try {
        if (const TPublishedProperty* owned = Owned(index)) {
            const QVariant taken = TDesignerValues::Taken(owned->Meta(), value);
            if (!taken.isValid())
                return;
            const bool retype = EditorTypeDiffers(owned->Meta(), owned->Value(), taken);
            owned->SetValue(taken);
            if (retype)
                RefreshEditor();
            return;
        }
        if (index == PictureRow()) {
            WritePicture(value);
            return;
        }
        if (FontAt(index)) {
            if (value.metaType().id() == QMetaType::QFont)
                WriteFont(index, value.value<QFont>());
            return;
        }
        const QMetaProperty meta = Meta(index);
        if (!meta.isValid() || !TPropertyText::IsColor(meta)) {
            FBase->setProperty(index, value);
            return;
        }
        const QVariant taken = TDesignerValues::Taken(meta, value);
        if (!taken.isValid())
            return;
        const bool retype = EditorTypeDiffers(meta, FBase->property(index), taken);
        FBase->setProperty(index, taken);
        if (retype)
            RefreshEditor();
    } catch (const std::exception& error) {
        qWarning("%s: %s", qPrintable(propertyName(index)), error.what());
    } catch (...) {
        qWarning("%s: the value was refused", qPrintable(propertyName(index)));
    }
}

void TPublishedPropertySheet::WriteFont(int index, const QFont& face)
{
    const QString path = FBase->propertyName(index);
    TFont::TFontStyles style;
    style.setFlag(TFont::fsBold, face.bold());
    style.setFlag(TFont::fsItalic, face.italic());
    style.setFlag(TFont::fsUnderline, face.underline());
    style.setFlag(TFont::fsStrikeOut, face.strikeOut());
    // Only the parts that differ: writing a part marks the face as set, which stops it following
    // the application's font.
    const std::pair<QString, QVariant> parts[] = {
        {QStringLiteral("Name"), face.family()},
        {QStringLiteral("Size"), face.pointSize()},
        {QStringLiteral("Style"), QVariant::fromValue(style)},
    };
    for (const auto& [name, part] : parts) {
        const int row = indexOf(path + QLatin1Char('.') + name);
        const TPublishedProperty* owned = Owned(row);
        if (!owned || TPropertyText::Same(owned->Meta(), owned->Value(), part))
            continue;
        if (name == QLatin1String("Size") && part.toInt() <= 0)
            continue; // a face in pixels has no point size to store
        owned->SetValue(part);
        FOwnedChanged.insert(OwnedPlace(row));
    }
}

void TPublishedPropertySheet::WritePicture(const QVariant& value)
{
    const QString path = value.value<PropertySheetPixmapValue>().path();
    const int glyph = FBase->indexOf(GlyphName);
    if (glyph < 0)
        return;
    if (path.isEmpty()) {
        if (!FGlyphBefore)
            return;
        FBase->setProperty(glyph, FGlyphBefore->first);
        FBase->setChanged(glyph, FGlyphBefore->second);
    } else {
        const QImage picture = PixelsOf(path);
        if (picture.isNull()) {
            qWarning("%s: '%s' is no picture", qPrintable(PictureName), qPrintable(path));
            return;
        }
        if (!FGlyphBefore)
            FGlyphBefore.emplace(FBase->property(glyph), FBase->isChanged(glyph));
        // The button encodes its glyph as the form stores it; Designer's sheet takes the text
        // so that it saves it and its undo knows it, as no text to translate.
        FGlyphOwner->SetGlyphPixmap(QPixmap::fromImage(picture));
        FBase->setProperty(glyph, QVariant::fromValue(PropertySheetStringValue(FGlyphOwner->GlyphText(), false)));
        FBase->setChanged(glyph, true);
    }
    FPicturePath = path;
    RefreshEditor();
}

void TPublishedPropertySheet::RefreshEditor() const
{
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(FWidget);
    if (!form)
        return;
    QPointer<QObject> widget = FWidget;
    QPointer<QDesignerPropertyEditorInterface> editor = form->core()->propertyEditor();
    QTimer::singleShot(0, editor, [widget, editor] {
        if (widget && editor && editor->object() == widget)
            editor->setObject(widget);
    });
}

bool TPublishedPropertySheet::isChanged(int index) const
{
    // The font and picture rows are never stored: what they edit is.
    if (index == PictureRow() || FontAt(index))
        return false;
    if (Owned(index))
        return FOwnedChanged.contains(OwnedPlace(index));
    return FBase->isChanged(index);
}

void TPublishedPropertySheet::setChanged(int index, bool changed)
{
    if (index == PictureRow() || FontAt(index))
        return;
    if (!Owned(index)) {
        FBase->setChanged(index, changed);
        return;
    }
    if (changed)
        FOwnedChanged.insert(OwnedPlace(index));
    else
        FOwnedChanged.remove(OwnedPlace(index));
}

bool TPublishedPropertySheet::isEnabled(int index) const
{
    return Owned(index) || index == PictureRow() || FontAt(index) ? true : FBase->isEnabled(index);
}

bool TPublishedPropertySheet::dynamicPropertiesAllowed() const
{
    return FBaseDynamic && FBaseDynamic->dynamicPropertiesAllowed();
}

int TPublishedPropertySheet::addDynamicProperty(const QString& name, const QVariant& value)
{
    // An added row comes back only through the undo of its removal (below): with its value, set.
    const int index = indexOf(name);
    if (Owned(index)) {
        setProperty(index, value);
        setChanged(index, true);
        return index;
    }
    return canAddDynamicProperty(name) ? FBaseDynamic->addDynamicProperty(name, value) : -1;
}

bool TPublishedPropertySheet::removeDynamicProperty(int index)
{
    // The editor offers to remove an added row while it is reported dynamic (changed): the row
    // stays, and removing it means storing it no more, its value back to the one it was made with.
    if (Owned(index))
        return reset(index);
    return index < FBase->count() && FBaseDynamic && FBaseDynamic->removeDynamicProperty(index);
}

bool TPublishedPropertySheet::isDynamicProperty(int index) const
{
    if (index < FBase->count())
        return FBaseDynamic && FBaseDynamic->isDynamicProperty(index);
    return isChanged(index);
}

bool TPublishedPropertySheet::canAddDynamicProperty(const QString& name) const
{
    const int index = indexOf(name);
    return FBaseDynamic && (index < 0 || index < FBase->count()) && FBaseDynamic->canAddDynamicProperty(name);
}

void TPublishedPropertySheetFactory::Install(QDesignerFormEditorInterface* core)
{
    QExtensionManager* manager = core->extensionManager();
    if (manager->findChild<TPublishedPropertySheetFactory*>())
        return;
    auto* factory = new TPublishedPropertySheetFactory(manager);
    manager->registerExtensions(factory, Q_TYPEID(QDesignerPropertySheetExtension));
    manager->registerExtensions(factory, Q_TYPEID(QDesignerDynamicPropertySheetExtension));
}

QObject* TPublishedPropertySheetFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const
{
    if (FFetchingBase || !TPublishedPropertySheet::Wants(object))
        return nullptr;
    // One sheet answers as both: the dynamic sheet's indices are the property sheet's.
    if (iid == QLatin1String(Q_TYPEID(QDesignerDynamicPropertySheetExtension)))
        return extension(object, QString(Q_TYPEID(QDesignerPropertySheetExtension)));
    if (iid != QLatin1String(Q_TYPEID(QDesignerPropertySheetExtension)))
        return nullptr;
    FFetchingBase = true;
    auto* base = qt_extension<QDesignerPropertySheetExtension*>(extensionManager(), object);
    auto* baseDynamic = qt_extension<QDesignerDynamicPropertySheetExtension*>(extensionManager(), object);
    FFetchingBase = false;
    return base ? new TPublishedPropertySheet(base, baseDynamic, object, parent) : nullptr;
}
