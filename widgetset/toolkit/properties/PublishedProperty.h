// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QDynamicPropertyChangeEvent>
#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace TarvoWidgets {

/// One published property of a component as a stored layout sees it: a Q_PROPERTY declared by
/// the component's own classes (Qt's inherited ones are the form builder's business), or one of
/// an object that the component owns and publishes through a pointer-typed property; the owned
/// object's properties get the owner's property name and a dot in front ("Colors.Color").
///
/// A property is written to a stored layout when it is STORED and writable and does not equal
/// its published default. A class declares a published default beside the property:
///     Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
///     Q_CLASSINFO("Default:Flat", "false")
/// in the same text that a layout file holds (see PropertyText.h); without one, the property is
/// always written.
class TARVOWIDGETS_EXPORT TPublishedProperty {
public:
    TPublishedProperty(QObject* object, QMetaProperty meta, QString path);

    /// Every published property of component in declaration order, the properties of an owned
    /// object in place of the property that publishes it.
    static std::vector<TPublishedProperty> Of(QObject* component);
    /// The published property at path ("Caption", "Colors.Color"), if there is one.
    static std::optional<TPublishedProperty> Find(QObject* component, const QString& path);
    /// Whether a property publishes an owned object rather than a value.
    static bool IsOwnedObject(const QMetaProperty& meta);
    /// A value given to component under the path of an owned object's property ("Colors.Color")
    /// through Qt's property system, as the code that uic makes of a stored layout does: Qt keeps
    /// it as a dynamic property. Writes it to the owned object's property and takes the dynamic
    /// property off again. Call it from the component's event() with every
    /// QEvent::DynamicPropertyChange; true when the event was such a path (handled).
    static bool TakeDynamicValue(QObject* component, const QDynamicPropertyChangeEvent& event);

    QObject* Object() const { return FObject; }
    const QMetaProperty& Meta() const { return FMeta; }
    const QString& Path() const { return FPath; }

    QVariant Value() const { return FMeta.read(FObject); }
    /// Writes the value; false for a property that cannot be written. A value that the
    /// property's setter refuses raises the setter's error here, in our own frame.
    bool SetValue(const QVariant& value) const;
    /// The declared default, if the class declares one.
    std::optional<QVariant> Default() const;
    /// Whether a stored layout carries the property at its present value.
    bool IsWritten() const;

private:
    static void Collect(QObject* object, const QString& prefix, std::vector<TPublishedProperty>& into);

    QObject* FObject;
    QMetaProperty FMeta;
    QString FPath;
};

} // namespace TarvoWidgets
