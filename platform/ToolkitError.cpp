#include "ToolkitError.h"

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

EToolkitError EToolkitError::NoParent(const QString& controlName)
{
    return EToolkitError(QStringLiteral("コントロール '%1' は親ウィンドウを持っていません").arg(controlName));
}

EToolkitError EToolkitError::GridIndex()
{
    return EToolkitError(QStringLiteral("グリッドインデックス が範囲を超えています"));
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
