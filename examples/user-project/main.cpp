// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// A program that uses the widget set as any Qt program would: its forms come from Qt Designer
// (and one is written by hand) and are compiled by uic. Run with the folder that holds the forms' .ui files (and an output
// folder), it also reads each file as a stored layout and checks that both give the same
// widgets, property values and pixels.
#include "FormCheck.h"
#include "ShineStateSample.h"

#include "ui_AllWidgets.h"
#include "ui_FadeButtonPage.h"
#include "ui_HandWritten.h"
#include "ui_ShineButtonPage.h"
#include "ui_ShineToolbarPage.h"

#include <layouts/WidgetSet.h>

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

template <class TUi>
bool Check(TFormCheck& check, const QString& fileName)
{
    QWidget form;
    TUi ui;
    ui.setupUi(&form);
    return check.Compare(fileName, form);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: user-project <folder of AllWidgets.ui> <folder of the gallery's pages> <output folder>\n");
        return 2;
    }
    const QDir forms(QString::fromLocal8Bit(argv[1]));
    const QDir pages(QString::fromLocal8Bit(argv[2]));
    TarvoWidgets::RegisterWidgetSet();
    TShineStateSample::Register();

    TFormCheck check(QString::fromLocal8Bit(argv[3]));
    int differing = 0;
    differing += !Check<Ui::AllWidgets>(check, forms.filePath(QStringLiteral("AllWidgets.ui")));
    // Written by hand, with no stdset: uic's code calls each property's setX.
    differing += !Check<Ui::HandWritten>(check, forms.filePath(QStringLiteral("HandWritten.ui")));
    differing += !Check<Ui::FadeButtonPage>(check, pages.filePath(QStringLiteral("FadeButtonPage.ui")));
    differing += !Check<Ui::ShineButtonPage>(check, pages.filePath(QStringLiteral("ShineButtonPage.ui")));
    differing += !Check<Ui::ShineToolbarPage>(check, pages.filePath(QStringLiteral("ShineToolbarPage.ui")));
    std::printf("5 forms compiled by uic and read as stored layouts: %d widgets, %d properties compared; %d forms differ\n",
                check.Widgets(), check.Properties(), differing);
    return differing == 0 ? 0 : 1;
}
