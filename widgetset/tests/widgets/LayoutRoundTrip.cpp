// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "LayoutRoundTrip.h"

#include "toolkit/base/ClassName.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/properties/PropertyText.h"
#include "toolkit/properties/PublishedProperty.h"
#include "layouts/StoredLayout.h"

#include <QMetaEnum>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>

using namespace TarvoWidgets;

namespace {

// The text of a value other than the present one; salt varies the choice between properties.
QString OtherText(const TPublishedProperty& property, int salt)
{
    const QMetaProperty& meta = property.Meta();
    const QVariant now = property.Value();
    if (TPropertyText::IsColor(meta)) {
        // Every stored form of a colour: system colour, no colour, plain, named.
        const TColor colors[] = {clr::BtnFace, clr::None, 0x123456, clr::Teal, clr::Highlight};
        TColor other = colors[salt % std::size(colors)];
        if (other == now.toInt())
            other = colors[(salt + 1) % std::size(colors)];
        return ColorToString(other);
    }
    const TPropertyText text = TPropertyText::From(meta, now);
    if (meta.isEnumType()) {
        const QMetaEnum enumeration = meta.enumerator();
        const int number = enumeration.keysToValue(text.Text.toUtf8().constData());
        if (meta.isFlagType()) {
            // Another set: the first flag toggled.
            for (int i = 0; i < enumeration.keyCount(); ++i)
                if (enumeration.value(i) != 0)
                    return QString::fromUtf8(enumeration.valueToKeys(number ^ enumeration.value(i)));
        }
        // The identifier after the present one.
        for (int i = 0; i < enumeration.keyCount(); ++i)
            if (enumeration.value(i) == number)
                return QString::fromUtf8(enumeration.key((i + 1) % enumeration.keyCount()));
    }
    if (text.Kind == QLatin1String("bool"))
        return now.toBool() ? QStringLiteral("false") : QStringLiteral("true");
    if (text.Kind == QLatin1String("number"))
        return QString::number(now.toLongLong() + 3 + salt);
    if (text.Kind == QLatin1String("double"))
        return QString::number(now.toDouble() + 0.5 + salt);
    return text.Text + QStringLiteral("・変更%1").arg(salt);
}

} // namespace

void ExpectLayoutRoundTrip(const QString& className, const std::map<QString, QVariant>& values)
{
    QWidget form;
    form.setObjectName(QStringLiteral("Form"));
    form.resize(400, 300);
    QWidget* subject = TStoredLayout::Create(className, &form);
    ASSERT_NE(subject, nullptr) << className.toStdString() << " is not registered";
    subject->setObjectName(QStringLiteral("Subject"));
    subject->setGeometry(12, 34, 160, 48);

    int salt = 0;
    for (const TPublishedProperty& property : TPublishedProperty::Of(subject)) {
        if (!property.Meta().isStored() || !property.Meta().isWritable())
            continue;
        const auto given = values.find(property.Path());
        QVariant value;
        if (given != values.end()) {
            value = given->second;
        } else {
            const TPropertyText text{TPropertyText::KindOf(property.Meta()), OtherText(property, salt++)};
            QString why;
            value = text.ValueFor(property.Meta(), why);
            ASSERT_TRUE(value.isValid()) << property.Path().toStdString() << ": " << why.toStdString();
        }
        EXPECT_TRUE(property.SetValue(value)) << property.Path().toStdString();
    }

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("round-trip.ui"));
    TStoredLayout::Write(file, &form);
    const std::unique_ptr<QWidget> read(TStoredLayout::Read(file));
    QWidget* copy = read->findChild<QWidget*>(QStringLiteral("Subject"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(BareClassName(*copy->metaObject()), className);
    EXPECT_EQ(copy->geometry(), subject->geometry());

    for (const TPublishedProperty& property : TPublishedProperty::Of(subject)) {
        if (!property.Meta().isStored())
            continue;
        const std::optional<TPublishedProperty> back = TPublishedProperty::Find(copy, property.Path());
        ASSERT_TRUE(back.has_value()) << property.Path().toStdString();
        EXPECT_TRUE(TPropertyText::Same(property.Meta(), back->Value(), property.Value()))
            << className.toStdString() << "." << property.Path().toStdString() << ": wrote "
            << TPropertyText::From(property.Meta(), property.Value()).Text.toStdString() << ", read "
            << TPropertyText::From(property.Meta(), back->Value()).Text.toStdString();
    }
}
