#include "common/error.h"
#include "program/texts/picturefit.h"
#include "program/ui/widgets/picturefit.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A red bitmap of 100 x 50 mm (1000 dots per metre).
QImage roteFlaeche()
{
    QImage image(100, 50, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.setDotsPerMeterX(1000);
    image.setDotsPerMeterY(1000);
    return image;
}

bool istRot(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(Qt::red);
}

} // namespace

TEST(Bild_einpassen, DrawsTheFittedPictureIntoTheBoxSurface)
{
    QLabel box;
    box.resize(400, 300);
    const ui::Bild bild = ui::Bild::ausBild(roteFlaeche());
    EXPECT_DOUBLE_EQ(bild.groesseHimetric().width(), 10000);
    EXPECT_DOUBLE_EQ(bild.groesseHimetric().height(), 5000);

    ui::Bild_einpassen(box, bild, true, true, 0);
    const QImage surface = box.pixmap().toImage();
    ASSERT_EQ(surface.size(), QSize(400, 300));

    const QRect place = *texts::fitRect(400, 300, 10000, 5000, true, true, box.logicalDpiX(), box.logicalDpiY());
    ASSERT_GT(place.top(), 2);
    EXPECT_TRUE(istRot(surface, place.center().x(), place.center().y()));
    EXPECT_TRUE(istRot(surface, place.left() + 1, place.top() + 1));
    EXPECT_TRUE(istRot(surface, place.right() - 1, place.bottom() - 1));
    EXPECT_FALSE(istRot(surface, 200, place.top() - 2));
    EXPECT_FALSE(istRot(surface, 200, place.bottom() + 2));
}

TEST(Bild_einpassen, BoxWithoutAreaShowsNoEarlierPictureAndFitsTheNewOneOnceItHasRoom)
{
    QLabel box;
    box.show();
    box.resize(400, 0);
    QPixmap vorher(10, 10);
    vorher.fill(Qt::blue);
    box.setPixmap(vorher);
    // Nothing can be drawn and nothing is raised, but the earlier picture is gone.
    ui::Bild_einpassen(box, ui::Bild::ausBild(roteFlaeche()), true, true);
    EXPECT_TRUE(box.pixmap().isNull());
    box.setPixmap(vorher);
    ui::Bild_einpassen_bleibend(box, ui::Bild::ausBild(roteFlaeche()), true, true);
    EXPECT_TRUE(box.pixmap().isNull());
    box.resize(400, 300);
    const QImage surface = box.pixmap().toImage();
    ASSERT_EQ(surface.size(), QSize(400, 300));
    EXPECT_TRUE(istRot(surface, 200, 150));
}

TEST(Bild_einpassen, PictureFiles)
{
    QTemporaryDir dir;
    const QString svg = QDir(dir.path()).filePath(QStringLiteral("Zeichnung.SVG"));
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="80mm" height="40mm" viewBox="0 0 80 40">)"
            R"(<rect x="0" y="0" width="80" height="40" fill="#ff0000"/></svg>)");
    f.close();

    const ui::Bild zeichnung = ui::Bild::ausDatei(svg);
    EXPECT_DOUBLE_EQ(zeichnung.groesseHimetric().width(), 8000);
    EXPECT_DOUBLE_EQ(zeichnung.groesseHimetric().height(), 4000);
    QLabel box;
    box.resize(200, 200);
    ui::Bild_einpassen(box, zeichnung, true, true);
    EXPECT_TRUE(istRot(box.pixmap().toImage(), 100, 100));
    EXPECT_FALSE(istRot(box.pixmap().toImage(), 100, 5));

    const QString png = QDir(dir.path()).filePath(QStringLiteral("banner.png"));
    ASSERT_TRUE(roteFlaeche().save(png));
    EXPECT_NEAR(ui::Bild::ausDatei(png).groesseHimetric().width(), 10000, 1);

    const QString kaputt = QDir(dir.path()).filePath(QStringLiteral("kaputt.svg"));
    QFile k(kaputt);
    ASSERT_TRUE(k.open(QIODevice::WriteOnly));
    k.write("kein Bild");
    k.close();
    const std::pair<QString, long> fehler[] = {{QDir(dir.path()).filePath(QStringLiteral("fehlt.svg")), 53}, {kaputt, 481}};
    for (const auto& [pfad, nummer] : fehler) {
        try {
            ui::Bild::ausDatei(pfad);
            ADD_FAILURE() << "no error for " << pfad.toStdString();
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), nummer);
        }
    }
}

TEST(Bild_einpassen, KeptPictureIsFittedAgainAfterAResize)
{
    QLabel box;
    box.resize(400, 300);
    box.show(); // a hidden widget gets its resize events only when shown
    ui::Bild_einpassen_bleibend(box, ui::Bild::ausBild(roteFlaeche()), true, true);
    box.resize(200, 400);
    QImage surface = box.pixmap().toImage();
    ASSERT_EQ(surface.size(), QSize(200, 400));
    const QRect place = *texts::fitRect(200, 400, 10000, 5000, true, true, box.logicalDpiX(), box.logicalDpiY());
    EXPECT_TRUE(istRot(surface, place.center().x(), place.center().y()));
    EXPECT_FALSE(istRot(surface, 100, place.top() - 2));

    // A second picture replaces the first; after removal a resize draws nothing.
    QImage blau = roteFlaeche();
    blau.fill(Qt::blue);
    ui::Bild_einpassen_bleibend(box, ui::Bild::ausBild(blau), true, true);
    box.resize(300, 300);
    EXPECT_EQ(box.pixmap().toImage().pixelColor(150, 150), QColor(Qt::blue));
    ui::Bild_entfernen(box);
    box.resize(250, 250);
    EXPECT_TRUE(box.pixmap().isNull());
}
