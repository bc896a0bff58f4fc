// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QMetaProperty>
#include <QString>
#include <QVariant>

namespace TarvoWidgets {

/// A property value as a stored layout holds it: a kind, which is the name of the element of the
/// layout file that carries it, and the text inside. Each property type has one kind:
///   number  integers                     `<number>12</number>`
///   double  floating point               `<double>0.5</double>`
///   bool    booleans                     `<bool>true</bool>`
///   string  text, and system colours     `<string>もっと!</string>`  `<string>clBtnFace</string>`
///   color   a plain colour (TColor)      `<color><red>18</red><green>52</green><blue>86</blue></color>`
///   enum    an enumeration's identifier  `<enum>alClient</enum>`
///   set     a flag set's identifiers     `<set>akLeft|akTop</set>`
/// A plain colour is written as a `<color>` (the form Qt Designer itself reads and writes; Text
/// holds it as `#RRGGBB`), a system colour reference or clNone by its name (ColorToString); a
/// colour is read from a `<color>` or from any text that StringToColor takes ("clMaroon",
/// "#800000"). An
/// enumeration identifier may carry its scope ("TControlPlacement::alClient"), as Qt Designer
/// writes it. A flag set or an enumeration is also read from a `<string>` of its identifiers,
/// the form in which the sets and enumerations of owned objects (`Font.Style`) are stored, as
/// Qt Designer reads a `<set>` or an `<enum>` only for a widget's own property.
struct TARVOWIDGETS_EXPORT TPropertyText {
    QString Kind;
    QString Text;

    /// The value of a property in its stored form.
    static TPropertyText From(const QMetaProperty& meta, const QVariant& value);
    /// The kind that a property's values have.
    static QString KindOf(const QMetaProperty& meta);
    /// Whether a property holds a toolkit colour.
    static bool IsColor(const QMetaProperty& meta);
    /// Two values of a property, compared as the property's type (enumerations by their number).
    static bool Same(const QMetaProperty& meta, const QVariant& a, const QVariant& b);

    /// The value that this text gives the property; an invalid QVariant with the reason in why
    /// when the kind is not the property's or the text is no value of it.
    QVariant ValueFor(const QMetaProperty& meta, QString& why) const;
};

} // namespace TarvoWidgets
