// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "widgets/ZRKFadeButton.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

using P = TControlPlacement;

std::string Text(const QRect& r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

class Placement : public testing::Test {
protected:
    Placement()
    {
        Host.resize(300, 200);
        Host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Host));
    }

    TZRKFadeButton* Add(QRect bounds)
    {
        auto* button = new TZRKFadeButton(&Host);
        button->setGeometry(bounds);
        button->show();
        return button;
    }

    QWidget Host;
};

TEST_F(Placement, AnchoredControlFollowsTheAnchoredSidesOfItsParent)
{
    struct Case {
        P::TAnchors anchors;
        QRect after; // the parent grows from 300 x 200 to 400 x 260
    };
    const Case cases[] = {
        {P::akLeft | P::akTop, {10, 20, 100, 30}},
        {P::akRight | P::akBottom, {110, 80, 100, 30}},
        {P::akLeft | P::akRight | P::akTop, {10, 20, 200, 30}},
        {P::akLeft | P::akTop | P::akBottom, {10, 20, 100, 90}},
        // Neither side of a pair: the centre keeps its proportion of the parent.
        {P::TAnchors(), {30, 30, 100, 30}},
    };
    for (const Case& c : cases) {
        Host.resize(300, 200);
        TZRKFadeButton* button = Add({10, 20, 100, 30});
        button->SetAnchors(c.anchors);
        Host.resize(400, 260);
        EXPECT_EQ(button->geometry(), c.after) << Text(button->geometry()) << " for anchors " << int(c.anchors);
        delete button;
    }
}

TEST_F(Placement, AnchorRuleIsTakenAgainWhenTheControlIsMoved)
{
    TZRKFadeButton* button = Add({10, 20, 100, 30});
    button->SetAnchors(P::akRight | P::akTop);
    button->move(50, 20);
    Host.resize(320, 200);
    EXPECT_EQ(button->geometry(), QRect(70, 20, 100, 30)) << Text(button->geometry());
}

TEST_F(Placement, AlignedControlsShareTheParentInTheToolkitsOrder)
{
    TZRKFadeButton* client = Add({0, 0, 10, 10});
    TZRKFadeButton* left = Add({0, 0, 50, 10});
    TZRKFadeButton* top = Add({0, 0, 10, 30});
    TZRKFadeButton* bottom = Add({0, 0, 10, 20});
    client->SetAlign(P::alClient);
    left->SetAlign(P::alLeft);
    top->SetAlign(P::alTop);
    bottom->SetAlign(P::alBottom);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 300, 30)) << Text(top->geometry());
    EXPECT_EQ(bottom->geometry(), QRect(0, 180, 300, 20)) << Text(bottom->geometry());
    EXPECT_EQ(left->geometry(), QRect(0, 30, 50, 150)) << Text(left->geometry());
    EXPECT_EQ(client->geometry(), QRect(50, 30, 250, 150)) << Text(client->geometry());

    Host.resize(400, 300);
    EXPECT_EQ(bottom->geometry(), QRect(0, 280, 400, 20)) << Text(bottom->geometry());
    EXPECT_EQ(client->geometry(), QRect(50, 30, 350, 250)) << Text(client->geometry());

    // A control that leaves its side, or is hidden, gives its space back.
    top->SetAlign(P::alNone);
    EXPECT_EQ(left->geometry(), QRect(0, 0, 50, 280)) << Text(left->geometry());
    left->hide();
    EXPECT_EQ(client->geometry(), QRect(0, 0, 400, 280)) << Text(client->geometry());
}

} // namespace
