// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "InformationPage.h"

#include "platform/Services.h"

#include <QDir>
#include <QUrl>

QString InformationAddress(const QString& executablePath)
{
    const QString path = QDir::fromNativeSeparators(executablePath);
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return QStringLiteral("http://") + QLatin1String(InformationHost) + QStringLiteral("/info.php?pf=w&sn=")
        + QString::fromLatin1(QUrl::toPercentEncoding(name));
}

void OpenInformationPage(TServices& services)
{
    services.OpenUrl(InformationAddress(services.ExecutablePath()));
}
