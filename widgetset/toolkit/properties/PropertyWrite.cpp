// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/properties/PropertyWrite.h"

#include "toolkit/application/Application.h"
#include "toolkit/base/ClassName.h"

#include <QDebug>

namespace TarvoWidgets {

namespace {

// The innermost open refusal on this thread; widgets live on the GUI thread alone.
thread_local TPropertyRefusal* OpenRefusal = nullptr;

// The value as the warning shows it: its text where Qt has one, else a pointer's null-ness.
QString ValueText(const QVariant& value)
{
    // An enumeration's number that names none of its values has no text of its own.
    if (value.metaType().flags().testFlag(QMetaType::IsEnumeration) && value.toString().isEmpty())
        return QString::number(value.toLongLong());
    if (value.canConvert<QString>())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    if (value.metaType().flags().testFlag(QMetaType::PointerToQObject))
        return value.value<QObject*>() ? QStringLiteral("(an object)") : QStringLiteral("null");
    return QString::fromLatin1(value.typeName());
}

} // namespace

TPropertyRefusal::TPropertyRefusal()
    : FOuter(OpenRefusal)
{
    OpenRefusal = this;
}

TPropertyRefusal::~TPropertyRefusal()
{
    OpenRefusal = FOuter;
}

void TPropertyRefusal::RethrowIfRefused() const
{
    if (FError)
        std::rethrow_exception(FError);
}

void TPropertyRefusal::Refused(const QObject* object, const char* property, const QVariant& value) noexcept
{
    if (OpenRefusal) {
        OpenRefusal->FError = std::current_exception();
        return;
    }
    try {
        qWarning().noquote() << QStringLiteral("%1: property %2 refuses the value %3 (%4); it keeps its old value")
                                    .arg(BareClassName(*object->metaObject()), QString::fromLatin1(property),
                                         ValueText(value), TApplication::CurrentExceptionMessage());
    } catch (...) {
        // Nothing more can be told; the write stays refused.
    }
}

} // namespace TarvoWidgets
