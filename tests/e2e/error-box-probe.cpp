// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// A window under the widget set's own application object, as any program of the widget set
// has it: its button raises a toolkit error from a click handler, which the application shows
// in its default error box. The window is one plain dark colour, so that a test tells it from
// the box at a glance.
#include "toolkit/application/Application.h"
#include "toolkit/application/ErrorBoundary.h"
#include "toolkit/base/ToolkitError.h"

#include <QPalette>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    TarvoWidgets::TApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Error box probe"));
    QWidget window;
    window.setWindowTitle(QApplication::applicationDisplayName());
    window.setFixedSize(640, 480);
    // A palette, unlike a style sheet, does not pass on to the window's boxes.
    QPalette dark = window.palette();
    dark.setColor(QPalette::Window, QColor(0x10, 0x30, 0x20));
    window.setPalette(dark);
    auto* raise = new QPushButton(QStringLiteral("Raise"), &window);
    raise->setGeometry(20, 20, 160, 40);
    QObject::connect(raise, &QPushButton::clicked, &window, TarvoWidgets::Guarded([] {
        throw TarvoWidgets::EToolkitError(QStringLiteral("The probe's error"));
    }));
    window.show();
    return app.exec();
}
