// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/stores/ProfileErrors_p.h"

namespace TarvoWidgets {

namespace ProfileErrors {

EToolkitError WriteFailed(const QString& fileName)
{
    return EToolkitError(QStringLiteral("%1 に書き込めません").arg(fileName));
}

EToolkitError NotAnInteger(const QString& text)
{
    return EToolkitError(QStringLiteral("'%1' は整数ではありません").arg(text));
}

EToolkitError KeyCreateFailed(const QString& key)
{
    return EToolkitError(QStringLiteral("キー %1 の作成に失敗しました").arg(key));
}

EToolkitError SetFailed(const QString& valueName)
{
    return EToolkitError(QStringLiteral("'%1' の設定に失敗しました").arg(valueName));
}

EToolkitError GetFailed(const QString& valueName)
{
    return EToolkitError(QStringLiteral("'%1' の取得に失敗しました").arg(valueName));
}

EToolkitError InvalidDataType(const QString& valueName)
{
    return EToolkitError(QStringLiteral("'%1' のデータ型が不正です").arg(valueName));
}

EToolkitError SectionNameInvalid(const QString& section)
{
    return EToolkitError(QStringLiteral("セクション名 '%1' は使えません").arg(section));
}

EToolkitError KeyNameInvalid(const QString& key)
{
    return EToolkitError(QStringLiteral("キー名 '%1' は使えません").arg(key));
}

EToolkitError ValueLineBreak(const QString& key)
{
    return EToolkitError(QStringLiteral("'%1' の値に改行は使えません").arg(key));
}

EToolkitError TooLarge(const QString& fileName, qint64 limit)
{
    return EToolkitError(QStringLiteral("%1 は上限の %2 バイトを超えるため書き込めません").arg(fileName).arg(limit));
}

} // namespace ProfileErrors

} // namespace TarvoWidgets
