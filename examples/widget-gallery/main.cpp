// The widget gallery: the project's own widgets in a few settings each, to look at and try.
#include "GalleryWindow.h"
#include "ShineStateSample.h"

#include "platform/GameApplication.h"
#include "platform/QtServices.h"
#include "widgets/WidgetSet.h"

#include <QShortcut>

using namespace TarvoWidgets;

int main(int argc, char** argv)
{
    TQtServices services;
    // The application object shows any error that escapes an event handler in the error box.
    TGameApplication app(argc, argv, services);
    QApplication::setApplicationDisplayName(QStringLiteral("Widget gallery"));
    RegisterWidgetSet();
    TShineStateSample::Register();
    try {
        TGalleryWindow window;
        // Ctrl+Q closes the window, so that its widgets are taken down as in a normal end (the
        // history box saves then).
        QObject::connect(new QShortcut(QKeySequence::Quit, &window), &QShortcut::activated, &window, &QWidget::close);
        window.show();
        return app.exec();
    } catch (...) {
        // A page that cannot be read names its file, component and property.
        TGameApplication::ShowCurrentException(services);
        return 1;
    }
}
