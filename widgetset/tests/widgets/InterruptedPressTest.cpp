// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// A press that a program cuts short from its own handlers (hides or disables the button, opens a
// modal dialog or a popup, lets another widget take the mouse), over every button of the set:
// after the full release the button is not held, looks as it does after an ordinary click, and
// clicks again.
#include "toolkit/controls/SpeedButton.h"
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"

#include <QAccessible>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

// Input as the window system delivers it: through the window, so that Qt knows the left button
// is held and gives the widget under the pointer the implicit grab.
void WindowPress(QWidget* widget, QPoint at)
{
    QTest::mousePress(widget->window()->windowHandle(), Qt::LeftButton, {}, widget->mapTo(widget->window(), at));
}
void WindowRelease(QWidget* widget, QPoint at)
{
    QTest::mouseRelease(widget->window()->windowHandle(), Qt::LeftButton, {}, widget->mapTo(widget->window(), at));
}

struct TButtonKind {
    const char* Name;
    std::function<TCustomButton*(QWidget& host)> Make;
    // Connects a handler to the button's own mouse-down event; false where it has none.
    std::function<bool(TCustomButton*, std::function<void()>)> OnMouseDown;
};

// What cuts the press short, run from a handler while the button is held, and what puts the
// button back once the mouse is released (shown, enabled, the popup closed, the grab given back).
struct TInterruption {
    const char* Name;
    std::function<void(TCustomButton*)> Cut;
    std::function<void(TCustomButton*)> Restore;
};

const TButtonKind Kinds[] = {
    {"fade",
     [](QWidget& host) -> TCustomButton* {
         auto* b = new TZRKFadeButton(&host);
         // The hover look at once, with no fade timer to wait for.
         b->SetFadeOnOver(false);
         b->SetFadeOnLeave(false);
         return b;
     },
     [](TCustomButton* b, std::function<void()> handler) {
         QObject::connect(static_cast<TZRKFadeButton*>(b), &TZRKFadeButton::onMouseDown, b, [handler] { handler(); });
         return true;
     }},
    {"shine", [](QWidget& host) -> TCustomButton* { return new TShineSpeedButton(&host); },
     [](TCustomButton* b, std::function<void()> handler) {
         QObject::connect(static_cast<TShineSpeedButton*>(b), &TShineSpeedButton::OnMouseDown, b, [handler] { handler(); });
         return true;
     }},
    {"toolkit speed", [](QWidget& host) -> TCustomButton* { return new TSpeedButton(&host); },
     [](TCustomButton*, std::function<void()>) { return false; }},
};

const TInterruption Interruptions[] = {
    {"hide", [](TCustomButton* b) { b->hide(); }, [](TCustomButton* b) { b->show(); }},
    {"disable", [](TCustomButton* b) { b->setEnabled(false); }, [](TCustomButton* b) { b->setEnabled(true); }},
    {"modal dialog opened and closed",
     [](TCustomButton* b) {
         QDialog dialog(b->window());
         dialog.setModal(true);
         QTimer::singleShot(0, &dialog, &QDialog::reject);
         dialog.exec();
     },
     [](TCustomButton*) {}},
    {"popup",
     [](TCustomButton* b) {
         auto* menu = new QMenu(b->window());
         menu->setObjectName(QStringLiteral("cut"));
         menu->addAction(QStringLiteral("item"));
         menu->popup(b->window()->mapToGlobal(QPoint(150, 60)));
     },
     [](TCustomButton* b) {
         if (auto* menu = b->window()->findChild<QMenu*>(QStringLiteral("cut")))
             menu->close();
     }},
    {"another widget's grab",
     [](TCustomButton* b) {
         auto* other = new QWidget(b->window());
         other->setObjectName(QStringLiteral("cut"));
         other->setGeometry(150, 60, 20, 20);
         other->show();
         other->grabMouse();
     },
     [](TCustomButton* b) {
         if (auto* other = b->window()->findChild<QWidget*>(QStringLiteral("cut"))) {
             other->releaseMouse();
             delete other;
         }
     }},
};

bool Pressed(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->state().pressed; }

class InterruptedPress : public ::testing::Test {
protected:
    // The button of the kind in a shown window, the pointer on it.
    TCustomButton* Make(const TButtonKind& kind)
    {
        Host = std::make_unique<QWidget>();
        Host->resize(200, 100);
        TCustomButton* button = kind.Make(*Host);
        button->setGeometry(10, 10, 90, 30);
        button->SetCaption(QStringLiteral("Go"));
        Host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Host.get()));
        QCursor::setPos(button->mapToGlobal(At));
        return button;
    }

    // What the button shows at rest with the pointer on it: its look after an ordinary click.
    QImage RestingLook(TCustomButton* button)
    {
        WindowPress(button, At);
        WindowRelease(button, At);
        MoveOn(button);
        return button->grab().toImage();
    }

    // A move of the pointer on the button, which shows its hover look (Qt drops a move to where
    // the pointer already is).
    void MoveOn(TCustomButton* button)
    {
        QTest::mouseMove(button->window()->windowHandle(), button->mapTo(button->window(), At + QPoint(1, 0)));
        QTest::mouseMove(button->window()->windowHandle(), button->mapTo(button->window(), At));
        QCoreApplication::processEvents();
    }

    void Check(TCustomButton* button, const QImage& resting)
    {
        EXPECT_FALSE(button->Held());
        EXPECT_FALSE(Pressed(button));
        // The pointer moves on the button (a hidden button gave up its hover look).
        MoveOn(button);
        EXPECT_TRUE(button->grab().toImage() == resting) << "not the resting look";
        QSignalSpy clicked(button, &TCustomButton::clicked);
        button->click();
        EXPECT_EQ(clicked.size(), 1) << "click() after the press";
    }

    const QPoint At{5, 5};
    std::unique_ptr<QWidget> Host;
};

TEST_F(InterruptedPress, AfterTheFullReleaseNoButtonIsHeld)
{
    for (const TButtonKind& kind : Kinds) {
        for (const TInterruption& cut : Interruptions) {
            for (const bool fromMouseDown : {false, true}) {
                SCOPED_TRACE(std::string(kind.Name) + ", " + cut.Name + (fromMouseDown ? ", from the mouse-down event" : ", from pressed()"));
                TCustomButton* button = Make(kind);
                const QImage resting = RestingLook(button);
                QPointer<TCustomButton> guard(button);
                bool once = true;
                const auto handler = [&] {
                    if (std::exchange(once, false))
                        cut.Cut(button);
                };
                if (fromMouseDown) {
                    if (!kind.OnMouseDown(button, handler))
                        continue;
                } else {
                    QObject::connect(button, &TCustomButton::pressed, button, handler);
                }
                WindowPress(button, At);
                EXPECT_FALSE(once) << "the handler did not run";
                WindowRelease(button, At);
                cut.Restore(button);
                QCoreApplication::processEvents();
                ASSERT_TRUE(guard);
                Check(button, resting);
            }
        }
    }
}

} // namespace
