// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/base/ToolkitError.h"

#include "toolkit/base/ClassName.h"

#include <QObject>

namespace TarvoWidgets {

EToolkitError::EToolkitError(QString message)
    : FMessage(std::move(message)), FUtf8(FMessage.toStdString())
{
}

EToolkitError EToolkitError::FileOpen(const QString& path)
{
    return EToolkitError(QStringLiteral("ファイル %1 は開けません").arg(path));
}

EToolkitError EToolkitError::InvalidBitmap()
{
    return EToolkitError(QStringLiteral("ビットマップイメージが不正です"));
}

EToolkitError EToolkitError::InvalidPropertyValue()
{
    return EToolkitError(QStringLiteral("プロパティ値が不正です"));
}

EToolkitError EToolkitError::GridIndex()
{
    return EToolkitError(QStringLiteral("グリッドインデックス が範囲を超えています"));
}

EToolkitError EToolkitError::Assign(const QObject* source, const QObject* dest)
{
    const auto className = [](const QObject* object) {
        return object ? BareClassName(*object->metaObject()) : QStringLiteral("(なし)");
    };
    return EToolkitError(QStringLiteral("%1 を %2 に代入できません").arg(className(source), className(dest)));
}

EToolkitError EToolkitError::ReadError(const QString& fileName, const QString& component,
                                       const QString& property, const QString& reason)
{
    QString where = component;
    if (!property.isEmpty())
        where += QLatin1Char('.') + property;
    if (where.isEmpty())
        return EToolkitError(QStringLiteral("%1 の読み込みエラー: %2").arg(fileName, reason));
    return EToolkitError(QStringLiteral("%1 の読み込みエラー: %2: %3").arg(fileName, where, reason));
}

} // namespace TarvoWidgets
