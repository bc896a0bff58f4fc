// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "WidgetCollection.h"

#include "WidgetIcons.h"
#include "WidgetPlugin.h"
#include "toolkit/controls/SpeedButton.h"
#include "widgets/ShineSpeedButton.h"
#include "widgets/HistoryComboBox.h"
#include "widgets/ZRKFadeButton.h"

using namespace TarvoWidgets;

namespace {

template <class TWidget>
QWidget* Create(QWidget* parent)
{
    return new TWidget(parent);
}

// The class's full name, which a form names it by and uic's code makes it by.
template <class TWidget>
QString ClassName()
{
    return QString::fromLatin1(TWidget::staticMetaObject.className());
}

// A history box on a form in the designer must not load or save the history it stands for.
QWidget* CreateDesignTimeHistoryBox(QWidget* parent)
{
    auto* box = new THistoryComboBox(parent);
    box->SetDesigning(true);
    return box;
}

} // namespace

TWidgetCollection::TWidgetCollection(QObject* parent)
    : QObject(parent)
{
    // One entry per widget of the set: class, header, tool tip, whether a new one has a caption,
    // icon, creation.
    const TWidgetEntry entries[] = {
        {ClassName<TZRKFadeButton>(), QStringLiteral("widgets/ZRKFadeButton.h"),
         QStringLiteral("A push button whose fill and outline fade to their hover colours"),
         true, FadeButtonIcon, Create<TZRKFadeButton>},
        {ClassName<TShineSpeedButton>(), QStringLiteral("widgets/ShineSpeedButton.h"),
         QStringLiteral("A speed button with a glyph lit while the pointer is over it and dimmed while disabled"),
         true, ShineButtonIcon, Create<TShineSpeedButton>},
        {ClassName<THistoryComboBox>(), QStringLiteral("widgets/HistoryComboBox.h"),
         QStringLiteral("An editable combo box that keeps a most-recently-used history in an INI file or the registry"),
         false, HistoryComboBoxIcon, CreateDesignTimeHistoryBox},
        {ClassName<TSpeedButton>(), QStringLiteral("toolkit/controls/SpeedButton.h"),
         QStringLiteral("The toolkit's flat speed button; latches in groups together with the shine buttons"),
         true, SpeedButtonIcon, Create<TSpeedButton>},
    };
    for (const TWidgetEntry& entry : entries)
        FWidgets.append(new TWidgetPlugin(entry, this));
}
