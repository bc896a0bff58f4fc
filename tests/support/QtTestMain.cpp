// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The main of every test program that needs a QApplication: widgets run on the offscreen
// platform unless the environment names another. The application object is the program's own,
// so an error that reaches the default handler is recorded in AppServices().
#include "AppServices.h"
#include "platform/GameApplication.h"

#include <gtest/gtest.h>

using namespace TarvoWidgets;

TFakeServices& AppServices()
{
    static TFakeServices services;
    return services;
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TGameApplication app(argc, argv, AppServices());
    QApplication::setApplicationDisplayName(QStringLiteral("タルヴォ!!"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
