// The main of every test program that needs a QApplication: widgets run on the offscreen
// platform unless the environment names another.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("タルヴォ!!"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
