// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The fade and shine buttons paint what the paint event exposes: its pixels are those of the
// same place in a paint of the whole button. And the shine button's kept picture follows the
// caption's shadow and highlight.
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace TarvoWidgets;

namespace {

QImage Render(QWidget* widget, const QRegion& region)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    // Each pixel where the whole paint puts it.
    widget->render(&image, region.boundingRect().topLeft(), region);
    return image;
}

struct TKind {
    const char* Name;
    std::function<QWidget*()> Make;
};

// Each part on a fresh button, then each on one button in turn.
std::vector<std::pair<QRect, bool>> Cases(const std::vector<QRect>& parts)
{
    std::vector<std::pair<QRect, bool>> cases;
    for (const bool fresh : {true, false})
        for (const QRect& part : parts)
            cases.emplace_back(part, fresh);
    return cases;
}

TEST(PaintOfAPart, HasThePixelsOfTheSamePlaceInAPaintOfTheWhole)
{
    const TKind kinds[] = {
        {"fade",
         [] {
             auto* b = new TZRKFadeButton;
             b->SetCaption(QStringLiteral("フェード &x"));
             b->SetBorderHeight(3);
             return b;
         }},
        {"shine with a gradient",
         [] {
             auto* b = new TShineSpeedButton;
             b->SetCaption(QStringLiteral("&Shine"));
             b->Colors()->SetColor(clr::White);
             b->Colors()->SetGradColor(clr::Navy);
             b->Colors()->SetGradation(true);
             b->SetFontShadow(clr::Gray);
             return b;
         }},
    };
    const std::vector<QRect> parts = {{0, 0, 10, 10}, {7, 5, 33, 20}, {50, 3, 51, 34}, {1, 1, 1, 1}, {90, 30, 40, 40}};
    for (const TKind& kind : kinds) {
        std::unique_ptr<QWidget> whole(kind.Make());
        whole->resize(101, 37);
        const QImage full = Render(whole.get(), QRegion(whole->rect()));
        // One button for all parts in turn: what it kept of one part must not stand in for
        // another that it does not cover.
        std::unique_ptr<QWidget> keeping(kind.Make());
        keeping->resize(101, 37);
        for (const auto& [part, fresh] : Cases(parts)) {
            SCOPED_TRACE(std::string(kind.Name) + (fresh ? " fresh" : " kept") + " part at " + std::to_string(part.x())
                         + "," + std::to_string(part.y()));
            // A fresh button painted nothing before, so that nothing kept stands in for the part.
            std::unique_ptr<QWidget> made(fresh ? kind.Make() : nullptr);
            QWidget* button = fresh ? made.get() : keeping.get();
            button->resize(101, 37);
            const QImage shot = Render(button, QRegion(part));
            const QRect inside = part & button->rect();
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    ASSERT_EQ(shot.pixel(x, y), full.pixel(x, y)) << "pixel " << x << "," << y;
        }
    }
}

// The picture the shine button keeps from one paint to the next shows the caption's shadow and
// highlight as a new button with them does.
TEST(ShineKeptPicture, FollowsTheCaptionsShadowAndHighlight)
{
    const std::pair<const char*, std::function<void(TShineSpeedButton&)>> changes[] = {
        {"shadow", [](TShineSpeedButton& b) { b.SetFontShadow(clr::Red); }},
        {"highlight", [](TShineSpeedButton& b) { b.SetFontHighlight(clr::Lime); }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        const auto make = [] {
            auto b = std::make_unique<TShineSpeedButton>();
            b->resize(80, 30);
            b->SetCaption(QStringLiteral("Caption"));
            return b;
        };
        auto kept = make();
        const QImage before = kept->grab().toImage();
        change(*kept);
        auto fresh = make();
        change(*fresh);
        const QImage after = kept->grab().toImage();
        EXPECT_NE(after, before) << "the change shows nothing";
        EXPECT_EQ(after, fresh->grab().toImage());
    }
}

} // namespace
