// The widget gallery: the project's own widgets in a few settings each, to look at and try.
#include "GalleryWindow.h"
#include "ShineStateSample.h"

#include "platform/Application.h"
#include "platform/QtServices.h"
#include "widgets/WidgetSet.h"

int main(int argc, char** argv)
{
    TQtServices services;
    // The application object shows any error that escapes an event handler in the error box.
    TApplication app(argc, argv, services);
    QApplication::setApplicationDisplayName(QStringLiteral("Widget gallery"));
    RegisterWidgetSet();
    TShineStateSample::Register();
    try {
        TGalleryWindow window;
        window.show();
        return app.exec();
    } catch (...) {
        // A page that cannot be read names its file, component and property.
        TApplication::ShowCurrentException(services);
        return 1;
    }
}
