// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// history-probe load | add <text>: a program with a history box kept under the bare file name
// "history" (so in the program's folder, as the toolkit's rule says). It loads the box and, with
// add, puts text on top and saves; then it prints the entries, newest first, separated by ",".
// A toolkit error is printed and ends it with status 1.
#include "toolkit/base/ToolkitError.h"
#include "widgets/HistoryComboBox.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const bool add = args.size() == 3 && args[1] == QLatin1String("add");
    if (!add && !(args.size() == 2 && args[1] == QLatin1String("load"))) {
        std::fprintf(stderr, "usage: history-probe load | add <text>\n");
        return 2;
    }
    try {
        TarvoWidgets::THistoryComboBox box;
        box.setObjectName(QStringLiteral("Box"));
        box.SetSaveMode(TarvoWidgets::THistoryComboBox::hsManual);
        box.SetSaveFileName(QStringLiteral("history"));
        box.LoadFromFile();
        if (add) {
            box.AddText(args[2]);
            box.SaveToFile();
        }
        std::printf("%s\n", qPrintable(box.Items().join(QLatin1Char(','))));
    } catch (const TarvoWidgets::EToolkitError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
        return 1;
    }
    return 0;
}
