// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaObject>
#include <QString>

namespace TarvoWidgets {

/// A class's name as the toolkit shows it in its messages: without the namespace that Qt's
/// meta-object puts before it ("TarvoWidgets::TShineBtnColors" is "TShineBtnColors").
inline QString BareClassName(const QString& className)
{
    const qsizetype separator = className.lastIndexOf(QLatin1String("::"));
    return separator < 0 ? className : className.mid(separator + 2);
}
inline QString BareClassName(const QMetaObject& meta)
{
    return BareClassName(QString::fromLatin1(meta.className()));
}

} // namespace TarvoWidgets
