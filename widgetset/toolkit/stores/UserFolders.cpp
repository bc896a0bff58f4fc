// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/stores/UserFolders.h"

#include "toolkit/base/ToolkitError.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace TarvoWidgets {

QString UserConfigFolder(const QString& what)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!QDir::isAbsolutePath(folder))
        throw EToolkitError(QStringLiteral("設定フォルダ '%1' が絶対パスではないため、%2を開けません").arg(folder, what));
    return QDir::cleanPath(folder);
}

QString ProgramConfigFolder(const QString& what)
{
    // A name with a separator in it would reach into another program's folder.
    QString name = QCoreApplication::applicationName();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("TarvoWidgets");
    return UserConfigFolder(what) + QLatin1Char('/') + name;
}

} // namespace TarvoWidgets
