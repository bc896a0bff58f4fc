// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/DoubleSize.h"

#include <QGuiApplication>

QString DoubleSizePath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash + 1)
        return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

qreal ScreenPixelRatio()
{
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

QImage WithDoubleSize(QImage picture, const QString& path, qreal ratio, QImage (*read)(const QString&))
{
    if (ratio <= 1.0 || picture.isNull())
        return picture;
    QImage twin;
    try {
        twin = read(DoubleSizePath(path));
    } catch (...) {
        return picture; // missing or damaged: the normal picture serves
    }
    if (twin.size() != picture.size() * 2)
        return picture;
    twin.setDevicePixelRatio(2.0);
    return twin;
}
