// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/base/ToolkitError.h"

namespace TarvoWidgets {

/// The errors of INI files and the registry, with the toolkit's texts. The last three are this
/// platform's own: names and values that would break a file's line structure are refused
/// rather than written.
namespace ProfileErrors {

/// A file that could not be written (or replaced), named as given.
EToolkitError WriteFailed(const QString& fileName);
/// A text that should hold an integer and does not.
EToolkitError NotAnInteger(const QString& text);
/// A registry key that could not be created or opened for writing.
EToolkitError KeyCreateFailed(const QString& key);
/// A registry value that could not be written, named by the value's name.
EToolkitError SetFailed(const QString& valueName);
/// A registry value that could not be read.
EToolkitError GetFailed(const QString& valueName);
/// A registry value of another type than the one asked for.
EToolkitError InvalidDataType(const QString& valueName);

/// A section name that is empty, or holds a line break or "]", or starts or ends with a blank.
EToolkitError SectionNameInvalid(const QString& section);
/// A key name that is empty, or holds a line break or "=", starts with "[" or ";", or starts
/// or ends with a blank.
EToolkitError KeyNameInvalid(const QString& key);
/// A value with a line break in it.
EToolkitError ValueLineBreak(const QString& key);
/// A file that would grow past what a read accepts (limit in bytes); it is left as it was.
EToolkitError TooLarge(const QString& fileName, qint64 limit);

} // namespace ProfileErrors

} // namespace TarvoWidgets
