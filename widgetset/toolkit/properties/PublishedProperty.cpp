// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/properties/PublishedProperty.h"

#include "toolkit/application/Application.h"
#include "toolkit/properties/PropertyWrite.h"

#include "toolkit/base/ClassName.h"

#include "toolkit/properties/PropertyText.h"

#include <QDebug>
#include <QPointer>

namespace TarvoWidgets {

namespace {

// The first property that the object's own classes declare: everything before it comes from
// Qt's classes, whose names start with a Q.
int FirstOwnProperty(const QMetaObject* meta)
{
    const QMetaObject* qtBase = meta;
    while (qtBase && !QByteArray(qtBase->className()).startsWith('Q'))
        qtBase = qtBase->superClass();
    return qtBase ? qtBase->propertyCount() : 0;
}

} // namespace

TPublishedProperty::TPublishedProperty(QObject* object, QMetaProperty meta, QString path)
    : FObject(object), FMeta(std::move(meta)), FPath(std::move(path))
{
}

bool TPublishedProperty::IsOwnedObject(const QMetaProperty& meta)
{
    return meta.metaType().flags().testFlag(QMetaType::PointerToQObject);
}

std::vector<TPublishedProperty> TPublishedProperty::Of(QObject* component)
{
    std::vector<TPublishedProperty> properties;
    Collect(component, QString(), properties);
    return properties;
}

void TPublishedProperty::Collect(QObject* object, const QString& prefix, std::vector<TPublishedProperty>& into)
{
    const QMetaObject* meta = object->metaObject();
    for (int i = FirstOwnProperty(meta); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString path = prefix + QString::fromLatin1(property.name());
        if (!IsOwnedObject(property)) {
            into.emplace_back(object, property, path);
            continue;
        }
        // An owned object is stored with its owner, property by property, unless its owner
        // declares it not stored at all.
        if (!property.isStored())
            continue;
        if (QObject* owned = property.read(object).value<QObject*>())
            Collect(owned, path + QLatin1Char('.'), into);
    }
}

std::optional<TPublishedProperty> TPublishedProperty::Find(QObject* component, const QString& path)
{
    QObject* object = component;
    const QStringList parts = path.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QMetaObject* meta = object->metaObject();
        const int index = meta->indexOfProperty(parts[i].toUtf8().constData());
        if (index < FirstOwnProperty(meta))
            return std::nullopt;
        const QMetaProperty property = meta->property(index);
        const bool last = i == parts.size() - 1;
        if (last)
            return IsOwnedObject(property) ? std::nullopt : std::optional(TPublishedProperty(object, property, path));
        if (!IsOwnedObject(property))
            return std::nullopt;
        object = property.read(object).value<QObject*>();
        if (!object)
            return std::nullopt;
    }
    return std::nullopt;
}

bool TPublishedProperty::TakeDynamicValue(QObject* component, const QDynamicPropertyChangeEvent& event)
{
    const QByteArray name = event.propertyName();
    if (!name.contains('.'))
        return false;
    const QVariant value = component->property(name.constData());
    if (!value.isValid())
        return true; // the dynamic property taken off below
    const std::optional<TPublishedProperty> property = Find(component, QString::fromUtf8(name));
    if (!property) {
        qWarning().noquote() << BareClassName(*component->metaObject()) << "has no published property" << name;
        return true;
    }
    // Called from the component's event(): a refused value is told, never raised into Qt. The
    // change signal's slot may free the component; then there is nothing left to take off.
    const QString className = BareClassName(*component->metaObject());
    QPointer<QObject> alive(component);
    try {
        if (!property->SetValue(value))
            qWarning().noquote() << className << "refuses" << value << "for" << name;
    } catch (...) {
        qWarning().noquote() << className << "refuses" << value << "for" << name
                             << ":" << TApplication::CurrentExceptionMessage();
    }
    if (alive)
        component->setProperty(name.constData(), QVariant());
    return true;
}

bool TPublishedProperty::SetValue(const QVariant& value) const
{
    const TPropertyRefusal refusal;
    const bool written = FMeta.write(FObject, value);
    refusal.RethrowIfRefused();
    return written;
}

std::optional<QVariant> TPublishedProperty::Default() const
{
    const QByteArray key = QByteArrayLiteral("Default:") + FMeta.name();
    const QMetaObject* meta = FObject->metaObject();
    const int index = meta->indexOfClassInfo(key.constData());
    if (index < 0)
        return std::nullopt;
    const QMetaProperty& property = FMeta;
    const TPropertyText text{TPropertyText::KindOf(property), QString::fromUtf8(meta->classInfo(index).value())};
    QString why;
    const QVariant value = text.ValueFor(property, why);
    if (!value.isValid()) {
        // A fault of the class, not of any layout: the property is then always written.
        qWarning() << meta->className() << key << why;
        return std::nullopt;
    }
    return value;
}

bool TPublishedProperty::IsWritten() const
{
    if (!FMeta.isStored() || !FMeta.isWritable())
        return false;
    const std::optional<QVariant> declared = Default();
    return !declared || !TPropertyText::Same(FMeta, Value(), *declared);
}

} // namespace TarvoWidgets
