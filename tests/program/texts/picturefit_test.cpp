#include "program/texts/picturefit.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using texts::fitRect;

TEST(PictureFit, RectanglesOfTheFittingRule)
{
    struct Fall {
        const char* was;
        int boxW, boxH;
        double picW, picH; // HIMETRIC
        bool fit, centre;
        QRect erwartet;
    };
    // At 96 dpi: 10000 x 5000 HIMETRIC + 2 mm = 386 x 197 px; 5000 x 10000 -> 197 x 386;
    // 800 x 600 -> 38 x 30 (ratio 1.27, below the box's 1.33).
    const Fall faelle[] = {
        {"wide picture fitted to the width, centred vertically", 400, 300, 10000, 5000, true, true, QRect(0, 48, 400, 204)},
        {"the same without centring", 400, 300, 10000, 5000, true, false, QRect(0, 0, 400, 204)},
        {"tall picture fitted to the height, centred horizontally", 400, 300, 5000, 10000, true, true, QRect(123, 0, 153, 300)},
        // 10384 x 7738 HIMETRIC + 2 mm = 400 x 300 px: the ratio equals the box's -> the height branch.
        {"equal ratios take the height branch", 200, 150, 10384, 7738, true, true, QRect(0, 0, 200, 150)},
        {"small picture, no fit: own size + 2 mm, centred", 400, 300, 800, 600, false, true, QRect(181, 135, 38, 30)},
        {"small picture, no fit, not centred", 400, 300, 800, 600, false, false, QRect(0, 0, 38, 30)},
        {"small picture with fit is enlarged to the height", 400, 300, 800, 600, true, true, QRect(10, 0, 380, 300)},
        {"wider than the box, no fit: still shrunk to the width", 100, 300, 10000, 5000, false, true, QRect(0, 124, 100, 51)},
        {"taller than the box, no fit: shrunk to the height", 400, 100, 5000, 10000, false, false, QRect(0, 0, 51, 100)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const auto r = fitRect(f.boxW, f.boxH, f.picW, f.picH, f.fit, f.centre, 96, 96);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(*r, f.erwartet);
    }
}

TEST(PictureFit, BoxOrPictureWithoutAreaDrawsNothing)
{
    EXPECT_FALSE(fitRect(0, 300, 10000, 5000, true, true, 96, 96));
    EXPECT_FALSE(fitRect(400, 0, 10000, 5000, true, true, 96, 96));
    EXPECT_FALSE(fitRect(400, 300, -200, 5000, true, true, 96, 96));
    EXPECT_FALSE(fitRect(400, 300, 10000, 5000, true, true, 0, 96));
    // The 2 mm margin gives an empty picture a size of its own.
    EXPECT_TRUE(fitRect(400, 300, 0, 0, false, false, 96, 96));
}

TEST(PictureFit, DotsPerInchEnterTheSize)
{
    // At 192 dpi the 800 x 600 picture is 76 x 60 px.
    EXPECT_EQ(fitRect(400, 300, 800, 600, false, false, 192, 192), QRect(0, 0, 76, 60));
}

TEST(PictureFit, SvgSizes)
{
    struct Fall {
        QByteArray svg;
        std::optional<QSizeF> erwartet;
    };
    const Fall faelle[] = {
        {R"(<svg xmlns="http://www.w3.org/2000/svg" width="100mm" height="50mm"/>)", QSizeF(10000, 5000)},
        {R"(<svg xmlns="http://www.w3.org/2000/svg" width="2in" height="1.5cm"/>)", QSizeF(5080, 1500)},
        {R"(<svg xmlns="http://www.w3.org/2000/svg" width="96" height="72pt"/>)", QSizeF(2540, 2540)},
        {R"(<?xml version="1.0"?><svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 192 96"/>)", QSizeF(5080, 2540)},
        {R"(<svg xmlns="http://www.w3.org/2000/svg" width="100%" height="100%"/>)", std::nullopt},
        {R"(<html><svg width="10mm" height="10mm"/></html>)", std::nullopt},
        {"not xml at all", std::nullopt},
    };
    for (const Fall& f : faelle) {
        const auto size = texts::svgSizeHimetric(f.svg);
        EXPECT_EQ(size.has_value(), f.erwartet.has_value()) << f.svg.toStdString();
        if (size && f.erwartet) {
            EXPECT_NEAR(size->width(), f.erwartet->width(), 1e-9) << f.svg.toStdString();
            EXPECT_NEAR(size->height(), f.erwartet->height(), 1e-9) << f.svg.toStdString();
        }
    }
}
