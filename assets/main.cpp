// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// tarvo-assets: generates every picture and sound of the game.
//   tarvo-assets --data DIR --sounds DIR --layout DIR
#include "AssetSet.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    // Lettering needs fonts, so a GUI application, but never a display: this runs in builds.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Generates the pictures and sounds of the game."));
    parser.addHelpOption();
    const QCommandLineOption data(QStringLiteral("data"), QStringLiteral("Folder for the data pictures."), QStringLiteral("DIR"));
    const QCommandLineOption sounds(QStringLiteral("sounds"), QStringLiteral("Folder for the two sounds."), QStringLiteral("DIR"));
    const QCommandLineOption layout(QStringLiteral("layout"), QStringLiteral("Folder for the layout pictures."), QStringLiteral("DIR"));
    parser.addOptions({data, sounds, layout});
    parser.process(app);
    if (!parser.isSet(data) || !parser.isSet(sounds) || !parser.isSet(layout)) {
        std::fputs("tarvo-assets: --data, --sounds and --layout are all required\n", stderr);
        return 2;
    }

    try {
        AssetSet::writeData(parser.value(data));
        AssetSet::writeSounds(parser.value(sounds));
        AssetSet::writeLayout(parser.value(layout));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tarvo-assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
