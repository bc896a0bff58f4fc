// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "FormCheck.h"

#include <toolkit/properties/PropertyText.h>
#include <toolkit/properties/PublishedProperty.h>
#include <layouts/StoredLayout.h>

#include <QDebug>
#include <QFileInfo>
#include <QImage>

using namespace TarvoWidgets;

namespace {

QString Text(const TPublishedProperty& property)
{
    const TPropertyText text = TPropertyText::From(property.Meta(), property.Value());
    return text.Kind + QLatin1Char(':') + text.Text;
}

QString Rect(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QImage Picture(QWidget& form)
{
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

bool TFormCheck::Differs(const QString& what, const QString& compiled, const QString& read)
{
    if (compiled == read)
        return false;
    qCritical().noquote() << FForm << what << "compiled:" << compiled << "read:" << read;
    return true;
}

bool TFormCheck::Compare(const QString& fileName, QWidget& compiled)
{
    FForm = QFileInfo(fileName).fileName();
    const std::unique_ptr<QWidget> read(TStoredLayout::Read(fileName));
    bool same = !Differs(QStringLiteral("form size"), Rect(compiled.geometry()), Rect(read->geometry()));

    for (QWidget* readWidget : read->findChildren<QWidget*>()) {
        if (readWidget->objectName().isEmpty() || !TStoredLayout::Create(QString::fromLatin1(readWidget->metaObject()->className())))
            continue; // Qt's own widgets and their inner parts: Qt's business
        ++FWidgets;
        const QString name = readWidget->objectName();
        auto* compiledWidget = compiled.findChild<QWidget*>(name);
        if (!compiledWidget) {
            same = !Differs(name, QStringLiteral("(missing)"), QStringLiteral("(present)")) && same;
            continue;
        }
        same = !Differs(name + QStringLiteral(" class"), QString::fromLatin1(compiledWidget->metaObject()->className()),
                        QString::fromLatin1(readWidget->metaObject()->className())) && same;
        same = !Differs(name + QStringLiteral(" geometry"), Rect(compiledWidget->geometry()), Rect(readWidget->geometry())) && same;
        const std::vector<TPublishedProperty> readProperties = TPublishedProperty::Of(readWidget);
        for (const TPublishedProperty& property : readProperties) {
            const std::optional<TPublishedProperty> twin = TPublishedProperty::Find(compiledWidget, property.Path());
            ++FProperties;
            same = !Differs(name + QLatin1Char('.') + property.Path(), twin ? Text(*twin) : QStringLiteral("(missing)"),
                            Text(property)) && same;
        }
    }

    const QImage compiledPicture = Picture(compiled);
    const QImage readPicture = Picture(*read);
    if (compiledPicture != readPicture) {
        same = false;
        const QString base = FOutputFolder + QLatin1Char('/') + QFileInfo(fileName).completeBaseName();
        compiledPicture.save(base + QStringLiteral("-compiled.png"));
        readPicture.save(base + QStringLiteral("-read.png"));
        qCritical().noquote() << FForm << "the pictures differ; see" << base + QStringLiteral("-*.png");
    }
    return same;
}
