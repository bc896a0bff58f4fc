#include "toolkit/Color.h"

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
