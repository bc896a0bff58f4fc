#include "WidgetCollection.h"

#include "WidgetIcons.h"
#include "WidgetPlugin.h"
#include "widgets/ShineSpdBtn.h"
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
        {QStringLiteral("TShineSpeedButton"), QStringLiteral("widgets/ShineSpdBtn.h"),
         QStringLiteral("A speed button with a glyph lit while the pointer is over it and dimmed while disabled"),
         QSize(25, 25), ShineButtonIcon, Create<TShineSpeedButton>},
        // THistoryComboBox: its entry goes here.
    };
    for (const TWidgetEntry& entry : entries)
        FWidgets.append(new TWidgetPlugin(entry, this));
}
