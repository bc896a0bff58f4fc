#include "PublishedPropertySheet.h"

#include "toolkit/Color.h"
#include "toolkit/PropertyText.h"

#include <QExtensionManager>
#include <QWidget>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <exception>

using namespace TarvoWidgets;

namespace {

// A property that Designer shows as its stored text rather than as its value.
bool ShownAsText(const QMetaProperty& meta)
{
    return TPropertyText::IsColor(meta) || meta.isFlagType();
}

// The value that Designer shows for a property's value.
QVariant Shown(const QMetaProperty& meta, const QVariant& value)
{
    if (!ShownAsText(meta))
        return value;
    return TPropertyText::From(meta, value).Text;
}

// The property's value for what Designer hands back: the text as a layout holds it, a
// QColor as the plain colour; an invalid QVariant for what is none of its values.
QVariant Taken(const QMetaProperty& meta, const QVariant& value)
{
    if (TPropertyText::IsColor(meta) && value.metaType().id() == QMetaType::QColor)
        return QVariant::fromValue(FromQColor(value.value<QColor>()));
    if (!ShownAsText(meta) && value.metaType() != meta.metaType() && !value.canConvert(meta.metaType()))
        return {};
    if (!ShownAsText(meta))
        return value;
    const QString kind = TPropertyText::IsColor(meta) ? QStringLiteral("string") : QStringLiteral("set");
    QString why;
    return TPropertyText{kind, value.toString()}.ValueFor(meta, why);
}

bool IsPlain(const QVariant& value)
{
    const int type = value.metaType().id();
    return type < QMetaType::User;
}

} // namespace

TPublishedPropertySheet::TPublishedPropertySheet(QDesignerPropertySheetExtension* base, QObject* widget, QObject* parent)
    : QObject(parent), FBase(base), FWidget(widget)
{
    for (TPublishedProperty& property : TPublishedProperty::Of(widget))
        if (property.Object() != widget && property.Meta().isWritable())
            FOwned.push_back(std::move(property));
}

bool TPublishedPropertySheet::Wants(const QObject* object)
{
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (TPropertyText::IsColor(property) || TPublishedProperty::IsOwnedObject(property))
            return true;
    }
    return false;
}

const TPublishedProperty* TPublishedPropertySheet::Owned(int index) const
{
    const int owned = index - FBase->count();
    return owned >= 0 && owned < int(FOwned.size()) ? &FOwned[owned] : nullptr;
}

QMetaProperty TPublishedPropertySheet::Meta(int index) const
{
    const QMetaObject* meta = FWidget->metaObject();
    return meta->property(meta->indexOfProperty(FBase->propertyName(index).toUtf8().constData()));
}

int TPublishedPropertySheet::count() const
{
    return FBase->count() + int(FOwned.size());
}

int TPublishedPropertySheet::indexOf(const QString& name) const
{
    for (std::size_t i = 0; i < FOwned.size(); ++i)
        if (FOwned[i].Path() == name)
            return FBase->count() + int(i);
    return FBase->indexOf(name);
}

QString TPublishedPropertySheet::propertyName(int index) const
{
    if (const TPublishedProperty* owned = Owned(index))
        return owned->Path();
    return FBase->propertyName(index);
}

QString TPublishedPropertySheet::propertyGroup(int index) const
{
    // Grouped under their owner's property, as the editor shows a nested object.
    if (const TPublishedProperty* owned = Owned(index))
        return owned->Path().section(QLatin1Char('.'), 0, 0);
    return FBase->propertyGroup(index);
}

void TPublishedPropertySheet::setPropertyGroup(int index, const QString& group)
{
    if (!Owned(index))
        FBase->setPropertyGroup(index, group);
}

bool TPublishedPropertySheet::hasReset(int index) const
{
    return Owned(index) ? false : FBase->hasReset(index);
}

bool TPublishedPropertySheet::reset(int index)
{
    return Owned(index) ? false : FBase->reset(index);
}

bool TPublishedPropertySheet::isVisible(int index) const
{
    if (Owned(index))
        return true;
    // The owned objects are edited through their own properties.
    const QMetaProperty meta = Meta(index);
    if (meta.isValid() && TPublishedProperty::IsOwnedObject(meta))
        return false;
    return FBase->isVisible(index);
}

void TPublishedPropertySheet::setVisible(int index, bool visible)
{
    if (!Owned(index))
        FBase->setVisible(index, visible);
}

bool TPublishedPropertySheet::isAttribute(int index) const
{
    return Owned(index) ? false : FBase->isAttribute(index);
}

void TPublishedPropertySheet::setAttribute(int index, bool attribute)
{
    if (!Owned(index))
        FBase->setAttribute(index, attribute);
}

QVariant TPublishedPropertySheet::property(int index) const
{
    if (const TPublishedProperty* owned = Owned(index))
        return Shown(owned->Meta(), owned->Value());
    const QMetaProperty meta = Meta(index);
    const QVariant value = FBase->property(index);
    return meta.isValid() && TPropertyText::IsColor(meta) ? Shown(meta, value) : value;
}

QVariant TPublishedPropertySheet::Unwrapped(const QVariant& value) const
{
    if (IsPlain(value))
        return value;
    // A text that Designer read from a form comes wrapped in a type of its own (for its
    // translation settings) that only its own sheet opens: it goes through the widget's accessible
    // name (a text property that Designer applies to the widget itself, as it does not the tool
    // tip), which then gets its own value back.
    const int conduit = FBase->indexOf(QStringLiteral("accessibleName"));
    auto* widget = qobject_cast<QWidget*>(FWidget);
    if (conduit < 0 || !widget)
        return value;
    const QVariant kept = FBase->property(conduit);
    const bool keptChanged = FBase->isChanged(conduit);
    FBase->setProperty(conduit, value);
    const QString text = widget->accessibleName();
    FBase->setProperty(conduit, kept);
    FBase->setChanged(conduit, keptChanged);
    return text;
}

void TPublishedPropertySheet::setProperty(int index, const QVariant& wrapped)
{
    // Designer calls here from its own frames: a value that a setter refuses stays unset.
    try {
        if (const TPublishedProperty* owned = Owned(index)) {
            const QVariant taken = Taken(owned->Meta(), Unwrapped(wrapped));
            if (taken.isValid())
                owned->SetValue(taken);
            return;
        }
        const QMetaProperty meta = Meta(index);
        if (!meta.isValid() || !TPropertyText::IsColor(meta)) {
            FBase->setProperty(index, wrapped);
            return;
        }
        const QVariant taken = Taken(meta, Unwrapped(wrapped));
        if (taken.isValid())
            FBase->setProperty(index, taken);
    } catch (const std::exception& error) {
        qWarning("%s: %s", qPrintable(propertyName(index)), error.what());
    } catch (...) {
        qWarning("%s: the value was refused", qPrintable(propertyName(index)));
    }
}

bool TPublishedPropertySheet::isChanged(int index) const
{
    if (Owned(index))
        return FOwnedChanged.contains(index);
    return FBase->isChanged(index);
}

void TPublishedPropertySheet::setChanged(int index, bool changed)
{
    if (!Owned(index)) {
        FBase->setChanged(index, changed);
        return;
    }
    if (changed)
        FOwnedChanged.insert(index);
    else
        FOwnedChanged.remove(index);
}

bool TPublishedPropertySheet::isEnabled(int index) const
{
    return Owned(index) ? true : FBase->isEnabled(index);
}

void TPublishedPropertySheetFactory::Install(QDesignerFormEditorInterface* core)
{
    QExtensionManager* manager = core->extensionManager();
    if (manager->findChild<TPublishedPropertySheetFactory*>())
        return;
    manager->registerExtensions(new TPublishedPropertySheetFactory(manager), Q_TYPEID(QDesignerPropertySheetExtension));
}

QObject* TPublishedPropertySheetFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const
{
    if (FFetchingBase || iid != QLatin1String(Q_TYPEID(QDesignerPropertySheetExtension))
        || !TPublishedPropertySheet::Wants(object))
        return nullptr;
    FFetchingBase = true;
    auto* base = qt_extension<QDesignerPropertySheetExtension*>(extensionManager(), object);
    FFetchingBase = false;
    return base ? new TPublishedPropertySheet(base, object, parent) : nullptr;
}
