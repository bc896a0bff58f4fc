#include "WidgetCollection.h"

#include "WidgetIcons.h"
#include "WidgetPlugin.h"
#include "widgets/ZRKFadeButton.h"

namespace {

template <class TWidget>
QWidget* Create(QWidget* parent)
{
    return new TWidget(parent);
}

} // namespace

TWidgetCollection::TWidgetCollection(QObject* parent)
    : QObject(parent)
{
    // One entry per widget of the set: class, header, tool tip, default size, icon, creation.
    const TWidgetEntry entries[] = {
        {QStringLiteral("TZRKFadeButton"), QStringLiteral("widgets/ZRKFadeButton.h"),
         QStringLiteral("A push button whose fill and outline fade to their hover colours"),
         QSize(150, 30), FadeButtonIcon, Create<TZRKFadeButton>},
        // TShineSpeedButton: its entry goes here.
        // THistoryComboBox: its entry goes here.
    };
    for (const TWidgetEntry& entry : entries)
        FWidgets.append(new TWidgetPlugin(entry, this));
}
