// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The program's own application object, with its default error handler: this test program
// runs under a TGameApplication, as the game does, with the services double as the error box.
#include "FakeServices.h"
#include "platform/GameApplication.h"
#include "platform/DrawGrid.h"
#include "toolkit/base/ToolkitError.h"

#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace TarvoWidgets;

TFakeServices& HandlerServices()
{
    static TFakeServices services;
    return services;
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TGameApplication application(argc, argv, HandlerServices());
    QApplication::setApplicationDisplayName(QStringLiteral("タルヴォ!!"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// An error raised in a real click handler and in a real key handler: the error box shows it,
// the rest of the handler does not run, and the next event is handled as usual.
TEST(DefaultHandler, ShowsAnErrorFromAClickOrKeyHandlerAndGoesOn)
{
    TFakeServices& services = HandlerServices();
    services.Errors.clear();
    TDrawGrid grid;
    grid.resize(336, 416);
    grid.SetLayout(8, 8, 40, 50, 2);
    bool raise = true;
    QStringList handled;
    grid.OnClick = [&] {
        if (raise)
            throw EToolkitError::FileOpen(QStringLiteral("/opt/tarvo/data/1_0.bmp"));
        handled << QStringLiteral("click %1,%2").arg(grid.Col()).arg(grid.Row());
    };
    grid.OnKeyDown = [&](int, Qt::KeyboardModifiers) {
        if (raise)
            throw std::runtime_error("not the toolkit's kind");
    };

    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(2, 2).center());
    EXPECT_EQ(services.Errors, QStringList{QStringLiteral("ファイル /opt/tarvo/data/1_0.bmp は開けません")});
    EXPECT_TRUE(handled.isEmpty()) << "the rest of the click handler is skipped";
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(services.Errors.value(1), QString()) << "another kind of error shows an empty message";
    EXPECT_EQ(services.Errors.size(), 2);
    EXPECT_EQ(grid.Row(), 2) << "the grid's own move after the key handler is skipped";

    raise = false;
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(3, 3).center());
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(handled, (QStringList{QStringLiteral("click 3,3"), QStringLiteral("click 3,4")}));
    EXPECT_EQ(services.Errors.size(), 2);
}
