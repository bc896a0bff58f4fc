// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/properties/PropertyText.h"

#include "toolkit/graphics/Color.h"

#include <QMetaEnum>
#include <QStringList>

namespace TarvoWidgets {

namespace {

const QString Number = QStringLiteral("number");
const QString Double = QStringLiteral("double");
const QString Bool = QStringLiteral("bool");
const QString String = QStringLiteral("string");
const QString Enum = QStringLiteral("enum");
const QString Set = QStringLiteral("set");
const QString Color = QStringLiteral("color");

// Enumerations and flag sets travel in QVariants of their own type; their number is an int.
int EnumNumber(const QVariant& value)
{
    if (value.metaType().sizeOf() == int(sizeof(int)) && value.metaType().id() >= QMetaType::User) {
        int number = 0;
        std::memcpy(&number, value.constData(), sizeof number);
        return number;
    }
    return value.toInt();
}

QVariant EnumValue(const QMetaProperty& meta, int number)
{
    if (meta.metaType().sizeOf() == int(sizeof(int)))
        return QVariant(meta.metaType(), &number);
    return QVariant(number);
}

// An identifier without the scope that Qt Designer puts in front of it.
QByteArray Unscoped(const QString& identifier)
{
    const QString trimmed = identifier.trimmed();
    const qsizetype scope = trimmed.lastIndexOf(QStringLiteral("::"));
    return (scope < 0 ? trimmed : trimmed.mid(scope + 2)).toUtf8();
}

QString NotAnIdentifier(const QString& text, const QMetaEnum& enumerator)
{
    return QStringLiteral("'%1' は %2 の識別子ではありません").arg(text.trimmed(), QLatin1String(enumerator.name()));
}

bool IsInteger(int typeId)
{
    switch (typeId) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Long: case QMetaType::ULong:
    case QMetaType::Char: case QMetaType::SChar: case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

} // namespace

bool TPropertyText::IsColor(const QMetaProperty& meta)
{
    return meta.metaType() == QMetaType::fromType<TColor>();
}

QString TPropertyText::KindOf(const QMetaProperty& meta)
{
    if (IsColor(meta))
        return String;
    if (meta.isFlagType())
        return Set;
    if (meta.isEnumType())
        return Enum;
    const int id = meta.metaType().id();
    if (id == QMetaType::Bool)
        return Bool;
    if (IsInteger(id))
        return Number;
    if (id == QMetaType::Double || id == QMetaType::Float)
        return Double;
    return String;
}

bool TPropertyText::Same(const QMetaProperty& meta, const QVariant& a, const QVariant& b)
{
    if (meta.isEnumType())
        return EnumNumber(a) == EnumNumber(b);
    return a == b;
}

TPropertyText TPropertyText::From(const QMetaProperty& meta, const QVariant& value)
{
    const QString kind = KindOf(meta);
    if (IsColor(meta)) {
        // A plain colour in the form Qt Designer writes and reads itself; a system colour
        // reference or clNone by name.
        const TColor color = value.value<TColor>();
        if ((color & ~0xFFFFFF) == 0)
            return {Color, QColor(RedOf(color), GreenOf(color), BlueOf(color)).name().toUpper()};
        return {kind, ColorToString(color)};
    }
    if (meta.isFlagType())
        return {kind, QString::fromUtf8(meta.enumerator().valueToKeys(EnumNumber(value)))};
    if (meta.isEnumType())
        return {kind, QString::fromUtf8(meta.enumerator().valueToKey(EnumNumber(value)))};
    if (kind == Bool)
        return {kind, value.toBool() ? QStringLiteral("true") : QStringLiteral("false")};
    if (kind == Double)
        return {kind, QString::number(value.toDouble(), 'g', 17)};
    return {kind, value.toString()};
}

QVariant TPropertyText::ValueFor(const QMetaProperty& meta, QString& why) const
{
    const QString expected = KindOf(meta);
    // The sets and enumerations of owned objects ("Font.Style") are stored as their
    // identifiers in a <string>, as Qt Designer reads a <set> or an <enum> only for a widget's
    // own property.
    const bool identifiersAsText = (meta.isFlagType() || meta.isEnumType()) && Kind == String;
    if (Kind != expected && !(IsColor(meta) && Kind == Color) && !identifiersAsText) {
        why = QStringLiteral("値の型 <%1> は無効です (<%2> が必要です)").arg(Kind, expected);
        return {};
    }
    if (IsColor(meta)) {
        if (const std::optional<TColor> color = StringToColor(Text))
            return QVariant::fromValue(*color);
        why = QStringLiteral("'%1' は色ではありません").arg(Text);
        return {};
    }
    if (meta.isFlagType()) {
        const QMetaEnum enumerator = meta.enumerator();
        int flags = 0;
        for (const QString& identifier : Text.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int flag = enumerator.keyToValue(Unscoped(identifier).constData(), &ok);
            if (!ok) {
                why = NotAnIdentifier(identifier, enumerator);
                return {};
            }
            flags |= flag;
        }
        return EnumValue(meta, flags);
    }
    if (meta.isEnumType()) {
        bool ok = false;
        const int number = meta.enumerator().keyToValue(Unscoped(Text).constData(), &ok);
        if (!ok) {
            why = NotAnIdentifier(Text, meta.enumerator());
            return {};
        }
        return EnumValue(meta, number);
    }
    QVariant value;
    bool ok = true;
    if (Kind == Bool) {
        const QString word = Text.trimmed();
        ok = word == QLatin1String("true") || word == QLatin1String("false");
        value = word == QLatin1String("true");
    } else if (Kind == Number) {
        value = Text.trimmed().toLongLong(&ok);
    } else if (Kind == Double) {
        value = Text.trimmed().toDouble(&ok);
    } else {
        value = Text;
    }
    if (ok && value.metaType() != meta.metaType())
        ok = value.convert(meta.metaType());
    if (!ok) {
        why = QStringLiteral("'%1' は <%2> の値ではありません").arg(Text, Kind);
        return {};
    }
    return value;
}

} // namespace TarvoWidgets
