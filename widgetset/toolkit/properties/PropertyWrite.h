// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <exception>

namespace TarvoWidgets {

/// Writes through Qt's property system (setProperty, Qt Designer, the code uic makes of a form)
/// come in through Qt's frames, which an exception must never cross. A property whose C++
/// setter may raise therefore declares a noexcept WRITE accessor that runs the setter through
/// WriteProperty:
///     Q_PROPERTY(QString Glyph READ GlyphText WRITE WriteGlyphText)
///     void WriteGlyphText(const QString& v) noexcept { WriteProperty(this, "Glyph", v, &T::SetGlyphText); }
/// A refused value leaves the property as the setter left it (the setters check before they
/// store) and is reported with a warning naming the property and the value; C++ callers of the
/// setter itself still get the error.
///
/// A reader that wants the error itself (the stored-layout reader, which reports the file and
/// the component) opens a TPropertyRefusal around the write: the refusal is then kept there
/// instead of being logged.
class TARVOWIDGETS_EXPORT TPropertyRefusal {
public:
    TPropertyRefusal();
    ~TPropertyRefusal();
    TPropertyRefusal(const TPropertyRefusal&) = delete;
    TPropertyRefusal& operator=(const TPropertyRefusal&) = delete;

    /// Raises the refused write's error again, if a write was refused while this was open.
    void RethrowIfRefused() const;

    /// Called by WriteProperty from its catch block; never raises.
    static void Refused(const QObject* object, const char* property, const QVariant& value) noexcept;

private:
    TPropertyRefusal* FOuter;
    std::exception_ptr FError;
};

template <typename Object, typename Value, typename Arg>
void WriteProperty(Object* object, const char* property, const Value& value, void (Object::*setter)(Arg)) noexcept
{
    try {
        (object->*setter)(value);
    } catch (...) {
        TPropertyRefusal::Refused(object, property, QVariant::fromValue(value));
    }
}

} // namespace TarvoWidgets
