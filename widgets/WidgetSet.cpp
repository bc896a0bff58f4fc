#include "WidgetSet.h"

#include "platform/StoredLayout.h"
#include "widgets/ZRKFadeButton.h"

namespace {

// header: the include file that a written layout names for the class (empty: widgets/ and the
// class name without its T).
template <class TWidget>
void Register(const char* className, const char* header = "")
{
    TStoredLayout::RegisterClass(QLatin1String(className), [](QWidget* parent) { return new TWidget(parent); },
                                 QLatin1String(header));
}

} // namespace

void RegisterWidgetSet()
{
    // One line per widget.
    Register<TZRKFadeButton>("TZRKFadeButton");
}
