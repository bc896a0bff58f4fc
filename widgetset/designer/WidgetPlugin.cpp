// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "WidgetPlugin.h"

#include "PublishedPropertySheet.h"

#include <QWidget>
#include <memory>

TWidgetPlugin::TWidgetPlugin(TWidgetEntry entry, QObject* parent)
    : QObject(parent), FEntry(std::move(entry))
{
}

QString TWidgetPlugin::group() const
{
    return QStringLiteral("タルヴォ!! Widgets");
}

QString TWidgetPlugin::BareName(const QString& className)
{
    // "TarvoWidgets::TZRKFadeButton" → "ZRKFadeButton": the namespace and the toolkit's "T" go.
    QString name = className.mid(className.lastIndexOf(QLatin1Char(':')) + 1);
    if (name.size() > 1 && name[0] == QLatin1Char('T') && name[1].isUpper())
        name.remove(0, 1);
    return name;
}

QString TWidgetPlugin::DefaultObjectName(const QString& className)
{
    // As Designer names its own widgets (pushButton, comboBox): the leading capitals in lower
    // case, but for the last of a run that starts the next word (ZRKFadeButton → zrkFadeButton).
    QString name = BareName(className);
    qsizetype capitals = 0;
    while (capitals < name.size() && name[capitals].isUpper())
        ++capitals;
    if (capitals > 1 && capitals < name.size())
        --capitals;
    for (qsizetype i = 0; i < std::max<qsizetype>(capitals, 1) && i < name.size(); ++i)
        name[i] = name[i].toLower();
    return name;
}

QString TWidgetPlugin::domXml() const
{
    // The name Designer gives a new widget, its caption (the buttons come with one, as
    // Designer's own do) and its size on the form: the size hint of a widget that shows it.
    const QString caption = FEntry.HasCaption ? BareName(FEntry.ClassName) : QString();
    QSize size(100, 30);
    if (const std::unique_ptr<QWidget> sample(FEntry.Create(nullptr)); sample) {
        if (!caption.isEmpty())
            sample->setProperty("Caption", caption);
        size = sample->sizeHint();
    }
    QString properties = QStringLiteral(
        R"(<property name="geometry"><rect><x>0</x><y>0</y><width>%1</width><height>%2</height></rect></property>)")
        .arg(size.width()).arg(size.height());
    if (!caption.isEmpty())
        properties += QStringLiteral(R"(<property name="Caption" stdset="0"><string>%1</string></property>)").arg(caption);
    return QStringLiteral(R"(<ui language="c++"><widget class="%1" name="%2">
%3
</widget></ui>)")
        .arg(FEntry.ClassName, DefaultObjectName(FEntry.ClassName), properties);
}

void TWidgetPlugin::initialize(QDesignerFormEditorInterface* core)
{
    if (FInitialized)
        return;
    TPublishedPropertySheetFactory::Install(core);
    FInitialized = true;
}
