// The result tabs on the real window: which view a tab draws, the installation drawing and its
// dimension grid, the grid layouts, the data overview and spare parts, and the order key label.
#include "windowfixture.h"

#include "chart/control/chart.h"
#include "chart/control/widget.h"
#include "program/catalogue/einbau.h"
#include "program/catalogue/zubehoer.h"
#include "program/texts/picturefit.h"
#include "program/windowrules/einbau_zelle.h"
#include "program/ui/ergebnis_ansichten.h"
#include "program/windowrules/typschluessel.h"
#include "program/ui/widgets/updown.h"

#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

using namespace ui;

namespace {

QString zelle(QTableWidget* g, int r, int c)
{
    const QTableWidgetItem* item = g->item(r, c);
    return item ? item->text() : QString();
}

// Share of the pixels that the drawing painted (not transparent).
double zeichnungsAnteil(const QImage& bild)
{
    long gemalt = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            gemalt += qAlpha(bild.pixel(x, y)) != 0;
    return bild.isNull() ? 0.0 : double(gemalt) / (double(bild.width()) * bild.height());
}

QStringList spalte(QTableWidget* g, int c, int von, int bis)
{
    QStringList l;
    for (int r = von; r <= bis; ++r)
        l << zelle(g, r, c);
    return l;
}

} // namespace

TEST_F(WindowFixture, GridLayoutsAfterStartWithoutResult)
{
    open();
    QTableWidget* masse = w->FG_EinbauMasse;
    EXPECT_EQ(zelle(masse, 0, 0), "Bezeichnung");
    EXPECT_EQ(zelle(masse, 0, 1), "mm");
    EXPECT_EQ(spalte(masse, 0, 1, 19).join(","), "A,B,C,D,E,F,G,H,J,K,L,M,N,O,P,,X,Y,Z");
    EXPECT_EQ(spalte(masse, 1, 1, 19).join(""), "");
    EXPECT_EQ(masse->columnWidth(1), 128); // 1925 twips at 96 dpi
    EXPECT_GE(masse->columnWidth(0), 83);  // 1250 twips, wider when the heading needs it

    EXPECT_EQ(spalte(w->FG_Datenuebersicht, 0, 0, 7).join(","),
        "Ventilatordurchmesser,Ventilatordrehzahl,Schalldruckpegel,Anschlußspannung,Leistungsaufnahme,Füllinhalt,"
        "Betriebsdruck,Gesamtgewicht");
    EXPECT_EQ(spalte(w->FG_ErsatzTeile, 0, 0, 6).join(","), "Bezeichnung,Kühler,Fuß,Haube,Lüfter,Motor/Gebläse,Schutzgitter");
    EXPECT_EQ(zelle(w->FG_ErsatzTeile, 0, 1), "Bestell-Nr");
    for (QTableWidget* g : {w->FG_Datenuebersicht, w->FG_ErsatzTeile})
        EXPECT_EQ(std::make_pair(g->columnWidth(0), g->columnWidth(1)), std::make_pair(267, 347)) << g->objectName().toStdString();
    for (QTableWidget* g : {masse, w->FG_Datenuebersicht, w->FG_ErsatzTeile})
        for (int r = 0; r < g->rowCount(); ++r)
            for (int c = 0; c < 2; ++c)
                if (const QTableWidgetItem* item = g->item(r, c)) {
                    EXPECT_EQ(item->textAlignment(), int(Qt::AlignCenter)) << g->objectName().toStdString() << r << c;
                }

    EXPECT_EQ(w->LA_BestNr->text(), "Bestell-Nr.: ---------");
    EXPECT_EQ(k().TypSchluessel, KeinTypSchluessel);
}

TEST_F(WindowFixture, InstallationTabWithoutAResult)
{
    open(1, true);
    w->SSTab1->setCurrentIndex(1);
    EXPECT_FALSE(w->Pic_Zeichnung->isVisible());
    EXPECT_EQ(zelle(w->FG_EinbauMasse, 0, 1), "inch");
    EXPECT_EQ(spalte(w->FG_EinbauMasse, 1, 1, 19).join(""), "");
    EXPECT_FALSE(w->FG_EinbauMasse->isEnabled());
    EXPECT_EQ(w->LA_BestNr->text(), "Order Code: ---------");
}

TEST_F(WindowFixture, InstallationTabShowsTheDrawingAndEveryDimensionOfTheSize)
{
    open();
    w->resize(1100, 820);
    referencePoint();
    const catalogue::EinbauTabelle& tab = zustand->KDaten_Einbau.EinbauTab_DC_EU;
    w->SSTab1->setCurrentIndex(1);
    QApplication::processEvents();
    for (int schritt = 0; schritt < 3; ++schritt) {
        const int typ = k().Typ_Index;
        ASSERT_LT(typ, static_cast<int>(tab.size()));
        SCOPED_TRACE(typ);
        EXPECT_TRUE(w->Pic_Zeichnung->isVisible());
        EXPECT_TRUE(w->FG_EinbauMasse->isEnabled());
        const QImage bild = w->Pic_Zeichnung->pixmap().toImage();
        ASSERT_FALSE(bild.isNull());
        EXPECT_EQ(bild.size(), w->Pic_Zeichnung->contentsRect().size());
        // Drawn fitted and centred: the box's middle is painted, its top-left corner is not.
        EXPECT_GT(zeichnungsAnteil(bild), 0.05);
        EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0);
        for (int i = 0; i < catalogue::EinbauSpalten; ++i)
            EXPECT_EQ(zelle(w->FG_EinbauMasse, i + 1, 1), einbauZelle(tab[typ][i])) << i;
        w->UpDn_Kuehlertyp->upButton()->click(); // the next size redraws the open tab
    }
    // A larger box fits the drawing again.
    const QSize vorher = w->Pic_Zeichnung->pixmap().size();
    w->resize(1300, 950);
    QApplication::processEvents();
    EXPECT_NE(w->Pic_Zeichnung->pixmap().size(), vorher);
    EXPECT_EQ(w->Pic_Zeichnung->pixmap().size(), w->Pic_Zeichnung->contentsRect().size());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WindowFixture, MissingDrawingClearsThePictureSilentlyAndABrokenOneIsReported)
{
    open();
    referencePoint();
    w->SSTab1->setCurrentIndex(1);
    ASSERT_FALSE(w->Pic_Zeichnung->pixmap().isNull());

    w->ergebnisAnsichten()->zeichnungsPfad = [](const QString&) { return QString(); };
    w->UpDn_Kuehlertyp->upButton()->click();
    EXPECT_TRUE(w->Pic_Zeichnung->pixmap().isNull()); // never the previous size's drawing
    EXPECT_TRUE(boxes.shown.empty());

    QTemporaryDir dir;
    const QString kaputt = dir.filePath("kaputt.svg");
    QFile f(kaputt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<svg this is not");
    f.close();
    w->ergebnisAnsichten()->zeichnungsPfad = [kaputt](const QString&) { return kaputt; };
    w->UpDn_Kuehlertyp->upButton()->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, "Fehler in der Grafikdatei!!!");
    // In the language the user picks.
    w->menuItem("Menu_Ex_Sp_Tuerk")->trigger();
    boxes.clear();
    w->UpDn_Kuehlertyp->downButton()->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("Grafik dosyası hatası!!!"));
    EXPECT_EQ(boxes.shown[0].style, common::mb::Information);
    EXPECT_TRUE(w->Pic_Zeichnung->pixmap().isNull());
    // The dimensions are still written.
    EXPECT_EQ(zelle(w->FG_EinbauMasse, 1, 1),
        einbauZelle(zustand->KDaten_Einbau.EinbauTab_DC_EU[static_cast<std::size_t>(k().Typ_Index)][0]));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WindowFixture, OnlyTheSelectedTabIsDrawn)
{
    open();
    referencePoint();
    const int druck = w->pChart->chart().redrawCount();
    const int leistung = w->LChart->chart().redrawCount();
    w->SSTab1->setCurrentIndex(4);
    w->SSTab1->setCurrentIndex(0);
    w->SSTab1_Click(0);
    EXPECT_EQ(w->pChart->chart().redrawCount(), druck);
    EXPECT_EQ(w->LChart->chart().redrawCount(), leistung);
    EXPECT_TRUE(w->pChart->chart().plotData(3).empty()); // never drawn while on another tab
}

TEST_F(WindowFixture, DataTabFillsOverviewAndSpareParts)
{
    open();
    referencePoint();
    w->OBox_drueckend->click();
    w->SSTab1->setCurrentIndex(4);
    const catalogue::ZubehoerSatz& teile = zustand->Zubehoer.ZubehoerTab_DC12_EU[static_cast<std::size_t>(k().Typ_Index)];
    EXPECT_EQ(zelle(w->FG_ErsatzTeile, 1, 1), teile.Kuehlelement);
    EXPECT_EQ(zelle(w->FG_ErsatzTeile, 4, 1), teile.Luefter[1]); // the pushing fan
    EXPECT_EQ(w->LA_Zubehoer->text(), zustand->Texte.Text_163[0]);
    EXPECT_FALSE(zelle(w->FG_Datenuebersicht, 2, 1).isEmpty());
    EXPECT_EQ(w->LA_DatenUebersicht->text(), zustand->Texte.Text_162[0]);

    // Without a result the value cells are emptied, not left from the last size.
    type(w->TB_KLeistung, "0");
    type(w->TB_Durchfluss, "abc");
    ASSERT_EQ(w->TB_Kuehlertyp->text(), "---");
    w->SSTab1->setCurrentIndex(0);
    w->SSTab1->setCurrentIndex(4);
    EXPECT_EQ(spalte(w->FG_ErsatzTeile, 1, 1, 6).join(""), "");
}

TEST_F(WindowFixture, OrderKeyLabelFollowsTheResult)
{
    open();
    referencePoint();
    const QString code = k().KErgebnis[static_cast<std::size_t>(k().Typ_Index)].TypCode;
    EXPECT_EQ(w->LA_BestNr->text(), "Bestell-Nr.: " + code + Suffix_DC12);
    w->OBox_drueckend->click();
    EXPECT_EQ(w->LA_BestNr->text(), "Bestell-Nr.: " + code + Suffix_DC12 + LuftMarke_drueckend);
    EXPECT_EQ(k().TypSchluessel_Bericht, code + Suffix_DC12 + LuftMarke_drueckend);

    // No heat load: nine hyphens; the report keeps the last valid key.
    k().KLeistung = 0;
    w->TypSchluessel_anzeigen();
    EXPECT_EQ(w->LA_BestNr->text(), "Bestell-Nr.: ---------");
    EXPECT_EQ(k().TypSchluessel_Bericht, code + Suffix_DC12 + LuftMarke_drueckend);

    // Polish and Japanese switch the window's character set; the label is in the language.
    for (const auto& [sprache, zeichensatz] : {std::pair{5, 238}, std::pair{15, 128}}) {
        zustand->Texte.FontCharset_akt = 0;
        zustand->Texte.SprachNr = static_cast<qint16>(sprache);
        w->TypSchluessel_anzeigen();
        EXPECT_EQ(zustand->Texte.FontCharset_akt, zeichensatz);
        EXPECT_EQ(w->LA_BestNr->text(), zustand->Texte.Text_131[static_cast<std::size_t>(sprache)] + " ---------");
    }
}

TEST_F(WindowFixture, AFailingChartViewIsReportedOnceAndRestoresTheCursor)
{
    open();
    referencePoint();
    // A size outside the performance table with a flow range: its curve cannot be evaluated.
    k().Typ_Index = rating::KErgebnisSlots - 1;
    k().KErgebnis[rating::KErgebnisSlots - 1].Durchfluss_Min = 10;
    k().KErgebnis[rating::KErgebnisSlots - 1].Durchfluss_Max = 20;
    w->SSTab1->setCurrentIndex(2);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(w->isVisible());
    // The performance chart ignores the failure and draws the rest.
    w->SSTab1->setCurrentIndex(3);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WindowFixture, LongDimensionEntriesAreNotCut)
{
    open(1, true);
    referencePoint();
    w->OBox_AC->click(); // the US AC tables carry long thread designations
    type(w->TB_KLeistung, "8");
    w->SSTab1->setCurrentIndex(1);
    QTableWidget* g = w->FG_EinbauMasse;
    // Every word fits its column; an entry longer than the column gets a row of two lines.
    bool gewickelt = false;
    for (int r = 0; r < g->rowCount(); ++r)
        for (int c = 0; c < 2; ++c) {
            const QString text = zelle(g, r, c);
            for (const QString& wort : text.split(' ', Qt::SkipEmptyParts))
                EXPECT_LE(g->fontMetrics().horizontalAdvance(wort), g->columnWidth(c)) << r << "," << c;
            if (g->fontMetrics().horizontalAdvance(text.trimmed()) > g->columnWidth(c)) {
                gewickelt = true;
                EXPECT_GE(g->rowHeight(r), 2 * g->fontMetrics().lineSpacing()) << r;
            }
        }
    EXPECT_TRUE(gewickelt); // the case has an entry of several words wider than its column
    EXPECT_GT(g->columnWidth(1), 128); // and one word wider than the design width
    EXPECT_GE(g->width(), g->columnWidth(0) + g->columnWidth(1));
}
