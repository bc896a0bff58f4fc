// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

// What a user of the widget set sees of its buttons and how it drives them, for the tests: the
// paints that reach a widget, and the input that leads a shine button into each draw state, as
// the window system delivers it.

#include "widgets/ShineSpeedButton.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Counts the paint events that reach a widget.
class TPaintCounter : public QObject {
public:
    explicit TPaintCounter(QWidget* widget) { widget->installEventFilter(this); }

    int Paints = 0;

    // The paints that the pending updates make, once delivered; counted from zero.
    int PaintsDelivered()
    {
        Paints = 0;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return Paints;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        Paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Shows the widget's window with the pointer outside it, so that showing it enters nothing.
inline void ShowAwayFromThePointer(QWidget& widget)
{
    QWidget* window = widget.window();
    if (window->isVisible())
        return;
    QCursor::setPos(-1000, -1000);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
}

// A left press held over the button: drawn held down with the pointer over it (sbDownActive).
inline void HoldPress(TarvoWidgets::TShineSpeedButton& button)
{
    const QPoint at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, button.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&button, &press);
}

// Latched down, alone in its group, with the pointer elsewhere (sbDown).
inline void Latch(TarvoWidgets::TShineSpeedButton& button, int group)
{
    button.SetGroupIndex(group);
    button.SetAllowAllUp(true);
    button.SetDown(true);
}

// The pointer resting over the button in its shown window (sbUpActive, or sbDownActive when
// latched).
inline void Hover(TarvoWidgets::TShineSpeedButton& button)
{
    ShowAwayFromThePointer(button);
    QTest::mouseMove(&button, QPoint(5, 5));
}

// Runs the event loop until the condition holds or a precise sentinel timer of the given
// milliseconds fires, and says whether the condition held. Every timer started before the call
// whose timeout comes before the sentinel's has fired by then, however late the loop runs: the
// event loop activates expired timers in the order of their timeouts.
inline bool RunUntil(const std::function<bool()>& condition, int milliseconds)
{
    QTimer sentinel;
    sentinel.setSingleShot(true);
    sentinel.setTimerType(Qt::PreciseTimer);
    sentinel.start(milliseconds);
    while (!condition() && sentinel.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return condition();
}
