// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "EditorValues.h"

#include "toolkit/graphics/Color.h"
#include "toolkit/properties/PropertyText.h"

#include <QColor>
#include <QMetaEnum>
#include <QtDesigner/private/qdesigner_utils_p.h>
#include <cstring>

using namespace TarvoWidgets;
using qdesigner_internal::DesignerMetaFlags;
using qdesigner_internal::PropertySheetFlagValue;
using qdesigner_internal::PropertySheetStringValue;

namespace TDesignerValues {

namespace {

// The identifiers of a flag set, which Designer saves with their scope
// ("TarvoWidgets::TFont::fsBold"): uic's code names them so, and a stored layout reads both.
DesignerMetaFlags FlagsOf(const QMetaProperty& meta)
{
    const QMetaEnum enumerator = meta.enumerator();
    DesignerMetaFlags flags(QString::fromLatin1(enumerator.name()), QString::fromLatin1(enumerator.scope()),
                            QStringLiteral("::"));
    for (int i = 0; i < enumerator.keyCount(); ++i)
        flags.addKey(uint(enumerator.value(i)), QString::fromLatin1(enumerator.key(i)));
    return flags;
}

// A flag set travels in a QVariant of its own type, whose number is an int.
int FlagNumber(const QVariant& value)
{
    int number = 0;
    if (value.metaType().sizeOf() == int(sizeof number) && value.metaType().id() >= QMetaType::User)
        std::memcpy(&number, value.constData(), sizeof number);
    else
        number = value.toInt();
    return number;
}

bool IsPlainColor(TColor color)
{
    return (color & ~0xFFFFFF) == 0;
}

// Whether a property is shown in a type of Designer's own rather than as its value.
bool IsTranslated(const QMetaProperty& meta)
{
    return TPropertyText::IsColor(meta) || meta.isFlagType();
}

} // namespace

QVariant Shown(const QMetaProperty& meta, const QVariant& value)
{
    if (TPropertyText::IsColor(meta)) {
        const TColor color = value.value<TColor>();
        if (IsPlainColor(color))
            return ToQColor(color);
        return QVariant::fromValue(PropertySheetStringValue(ColorToString(color), false));
    }
    if (meta.isFlagType())
        return QVariant::fromValue(PropertySheetFlagValue(FlagNumber(value), FlagsOf(meta)));
    return value;
}

QVariant Unwrapped(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<PropertySheetStringValue>())
        return value.value<PropertySheetStringValue>().value();
    if (value.metaType() == QMetaType::fromType<PropertySheetFlagValue>())
        return value.value<PropertySheetFlagValue>().value;
    return value;
}

QVariant Taken(const QMetaProperty& meta, const QVariant& wrapped)
{
    const QVariant value = Unwrapped(wrapped);
    if (TPropertyText::IsColor(meta) && value.metaType().id() == QMetaType::QColor)
        return QVariant::fromValue(FromQColor(value.value<QColor>()));
    if (!IsTranslated(meta))
        return value.metaType() == meta.metaType() || value.canConvert(meta.metaType()) ? value : QVariant();
    if (meta.isFlagType() && value.metaType().id() == QMetaType::Int) {
        const int number = value.toInt();
        return QVariant(meta.metaType(), &number);
    }
    const QString kind = TPropertyText::IsColor(meta) ? QStringLiteral("string") : QStringLiteral("set");
    QString why;
    return TPropertyText{kind, value.toString()}.ValueFor(meta, why);
}

} // namespace TDesignerValues
