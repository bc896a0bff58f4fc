// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/graphics/Color.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

TEST(Color, ResolvesSystemColoursFromTheApplicationPalette)
{
    // The roles that answer the system colours the widgets use.
    const struct {
        TColor Color;
        QPalette::ColorRole Role;
    } cases[] = {
        {clr::BtnFace, QPalette::Button},         // 15
        {clr::BtnHighlight, QPalette::Light},     // 20
        {clr::BtnShadow, QPalette::Dark},         // 16
        {clr::WindowFrame, QPalette::Shadow},     // 6
        {clr::BtnText, QPalette::ButtonText},     // 18
        {clr::Highlight, QPalette::Highlight},    // 13
    };
    const QPalette saved = QApplication::palette();
    // A palette in which every role differs, so that a wrong role shows.
    QPalette distinct = saved;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        distinct.setColor(QPalette::ColorRole(role), QColor(role * 9, 255 - role * 7, 100 + role));
    for (const QPalette& palette : {saved, distinct}) {
        QApplication::setPalette(palette);
        for (const auto& c : cases) {
            EXPECT_EQ(ToQColor(c.Color).rgb(), palette.color(QPalette::Active, c.Role).rgb()) << std::hex << c.Color;
            EXPECT_TRUE(IsSystemColor(c.Color));
        }
    }
    QApplication::setPalette(saved);

    EXPECT_EQ(ColorToRGB(0x00563412), 0x563412) << "a plain colour stands for itself";
    EXPECT_EQ(ColorToRGB(clr::None), clr::Black);
    EXPECT_EQ(ColorToRGB(clr::SystemColor(200)), clr::Black) << "an index with no role";
}

TEST(Color, EverySystemColourIndexIsAnsweredByItsOwnPaletteEntry)
{
    using P = QPalette;
    const struct {
        const char* Name;
        P::ColorGroup Group;
        P::ColorRole Role;
    } entries[31] = {
        {"scroll bar", P::Active, P::Mid},                 {"desktop", P::Active, P::Window},
        {"active caption", P::Active, P::Highlight},       {"inactive caption", P::Inactive, P::Mid},
        {"menu", P::Active, P::Window},                    {"window", P::Active, P::Base},
        {"window frame", P::Active, P::Shadow},            {"menu text", P::Active, P::WindowText},
        {"window text", P::Active, P::Text},               {"caption text", P::Active, P::HighlightedText},
        {"active border", P::Active, P::Button},           {"inactive border", P::Inactive, P::Button},
        {"application workspace", P::Active, P::Mid},      {"selection", P::Active, P::Highlight},
        {"selected text", P::Active, P::HighlightedText},  {"button face", P::Active, P::Button},
        {"button shadow", P::Active, P::Dark},             {"grey text", P::Disabled, P::Text},
        {"button text", P::Active, P::ButtonText},         {"inactive caption text", P::Inactive, P::HighlightedText},
        {"button highlight", P::Active, P::Light},         {"3-D dark shadow", P::Active, P::Shadow},
        {"3-D light", P::Active, P::Midlight},             {"tool tip text", P::Active, P::ToolTipText},
        {"tool tip background", P::Active, P::ToolTipBase}, {"unused", P::Active, P::Button},
        {"hot-tracked item", P::Active, P::Link},          {"active caption gradient", P::Active, P::Highlight},
        {"inactive caption gradient", P::Inactive, P::Mid}, {"menu highlight", P::Active, P::Highlight},
        {"menu bar", P::Active, P::Window},
    };
    // Every group and role of its own colour, so that a wrong group or role shows.
    const QPalette saved = QApplication::palette();
    QPalette distinct;
    for (int group : {P::Active, P::Inactive, P::Disabled})
        for (int role = 0; role < P::NColorRoles; ++role)
            distinct.setColor(P::ColorGroup(group), P::ColorRole(role), QColor(role * 9, group * 80, 100 + role));
    QApplication::setPalette(distinct);
    for (int index = 0; index < 31; ++index) {
        const auto& e = entries[index];
        EXPECT_EQ(ToQColor(clr::SystemColor(index)).rgb(), distinct.color(e.Group, e.Role).rgb())
            << "index " << index << ", " << e.Name;
    }
    QApplication::setPalette(saved);
}

TEST(Color, ReadsBackEveryStoredForm)
{
    const struct {
        TColor Color;
        const char* Text;
    } cases[] = {
        {clr::BtnFace, "clBtnFace"}, {clr::Highlight, "clHighlight"}, {clr::None, "clNone"},
        {clr::Maroon, "clMaroon"}, {0x00563412, "#123456"}, {clr::SystemColor(25), "$80000019"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorToString(c.Color), QLatin1String(c.Text));
        EXPECT_EQ(StringToColor(QLatin1String(c.Text)), c.Color) << c.Text;
    }
    EXPECT_EQ(StringToColor(QStringLiteral(" clbtnface ")), clr::BtnFace) << "names without regard to case";
    for (const char* bad : {"", "clMauve", "#12345", "#GGGGGG", "$", "red"})
        EXPECT_FALSE(StringToColor(QLatin1String(bad)).has_value()) << bad;
}

} // namespace
