// Start-up: the start-up pictures set reading on a thread of their own, the application
// object and its title, the main window (which takes every start-up picture, in order), the
// hidden boss screen, then the event loop on the title page.
#include "MainForm1.h"
#include "platform/Application.h"
#include "platform/DataPath.h"
#include "platform/PicturePrefetch.h"
#include "platform/QtServices.h"
#include "screens/BossForm1.h"

#include <QIcon>

namespace {

// The start-up pictures' full paths, as the main window will ask for them.
QStringList StartupPicturePaths()
{
    const QString exePath = RunningExecutablePath();
    QStringList paths;
    if (exePath.isEmpty())
        return paths;   // the window finds its folder later and reads the files itself
    for (const QString& name : TMainForm1::StartupPictureNames())
        paths << DataPath(AppDirOf(exePath), name);
    return paths;
}

} // namespace

int main(int argc, char** argv)
{
    // Reading and decoding the pictures takes as long as Qt's own start; the two run side by
    // side, which brings the first frame forward by that much on a machine with a core to spare.
    TPicturePrefetch pictures(StartupPicturePaths());
    TQtServices services;
    TApplication application(argc, argv, services);
    application.setApplicationDisplayName(QStringLiteral("タルヴォ!!"));
    application.setWindowIcon(QIcon(QStringLiteral(":/layout/icon.png")));
    application.setDesktopFileName(QStringLiteral("tarvo"));
    try {
        TMainForm1 MainForm1(services, &pictures);
        TBossForm1 BossForm1;
        MainForm1.SetBossForm(BossForm1);
        MainForm1.show();
        return application.exec();
    } catch (...) {
        // A start-up that failed shows its error and must not report success.
        TApplication::ShowCurrentException(services);
        return 1;
    }
}
