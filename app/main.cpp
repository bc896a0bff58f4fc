// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Start-up: the application object and its title, the main window (which loads every start-up
// picture), the hidden boss screen, then the event loop on the title page.
#include "MainForm1.h"
#include "platform/GameApplication.h"
#include "platform/QtServices.h"
#include "screens/BossForm1.h"

#include <QIcon>

using namespace TarvoWidgets;

int main(int argc, char** argv)
{
    TQtServices services;
    TGameApplication application(argc, argv, services);
    application.setApplicationDisplayName(QStringLiteral("タルヴォ!!"));
    application.setWindowIcon(QIcon(QStringLiteral(":/layout/icon.png")));
    application.setDesktopFileName(QStringLiteral("tarvo"));
    try {
        TMainForm1 MainForm1(services);
        TBossForm1 BossForm1;
        MainForm1.SetBossForm(BossForm1);
        MainForm1.show();
        return application.exec();
    } catch (...) {
        // A start-up that failed shows its error and must not report success.
        TGameApplication::ShowCurrentException(services);
        return 1;
    }
}
