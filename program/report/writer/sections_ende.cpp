// The second part of the report: the two charts, the spare parts, the data overview with the
// address table, and the footer.
#include "program/report/writer/sections.h"
#include "program/texts/startup_caption.h"
#include <cmath>

namespace report {

namespace {

constexpr QChar LB(11); // line break inside a paragraph

void chartBild(SectionWriter& w, QImage bild)
{
    const double breite = w.cm(w.ctx.chartWidthCm);
    const double hoehe = w.cm(w.ctx.chartHeightCm);
    w.sel.addPicture(bild, breite, hoehe);
}

QSize chartPixel(const SectionWriter& w)
{
    return {int(std::lround(w.ctx.chartWidthCm / 2.54 * w.ctx.chartDpi)),
            int(std::lround(w.ctx.chartHeightCm / 2.54 * w.ctx.chartDpi))};
}

// The chart control lays out its picture output on a frame 12500 twips wide (about 8.7 inches)
// with its fonts enlarged by half. The report's picture is narrower on paper, so it is drawn at the
// resolution that puts those 12500 twips on its pixels: text, lines and markers take the same
// share of the picture as in the control's own output, and the axis labels keep their spacing.
double chartLayoutDpi(QSize pixel)
{
    return pixel.width() * 1440.0 / 12500.0;
}

// A one-cell table with single borders, shaded in the drive colour, holding the upper-case title;
// then two empty paragraphs.
void titelBox(SectionWriter& w, const texts::SprachText& titel)
{
    wp::TableRef box = w.doc.addTable(w.sel.Range(), 1, 1);
    for (int side : {wp::BorderLeft, wp::BorderRight, wp::BorderTop, wp::BorderBottom, wp::BorderVertical})
        box.Borders(side).lineStyle = 1;
    box.setBordersShadow(false);
    wp::Range cell = box.Cell(1, 1).Range();
    cell.Font().setSize(14);
    cell.Font().setBold(true);
    cell.setCellsVerticalAlignment(1);
    cell.ParagraphFormat().setAlignment(wp::align::Centre);
    cell.ParagraphFormat().setSpaceBefore(6);
    cell.ParagraphFormat().setSpaceAfter(6);
    cell.setText(w.upper(w.t(titel)));
    cell.setShadingBackgroundPatternColor(wpColour(w.farbeAntrieb()));
    w.sel.EndKey(wp::unit::Story);
    w.sel.TypeParagraph();
    w.sel.TypeParagraph();
}

QString zelle(catalogue::FlexGrid& grid, int row)
{
    return row < grid.Rows() && grid.Cols() > 1 ? grid.TextMatrix(row, 1) : QString();
}

// Indented address cell: 0.4 cm left, 0 cm right, the same space before and after.
void adressAbsatz(wp::ParagraphFormat format, double abstand, const SectionWriter& w)
{
    format.setLeftIndent(w.cm(0.4));
    format.setRightIndent(w.cm(0));
    format.setSpaceBeforeAuto(false);
    format.setSpaceBefore(abstand);
    format.setSpaceAfterAuto(false);
    format.setSpaceAfter(abstand);
}

AdressSpalte ausAdresse(const Adresse& a, const QString& namePrefix)
{
    AdressSpalte s;
    s.name = namePrefix + a.Zeile[0];
    s.adresse = a.Zeile[2] + LB + a.Zeile[3];
    s.telefon = a.Zeile[5] + LB + a.Zeile[6];
    s.mail = a.Zeile[7] + LB + a.Zeile[8];
    return s;
}

AdressSpalte benutzerSpalte(const SectionWriter& w)
{
    const texts::System& sys = w.ctx.app.System;
    const texts::Texte& tx = w.ctx.app.Texte;
    AdressSpalte s;
    s.name = QStringLiteral("\r\n") + sys.User_Firma;
    const QString ort = sys.User_Strasse + LB + sys.User_PCode + QLatin1Char(' ') + sys.User_Ort;
    if (sys.User_Vorname.isEmpty() && sys.User_Name.isEmpty())
        s.adresse = ort;
    else
        s.adresse = (sys.User_Vorname + QLatin1Char(' ') + sys.User_Name).trimmed() + LB + ort;
    s.telefon = w.t(tx.Text_198) + QStringLiteral(": ") + sys.User_Tel + LB + w.t(tx.Text_199) + QStringLiteral(": ") + sys.User_Fax;
    s.mail = w.t(tx.Text_200) + QStringLiteral(": ") + sys.User_Email + LB + QStringLiteral("Web: ") + sys.User_Web;
    return s;
}

void adressZeilen(SectionWriter& w, wp::TableRef& tabelle, int spalte, const AdressSpalte& s)
{
    wp::Range name = tabelle.Cell(2, spalte).Range();
    adressAbsatz(name.ParagraphFormat(), 2, w);
    name.Font().setSize(10);
    name.Font().setBold(true);
    name.setText(s.name);
    if (spalte == 1)
        name.Font().setColor(wpColour(w.ctx.app.KuehlerDaten.Farbe_Standard));
    const QString texte[] = {s.adresse, s.telefon, s.mail};
    for (int row = 3; row <= 5; ++row) {
        wp::Range range = tabelle.Cell(row, spalte).Range();
        adressAbsatz(range.ParagraphFormat(), 3, w);
        range.Font().setSize(10);
        range.Font().setBold(false);
        range.setText(texte[row - 3]);
    }
}

} // namespace

void diagramme(SectionWriter& w)
{
    if (w.ctx.app.ErgbAusgabe.optionOn(option::Leistungskurve)) {
        if (w.shortPage) {
            w.sel.Font().setSize(8);
            w.sel.InsertBreak(wp::PageBreakType);
        } else {
            w.sel.InsertBreak(wp::PageBreakType);
            w.sel.TypeParagraph();
        }
        w.sel.TypeParagraph();
        w.ctx.window.Leistg_Chart_anzeigen();
        const QSize pixel = chartPixel(w);
        chartBild(w, w.ctx.window.LChartPicture(pixel, chartLayoutDpi(pixel)));
    }
    if (w.ctx.app.ErgbAusgabe.optionOn(option::Druckverlust)) {
        if (!w.ctx.app.ErgbAusgabe.optionOn(option::Leistungskurve))
            w.sel.InsertBreak(wp::PageBreakType);
        if (w.shortPage)
            w.sel.Font().setSize(8);
        else
            w.sel.TypeParagraph();
        w.sel.TypeParagraph();
        w.ctx.window.DruckVerl_anzeigen();
        const QSize pixel = chartPixel(w);
        chartBild(w, w.ctx.window.pChartPicture(pixel, chartLayoutDpi(pixel)));
    }
    w.sel.Font().setSize(11);
}

void ersatzteile(SectionWriter& w)
{
    const catalogue::Zubehoer& z = w.ctx.app.Zubehoer;
    if (w.shortPage)
        w.sel.Font().setSize(8);
    w.sel.InsertBreak(wp::PageBreakType);
    titelBox(w, w.ctx.app.Texte.Text_163);
    w.ctx.window.Zubehoer_anzeigen();

    wp::TableRef tabelle = w.doc.addTable(w.sel.Range(), 7, 2);
    const long farbe = wpColour(w.farbeAntrieb());
    tabelle.Cell(1, 1).Range().setShadingBackgroundPatternColor(farbe);
    tabelle.Cell(1, 2).Range().setShadingBackgroundPatternColor(farbe);
    const texts::SprachText* koepfe[] = {&z.ZubehoerText_Kuehlelement, &z.ZubehoerText_Fuss, &z.ZubehoerText_Haube,
                                         &z.ZubehoerText_Luefter, &z.ZubehoerText_Motor, &z.ZubehoerText_Schutzgitter};
    for (int row = 2; row <= 7; ++row)
        tabelle.Cell(row, 1).Range().setText(w.t(*koepfe[row - 2]) + QLatin1Char(':'));
    wp::Range bestellNr = tabelle.Cell(1, 2).Range();
    bestellNr.setText(w.t(z.ZubehoerText_BestellNr));
    bestellNr.Font().setBold(true);
    bestellNr.ParagraphFormat().setSpaceBefore(3);
    bestellNr.ParagraphFormat().setSpaceAfter(3);
    catalogue::FlexGrid& grid = w.ctx.window.FG_ErsatzTeile();
    for (int row = 2; row <= 7; ++row)
        tabelle.Cell(row, 2).Range().ParagraphFormat().setSpaceAfter(0);
    for (int row = 2; row <= 7; ++row)
        tabelle.Cell(row, 2).Range().setText(zelle(grid, row - 1));
    w.sel.EndKey(wp::unit::Story);
}

void datenuebersicht(SectionWriter& w)
{
    const catalogue::KDaten_Uebers& u = w.ctx.app.KDaten_Uebers;
    const QString ca = w.t(w.ctx.app.Texte.Text_517);
    if (!w.ctx.app.ErgbAusgabe.optionOn(option::Ersatzteile))
        w.sel.InsertBreak(wp::PageBreakType);
    w.sel.TypeParagraph();
    w.sel.TypeParagraph();
    w.sel.TypeParagraph();
    titelBox(w, w.ctx.app.Texte.Text_162);
    w.ctx.window.Datenuebersicht_anzeigen();

    wp::TableRef tabelle = w.sel.addTable(w.sel.Range(), 9, 2);
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 2; ++col)
            tabelle.Cell(row, col).Range().ParagraphFormat().setSpaceAfter(0);
    const std::pair<const texts::SprachText*, bool> koepfe[] = {
        {&u.UebersText_MotorVariante, false}, {&u.UebersText_Drehzahl, false},
        {&u.UebersText_Schalldruck, true},    {&u.UebersText_Spannung, false},
        {&u.UebersText_Leistungsaufnahme, false}, {&u.UebersText_Gesamtgewicht, true},
        {&u.UebersText_Versandgewicht_Bericht, true}, {&u.UebersText_Fuellinhalt, true},
        {&u.UebersText_Betriebsdruck, false}};
    for (int row = 1; row <= 9; ++row) {
        const auto& [kopf, circa] = koepfe[row - 1];
        tabelle.Cell(row, 1).Range().setText(w.t(*kopf) + (circa ? ca : QString()) + QLatin1Char(':'));
    }
    catalogue::FlexGrid& grid = w.ctx.window.FG_Datenuebersicht();
    for (int row = 1; row <= 9; ++row)
        tabelle.Cell(row, 2).Range().setText(zelle(grid, row - 1));
    w.sel.EndKey(wp::unit::Story);
    for (int i = 0; i < 5; ++i)
        w.sel.TypeParagraph();
}

AdressSpalte herstellerSpalte(const SectionWriter& w)
{
    if (w.region_US()) {
        const Adresse& a = w.ctx.app.ErgbAusgabe.Adresse_US;
        AdressSpalte s = ausAdresse(a, QStringLiteral("\r\n"));
        s.adresse = a.Zeile[2] + LB + a.Zeile[1] + LB + a.Zeile[3];
        return s;
    }
    return ausAdresse(w.ctx.app.ErgbAusgabe.Adresse_Stammhaus, QStringLiteral("\r\n"));
}

AdressSpalte rechteSpalte(const SectionWriter& w)
{
    const texts::Texte& tx = w.ctx.app.Texte;
    const ReportDaten& app = w.ctx.app;
    if (!app.Haendler_drucken) {
        AdressSpalte s = benutzerSpalte(w);
        s.ueberschrift = w.t(tx.Text_511);
        return s;
    }
    const std::vector<Adresse>& tabelle = w.region_US() ? w.ctx.app.ErgbAusgabe.Haendler_US : w.ctx.app.ErgbAusgabe.Haendler_EU;
    const int idx = gueltigerHaendlerIdx(tabelle, w.region_US() ? app.Haendler_US_Idx : app.Haendler_EU_Idx);
    AdressSpalte s;
    if (idx == 0) {
        s = benutzerSpalte(w);
        s.ueberschrift = w.t(tx.Text_513);
    } else {
        s = ausAdresse(tabelle[std::size_t(idx)], QString(LB));
        s.ueberschrift = w.t(tx.Text_512);
    }
    s.haendlerLogo = true;
    return s;
}

void adresstabelle(SectionWriter& w)
{
    const AdressSpalte links = herstellerSpalte(w);
    wp::TableRef tabelle = w.sel.addTable(w.sel.Range(), 5, 2);
    for (int side : {wp::BorderLeft, wp::BorderRight, wp::BorderTop, wp::BorderBottom, wp::BorderVertical})
        tabelle.Borders(side).lineStyle = 1;
    tabelle.Borders(wp::BorderHorizontal).lineStyle = 0;
    tabelle.setBordersShadow(false);
    const long farbe = wpColour(w.farbeAntrieb());
    tabelle.setBordersOutsideColor(farbe);
    tabelle.setBordersOutsideLineWidth(18);
    tabelle.Borders(wp::BorderVertical).colour = wp::Colour::fromLong(farbe);
    tabelle.Borders(wp::BorderVertical).lineWidth = 12;

    wp::Range logoZelle = tabelle.Cell(1, 1).Range();
    logoZelle.Font().setSize(10);
    logoZelle.Font().setBold(true);
    logoZelle.setCellsVerticalAlignment(1);
    logoZelle.ParagraphFormat().setAlignment(wp::align::Left);
    logoZelle.ParagraphFormat().setLeftIndent(w.cm(0.4));
    logoZelle.ParagraphFormat().setSpaceBefore(4);
    const QString logo = w.systemFile(QStringLiteral("Logo.jpg"));
    if (!logo.isEmpty())
        w.sel.addPicture(logo);
    adressZeilen(w, tabelle, 1, links);

    const AdressSpalte rechts = rechteSpalte(w);
    wp::Range kopf = tabelle.Cell(1, 2).Range();
    kopf.ParagraphFormat().setAlignment(wp::align::Centre);
    adressAbsatz(kopf.ParagraphFormat(), 2, w);
    const QString haendlerLogo = w.programFile(QStringLiteral("DealerLogo.jpg"));
    if (!haendlerLogo.isEmpty() && rechts.haendlerLogo) {
        tabelle.Cell(1, 2).Select();
        w.sel.TypeText(rechts.ueberschrift);
        w.sel.TypeParagraph();
        w.sel.addPicture(haendlerLogo);
    } else {
        kopf.Font().setSize(14);
        kopf.Font().setBold(true);
        kopf.Font().setUnderline(true);
        kopf.setCellsVerticalAlignment(1);
        kopf.setText(rechts.ueberschrift);
    }
    adressZeilen(w, tabelle, 2, rechts);
    w.sel.EndKey(wp::unit::Story);
}

void fusszeile(SectionWriter& w)
{
    w.doc.setSeekView(wp::view::SeekCurrentPageFooter);
    w.sel.Font().setSize(2);
    wp::TableRef fuss = w.sel.addTable(w.sel.Range(), 1, 3, 1, 0);
    auto arial12 = [&](int col) {
        wp::Range r = fuss.Cell(1, col).Range();
        r.Font().setSize(12);
        r.Font().setName(QStringLiteral("Arial"));
    };
    w.sel.TypeText(w.ctx.app.System.Projekt_Name);
    w.sel.ParagraphFormat().setAlignment(wp::align::Left);
    arial12(1);
    w.sel.MoveRight(wp::unit::Cell);
    w.sel.addField(w.sel.Range(), wp::field::Page);
    w.sel.TypeText(QStringLiteral("/"));
    w.sel.addField(w.sel.Range(), wp::field::NumPages);
    w.sel.ParagraphFormat().setAlignment(wp::align::Centre);
    arial12(2);
    w.sel.MoveRight(wp::unit::Cell);
    w.sel.addField(w.sel.Range(), wp::field::Date);
    w.sel.TypeText(QStringLiteral(" (") + texts::VersionText + QLatin1Char(')'));
    w.sel.ParagraphFormat().setAlignment(wp::align::Right);
    arial12(3);
    w.doc.setSeekView(wp::view::SeekMainDocument);
}

} // namespace report
