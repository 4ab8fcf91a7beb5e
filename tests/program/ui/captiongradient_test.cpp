// Caption colours kept by the window and the gradient steps between two colours.
#include "windowfixture.h"

#include "program/ui/captiongradient.h"

#include <QRadioButton>

using namespace ui;

TEST(CaptionGradient, StepsFromStartTowardsEnd)
{
    // Blue 63.75 -> 64, 127.5 -> 128 (half to even), 191.25 -> 191, 255, then one step beyond, clamped.
    EXPECT_EQ(Get_GradientColor(4, 0x000000, 0xFF0000),
        (std::vector<common::ColourValue>{0x400000, 0x800000, 0xBF0000, 0xFF0000, 0xFF0000}));
    // Red falls and green rises together: 127.5 each way, both to the even 128.
    EXPECT_EQ(Get_GradientColor(2, 0x0000FF, 0x00FF00),
        (std::vector<common::ColourValue>{0x008080, 0x00FF00, 0x00FF00}));
    EXPECT_EQ(Get_GradientColor(3, 0xABCDEF, 0xABCDEF), (std::vector<common::ColourValue>(4, 0xABCDEF)));
    // The high byte is not part of the colour; no step count gives just the end.
    EXPECT_EQ(Get_GradientColor(1, 0xFF000000, 0x00000010), (std::vector<common::ColourValue>{0x10, 0x20}));
    EXPECT_EQ(Get_GradientColor(0, 0x000000, 0x123456), (std::vector<common::ColourValue>{0x123456}));
}

TEST(CaptionGradient, ColoursOfTheState)
{
    QPalette pal;
    pal.setColor(QPalette::Active, QPalette::Highlight, QColor(10, 20, 30));
    pal.setColor(QPalette::Inactive, QPalette::Highlight, QColor(40, 50, 60));
    pal.setColor(QPalette::Button, QColor(200, 201, 202));
    Kelto_VX_Menu::GradTitel g;
    g.GradTitel_aktiv = true;
    g.GradTitel_Aktiv1 = 0x8000000F; // the button face, not RGB(15, 0, 0)
    g.GradTitel_Aktiv2 = 0x112233;
    g.GradTitel_Inaktiv1 = 0;
    g.GradTitel_Inaktiv2 = 0xFF0000;
    EXPECT_EQ(Get_CaptionColors(g, true, pal), (CaptionFarben{common::rgbColour(200, 201, 202), 0x112233}));
    EXPECT_EQ(Get_CaptionColors(g, false, pal), (CaptionFarben{0, 0xFF0000}));
    g.GradTitel_aktiv = false;
    EXPECT_EQ(Get_CaptionColors(g, true, pal), (CaptionFarben{0, common::rgbColour(10, 20, 30)}));
    EXPECT_EQ(Get_CaptionColors(g, false, pal), (CaptionFarben{0, common::rgbColour(40, 50, 60)}));
}

TEST_F(WindowFixture, WindowKeepsTheCaptionColoursOfTheDrive)
{
    open();
    const Kelto_VX_Menu::GradTitel& g = w->captionColours();
    w->OBox_AC->click();
    EXPECT_TRUE(g.GradTitel_aktiv);
    EXPECT_EQ(g.GradTitel_ParamI, 0);
    EXPECT_EQ(g.GradTitel_ParamL, 0);
    EXPECT_EQ(g.GradTitel_Aktiv1, 0xD8D8D8u);
    EXPECT_EQ(g.GradTitel_Aktiv2, 0xD8D8D8u);
    EXPECT_EQ(g.GradTitel_Inaktiv1, 0u);
    EXPECT_EQ(g.GradTitel_Inaktiv2, 0xFF0000u);
    EXPECT_EQ(g.GradTitel_Grau, 0xC0C0C0u);
    EXPECT_EQ(Get_CaptionColors(g, true, w->palette()), (CaptionFarben{0xD8D8D8, 0xD8D8D8}));
}

TEST(CaptionGradient, LowWordIsSigned)
{
    EXPECT_EQ(Get_LoWord(0x0000FFFF), -1);
    EXPECT_EQ(Get_LoWord(0x00007FFF), 32767);
    EXPECT_EQ(Get_LoWord(0x12348000), -32768);
    EXPECT_EQ(Get_LoWord(static_cast<qint32>(0xFFFF0011u)), 17);
    EXPECT_EQ(Get_LoWord(-2), -2);
}
