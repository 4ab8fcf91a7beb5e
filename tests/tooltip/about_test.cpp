#include "tooltip/about_gradient.h"
#include "tooltip/about_link.h"
#include "tooltip/clsquickinfo.h"
#include "tooltip/frmabout.h"
#include "testsupport.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace quickinfo;

namespace {

// Paints the bands the way the window does, onto a white-free grey canvas so gaps would show.
QImage paintBands(int w, int h, qint32 from, qint32 to, int direction, int bands)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(1, 2, 3));
    QPainter p(&image);
    for (const GradientBand& b : MakeGradientBands(w, h, from, to, direction, bands))
        p.fillRect(b.rect, QColor(common::redOf(b.colour), common::greenOf(b.colour), common::blueOf(b.colour)));
    return image;
}

} // namespace

TEST(AboutGradient, NavyToWhiteFromTheBottomUp)
{
    const QImage image = paintBands(200, 300, 0x800000, 0xFFFFFF, 1, 256);
    const std::pair<int, QColor> rows[] = {
        {299, QColor(254, 254, 254)}, // first visible band
        {150, QColor(127, 127, 191)},
        {2, QColor(0, 0, 128)},       // last band: blue 127.5 rounds to even
        {1, QColor(0, 0, 127)},       // the strip left over, rounded down
        {0, QColor(0, 0, 127)},
    };
    for (const auto& [row, colour] : rows) {
        EXPECT_EQ(image.pixelColor(0, row), colour) << "row " << row;
        EXPECT_EQ(image.pixelColor(199, row), colour) << "row " << row;
    }
    // Every row is covered: no pixel keeps the canvas colour.
    for (int y = 0; y < 300; ++y)
        ASSERT_NE(image.pixelColor(100, y), QColor(1, 2, 3)) << "row " << y;
}

TEST(AboutGradient, OtherDirectionsStackFromTheRightEdge)
{
    const QImage image = paintBands(300, 20, 0x800000, 0xFFFFFF, 0, 256);
    EXPECT_EQ(image.pixelColor(299, 10), QColor(254, 254, 254));
    EXPECT_EQ(image.pixelColor(150, 10), QColor(127, 127, 191));
    EXPECT_EQ(image.pixelColor(0, 10), QColor(0, 0, 127));
    for (int x = 0; x < 300; ++x)
        ASSERT_NE(image.pixelColor(x, 10), QColor(1, 2, 3)) << "column " << x;
    EXPECT_TRUE(MakeGradientBands(0, 300, 0x800000, 0xFFFFFF, 1, 256).empty());
}

TEST(AboutGradient, BandCountAndChannels)
{
    const std::pair<int, int> depths[] = {{15, 32}, {16, 256}, {24, 256}, {32, 256}, {8, 64}, {4, 64}, {1, 64}, {30, 64}};
    for (const auto& [depth, bands] : depths)
        EXPECT_EQ(GradientBandCount(depth), bands) << "depth " << depth;
    // 32 bands: the first visible band of navy-to-white has red 255 - 8 (step -7.97 floors to -8).
    EXPECT_EQ(paintBands(10, 320, 0x800000, 0xFFFFFF, 1, 32).pixelColor(5, 319), QColor(247, 247, 251));

    EXPECT_EQ(GetRed(0x123456), 0x56);
    EXPECT_EQ(GetGreen(0x123456), 0x34);
    EXPECT_EQ(GetBlue(0x123456), 0x12);
    // A system colour is negative as a 32-bit value; the division rounds toward zero.
    const qint32 buttonFace = static_cast<qint32>(0x8000000Fu);
    EXPECT_EQ(GetRed(buttonFace), 0x0F);
    EXPECT_EQ(GetGreen(buttonFace), 0x01); // -8388607 And 255
    EXPECT_EQ(GetBlue(buttonFace), 0x01); // -32767 And 255
}

TEST(AboutLinks, SchemesAreKeptOtherwiseWebIsAssumed)
{
    const std::pair<QString, QString> links[] = {
        {QStringLiteral("www.example.com"), QStringLiteral("http://www.example.com")},
        {QStringLiteral("www.example.com:8080/x"), QStringLiteral("http://www.example.com:8080/x")},
        {QStringLiteral("http://x"), QStringLiteral("http://x")},
        {QStringLiteral("https://x"), QStringLiteral("https://x")},
        {QStringLiteral("mailto:a@example.com"), QStringLiteral("mailto:a@example.com")},
    };
    for (const auto& [in, out] : links)
        EXPECT_EQ(linkWithScheme(in), out);
}

TEST(frmAbout, LabelsOpenTheWebPageAndANewMail)
{
    QList<QUrl> opened;
    frmAbout box(nullptr, [&](const QUrl& url) { opened.append(url); });
    EXPECT_EQ(box.windowTitle(), QStringLiteral("zavQuickInfo ActiveX-DLL"));
    EXPECT_EQ(box.Label3->text(), QStringLiteral("zavQuickInfo ActiveX-DLL"));
    EXPECT_EQ(box.lblCompany->text().count(QLatin1Char('\n')), 4);
    EXPECT_EQ(box.imgLogo->toolTip(), QStringLiteral("Besuchen Sie uns im Internet"));
    box.show();

    QTest::mouseClick(box.lblMail, Qt::LeftButton);
    QTest::mouseClick(box.Label7, Qt::LeftButton);
    QTest::mouseClick(box.imgLogo, Qt::LeftButton);
    QTest::mouseClick(box.lblCompany, Qt::LeftButton); // not a link
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("mailto:") + frmAbout::VendorMail));
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("http://") + frmAbout::VendorWeb));
    EXPECT_EQ(opened[2], opened[1]);
    EXPECT_FALSE(QGuiApplication::overrideCursor());
}

TEST(frmAbout, PaintsItsGradientAndShowsThroughAbout)
{
    frmAbout box;
    box.resize(320, 400);
    const QImage shot = box.grab().toImage();
    EXPECT_EQ(box.bandCount(), GradientBandCount(box.depth()));
    const QColor bottom = shot.pixelColor(2, shot.height() - 1);
    const QColor top = shot.pixelColor(2, 0);
    EXPECT_GT(bottom.red(), 240);
    EXPECT_LT(top.red(), 20);
    EXPECT_GT(top.blue(), 100);

    QWidget owner;
    clsQuickInfo tips;
    int shown = 0;
    tips.setAboutRunner([&](QDialog& dialog) {
        ++shown;
        EXPECT_NE(qobject_cast<frmAbout*>(&dialog), nullptr);
        EXPECT_EQ(dialog.parentWidget(), &owner);
    });
    EXPECT_FALSE(tips.About());
    EXPECT_EQ(shown, 0);
    ASSERT_TRUE(tips.Init(&owner));
    EXPECT_TRUE(tips.About());
    EXPECT_EQ(shown, 1);
}
