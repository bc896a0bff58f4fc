#include "ColorPropertySheet.h"

#include "toolkit/Color.h"
#include "toolkit/PropertyText.h"

#include <QExtensionManager>
#include <QtDesigner/QDesignerFormEditorInterface>

using namespace TarvoWidgets;

TColorPropertySheet::TColorPropertySheet(QDesignerPropertySheetExtension* base, QObject* widget, QObject* parent)
    : QObject(parent), FBase(base), FWidget(widget)
{
}

bool TColorPropertySheet::HasColorProperty(const QObject* object)
{
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (TPropertyText::IsColor(meta->property(i)))
            return true;
    return false;
}

bool TColorPropertySheet::IsColorProperty(int index) const
{
    const QMetaObject* meta = FWidget->metaObject();
    const int property = meta->indexOfProperty(FBase->propertyName(index).toUtf8().constData());
    return property >= 0 && TPropertyText::IsColor(meta->property(property));
}

QVariant TColorPropertySheet::property(int index) const
{
    const QVariant value = FBase->property(index);
    if (!IsColorProperty(index))
        return value;
    return ToQColor(value.value<TColor>());
}

void TColorPropertySheet::setProperty(int index, const QVariant& value)
{
    if (!IsColorProperty(index) || value.metaType().id() != QMetaType::QColor) {
        FBase->setProperty(index, value);
        return;
    }
    const QColor color = value.value<QColor>();
    if (color == ToQColor(FBase->property(index).value<TColor>()))
        return; // untouched: a system colour stays a reference
    FBase->setProperty(index, QVariant::fromValue(FromQColor(color)));
}

void TColorPropertySheetFactory::Install(QDesignerFormEditorInterface* core)
{
    QExtensionManager* manager = core->extensionManager();
    if (manager->findChild<TColorPropertySheetFactory*>())
        return;
    manager->registerExtensions(new TColorPropertySheetFactory(manager), Q_TYPEID(QDesignerPropertySheetExtension));
}

QObject* TColorPropertySheetFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const
{
    if (FFetchingBase || iid != QLatin1String(Q_TYPEID(QDesignerPropertySheetExtension))
        || !TColorPropertySheet::HasColorProperty(object))
        return nullptr;
    FFetchingBase = true;
    auto* base = qt_extension<QDesignerPropertySheetExtension*>(extensionManager(), object);
    FFetchingBase = false;
    return base ? new TColorPropertySheet(base, object, parent) : nullptr;
}
