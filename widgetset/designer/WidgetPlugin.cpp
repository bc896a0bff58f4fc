#include "WidgetPlugin.h"

#include "PublishedPropertySheet.h"

TWidgetPlugin::TWidgetPlugin(TWidgetEntry entry, QObject* parent)
    : QObject(parent), FEntry(std::move(entry))
{
}

QString TWidgetPlugin::group() const
{
    return QStringLiteral("タルヴォ!! Widgets");
}

QString TWidgetPlugin::domXml() const
{
    // The name Designer gives a new widget, and its size on the form.
    QString name = FEntry.ClassName.mid(1);
    name[0] = name[0].toLower();
    return QStringLiteral(R"(<ui language="c++"><widget class="%1" name="%2">
<property name="geometry"><rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect></property>
</widget></ui>)")
        .arg(FEntry.ClassName, name)
        .arg(FEntry.DefaultSize.width())
        .arg(FEntry.DefaultSize.height());
}

void TWidgetPlugin::initialize(QDesignerFormEditorInterface* core)
{
    if (FInitialized)
        return;
    TPublishedPropertySheetFactory::Install(core);
    FInitialized = true;
}
