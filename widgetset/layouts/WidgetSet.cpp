// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "layouts/WidgetSet.h"

#include "layouts/StoredLayout.h"
#include "toolkit/controls/SpeedButton.h"
#include "widgets/HistoryComboBox.h"
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"

namespace TarvoWidgets {

namespace {

// Each class under its full name, as Qt Designer and uic write it. header: the include file
// that a written layout names for the class (empty: widgets/ and the class name without its T).
template <class TWidget>
void Register(const char* header = "")
{
    TStoredLayout::RegisterClass(QLatin1String(TWidget::staticMetaObject.className()),
                                 [](QWidget* parent) { return new TWidget(parent); }, QLatin1String(header));
}

} // namespace

void RegisterWidgetSet()
{
    // One line per widget.
    Register<TZRKFadeButton>();
    Register<TShineSpeedButton>();

    // The toolkit's own speed button, which shares its groups with the shine button.
    Register<TSpeedButton>("toolkit/controls/SpeedButton.h");
    Register<THistoryComboBox>();
}

} // namespace TarvoWidgets
