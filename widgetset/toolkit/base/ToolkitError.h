// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QString>
#include <exception>
#include <string>

class QObject;

namespace TarvoWidgets {

/// The toolkit's raised error. It carries the user-facing Japanese text; the default handler
/// (TApplication::HandleException, or start-up) shows that text in the error box.
class TARVOWIDGETS_EXPORT EToolkitError : public std::exception {
public:
    explicit EToolkitError(QString message);

    const QString& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FUtf8.c_str(); }

    /// A data file that is missing or cannot be opened, named by its full path.
    static EToolkitError FileOpen(const QString& path);
    /// A file that opened but does not hold a valid bitmap.
    static EToolkitError InvalidBitmap();
    /// A property written with a value outside the ones it has.
    static EToolkitError InvalidPropertyValue();
    /// A grid asked to make a cell current that it does not have.
    static EToolkitError GridIndex();
    /// An object asked to take the values of another (or to give its own to another) that is not
    /// of a kind it can copy; names the class of each side, "(なし)" for none.
    static EToolkitError Assign(const QObject* source, const QObject* dest);
    /// A stored layout that cannot be read: the file, the component and the property at fault
    /// (either may be empty when the fault lies outside a property), and why.
    static EToolkitError ReadError(const QString& fileName, const QString& component,
                                   const QString& property, const QString& reason);

private:
    QString FMessage;
    std::string FUtf8;
};

} // namespace TarvoWidgets
