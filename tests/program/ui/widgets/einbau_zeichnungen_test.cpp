// The installation drawings of the system folder: each renders with Qt's SVG renderer and carries
// the dimension letters that the installation tables fill for the sizes that name it.
#include "platform/apppaths.h"
#include "program/catalogue/einbau.h"
#include "program/catalogue/kdaten_hc_tab.h"
#include "program/catalogue/ktab_zeichnungen.h"
#include "program/texts/picturefit.h"
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace {

QDir systemOrdner()
{
    // The build places the program's system folder beside the test program, as beside the program.
    return QDir(platform::AppPaths::forRunningProgram().systemFolder());
}

// The single capital letters written as text on a drawing.
QSet<QString> buchstabenDerZeichnung(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> letters;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text")) {
            const QString t = xml.readElementText().trimmed();
            if (t.size() == 1 && t[0].isUpper())
                letters.insert(t);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return letters;
}

} // namespace

TEST(EinbauZeichnungen, EveryDrawingRendersAtTheSizeTheResultTabShows)
{
    const QFileInfoList svgs = systemOrdner().entryInfoList({QStringLiteral("*.svg")}, QDir::Files);
    ASSERT_FALSE(svgs.isEmpty()) << systemOrdner().absolutePath().toStdString();
    for (const QFileInfo& info : svgs) {
        SCOPED_TRACE(info.fileName().toStdString());
        // Names are shipped in lowercase; the lookup ignores case.
        EXPECT_EQ(info.fileName(), info.fileName().toLower());
        QSvgRenderer renderer(info.absoluteFilePath());
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.defaultSize(), QSize(400, 300));
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        // Lines in both halves: a front and a side view.
        int linksDunkel = 0, rechtsDunkel = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    ++(x < 200 ? linksDunkel : rechtsDunkel);
        EXPECT_GT(linksDunkel, 1500);
        EXPECT_GT(rechtsDunkel, 800);
        EXPECT_FALSE(buchstabenDerZeichnung(info.absoluteFilePath()).isEmpty());
    }
}

TEST(EinbauZeichnungen, EachNamedDrawingCarriesTheLettersItsSizesFill)
{
    catalogue::KDaten_Tab kd;
    catalogue::KDaten_HC_Tab hc;
    catalogue::Init_KuehlerTabellen(kd, hc);
    catalogue::KDaten_Einbau einbau;
    catalogue::Init_EinbauTabellen(einbau);

    // Letters that the installation rows fill (a blank cell fills nothing), gathered per drawing over
    // every series and region whose size names that drawing.
    QHash<QString, QSet<QString>> gebraucht;
    for (long serie = catalogue::DC_12V; serie <= catalogue::Hydro_Rough; ++serie)
        for (bool us : {false, true}) {
            int typMax = 0;
            const catalogue::KTabelle* leistung = catalogue::waehleTabelle(kd, serie, us, typMax);
            const catalogue::EinbauTabelle masse = catalogue::Get_EinbauTabelle(einbau, serie, us, typMax);
            ASSERT_NE(leistung, nullptr);
            for (int i = 0; i <= typMax; ++i) {
                const QString name = (*leistung)[static_cast<std::size_t>(i)][catalogue::MediumOel].Zeichnung_Datei;
                QSet<QString>& letters = gebraucht[name];
                for (int j = 0; j < catalogue::EinbauSpalten; ++j)
                    if (!masse[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)].trimmed().isEmpty())
                        letters.insert(catalogue::EinbauBuchstabe(j));
            }
        }
    ASSERT_EQ(gebraucht.size(), catalogue::leistungsZeichnungen().size());
    const QDir ordner = systemOrdner();
    for (auto it = gebraucht.cbegin(); it != gebraucht.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        ASSERT_TRUE(ordner.exists(it.key()));
        // Every letter a size fills stands on its drawing, and the drawing shows no letter no size fills.
        EXPECT_EQ(buchstabenDerZeichnung(ordner.filePath(it.key())), it.value());
    }
}

TEST(EinbauZeichnungen, EveryDrawingGivesItsSizeInMillimetres)
{
    const QFileInfoList svgs = systemOrdner().entryInfoList({QStringLiteral("*.svg")}, QDir::Files);
    ASSERT_FALSE(svgs.isEmpty()) << systemOrdner().absolutePath().toStdString();
    for (const QFileInfo& info : svgs) {
        SCOPED_TRACE(info.fileName().toStdString());
        QFile file(info.absoluteFilePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QXmlStreamReader xml(bytes);
        while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
        }
        EXPECT_TRUE(xml.attributes().value(QLatin1String("width")).endsWith(QLatin1String("mm")));
        EXPECT_TRUE(xml.attributes().value(QLatin1String("height")).endsWith(QLatin1String("mm")));
        const std::optional<QSizeF> himetric = texts::svgSizeHimetric(bytes);
        ASSERT_TRUE(himetric.has_value());
        EXPECT_NEAR(himetric->width(), 11289, 0.5);
        EXPECT_NEAR(himetric->height(), 8467, 0.5);
    }
}
