// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QString>

namespace TarvoWidgets {

/// The user's configuration folder as QStandardPaths gives it ($XDG_CONFIG_HOME, else
/// $HOME/.config), without a trailing separator. Raises an error naming the folder and what
/// could not be opened (what, e.g. "レジストリ") when it is a relative path (HOME set to one and
/// XDG_CONFIG_HOME unset): what is kept there would follow the current folder.
TARVOWIDGETS_EXPORT QString UserConfigFolder(const QString& what);

/// The running program's own folder in the user's configuration folder, named after the
/// application (QCoreApplication::applicationName, the executable's name unless the program
/// sets another). what as for UserConfigFolder.
TARVOWIDGETS_EXPORT QString ProgramConfigFolder(const QString& what);

} // namespace TarvoWidgets
