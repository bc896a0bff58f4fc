// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaProperty>
#include <QVariant>

// The values of the widget set's properties as Qt Designer's property editor takes them, and
// back. The type of a value picks the editor that Designer opens for it, and the element that
// Designer writes to the form:
// - a plain colour is a QColor: Designer's colour editor, saved as a <color>, the form in which
//   a stored layout writes a plain colour itself;
// - a system colour or clNone stays its name ("clBtnFace", "clNone"): a text that is not
//   translated, saved as the <string notr="true"> a stored layout holds (uic's code would
//   otherwise pass the name through the translator). (Designer writes a choice list as an
//   <enum>, which neither a stored layout nor uic's code takes for a colour, so names are typed,
//   not picked.)
// - a flag set is Designer's flag value: its flags editor, saved as a <set> of identifiers with
//   their scope, as uic's code names them; Designer can then also read a <set> of an owned
//   object ("Font.Style"), scoped or not.
// Designer's own types need its private headers: a plugin is tied to the Qt build it was made
// with anyway (Designer refuses plugins of another build key).
namespace TDesignerValues {

// What the property editor shows for a property's value.
QVariant Shown(const QMetaProperty& meta, const QVariant& value);
// The property's value for what the editor (or a form being read) hands back; an invalid
// QVariant for what is no value of it.
QVariant Taken(const QMetaProperty& meta, const QVariant& value);
// A value with a text that Designer wraps in its own type (for the translation settings)
// taken out of the wrapper; other values as they are.
QVariant Unwrapped(const QVariant& value);

} // namespace TDesignerValues
