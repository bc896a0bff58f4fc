// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The widget gallery: the project's own widgets in a few settings each, to look at and try. It
// uses the widget library alone, as any other program would.
#include "GalleryWindow.h"
#include "ShineStateSample.h"

#include "toolkit/application/Application.h"
#include "layouts/WidgetSet.h"

#include <QShortcut>

int main(int argc, char** argv)
{
    // The application object shows any error that escapes an event handler in the error box.
    TarvoWidgets::TApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Widget gallery"));
    TarvoWidgets::RegisterWidgetSet();
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
        app.ShowException();
        return 1;
    }
}
