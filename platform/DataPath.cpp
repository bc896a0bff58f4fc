// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/DataPath.h"

#include <QDir>

QString AppDirOf(const QString& exePath)
{
    const QString path = QDir::fromNativeSeparators(exePath);
    const qsizetype last = path.lastIndexOf(QLatin1Char('/'));
    if (last < 0)
        return QString();
    // Keep the separator when it is the root or follows another separator.
    if (last == 0 || path.at(last - 1) == QLatin1Char('/'))
        return path.left(last + 1);
    return path.left(last);
}

QString DataPath(const QString& appDir, const QString& fileName)
{
    return appDir + QStringLiteral("/data/") + fileName;
}
