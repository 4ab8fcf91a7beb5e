// The first part of the report: page frame, paragraph defaults, header, the operating data and
// results, the selected cooler and the installation drawing.
#include "common/format.h"
#include "program/rating/units.h"
#include "program/report/writer/sections.h"
#include <QFileInfo>

namespace report {

namespace {

// A one-cell table with single outer borders, shaded in the drive colour, holding a bold text.
void kopfBox(SectionWriter& w, const QString& text, double size, int alignment)
{
    wp::TableRef box = w.sel.addTable(w.sel.Range(), 1, 1);
    for (int side : {wp::BorderLeft, wp::BorderRight, wp::BorderTop, wp::BorderBottom, wp::BorderVertical})
        box.Borders(side).lineStyle = 1;
    for (int side : {wp::BorderDiagonalDown, wp::BorderDiagonalUp})
        box.Borders(side).lineStyle = 0;
    box.setBordersShadow(false);
    wp::Range cell = box.Cell(1, 1).Range();
    cell.Font().setSize(size);
    cell.Font().setBold(true);
    cell.setText(text);
    cell.setCellsVerticalAlignment(1);
    cell.ParagraphFormat().setSpaceBefore(3);
    cell.ParagraphFormat().setSpaceAfter(3);
    cell.ParagraphFormat().setAlignment(alignment);
    cell.setShadingBackgroundPatternColor(wpColour(w.farbeAntrieb()));
    w.sel.EndKey(wp::unit::Story);
}

// Label: TAB value unit, then a new paragraph.
void datenzeile(SectionWriter& w, const texts::SprachText& label, const QString& wert, const QString& einheit)
{
    w.sel.TypeText(w.t(label) + QStringLiteral(":\t") + wert + QLatin1Char(' ') + einheit);
    w.sel.TypeParagraph();
}

// The name of a display unit; a selector outside the list (from a damaged settings file) has none.
template <std::size_t N>
QString einheitName(const SectionWriter& w, const std::array<texts::SprachText, N>& namen, long selector)
{
    return selector >= 0 && selector < long(N) ? w.t(namen[std::size_t(selector)]) : QString();
}

// An empty line, kept small on a short page.
void abstandsAbsatz(SectionWriter& w)
{
    if (w.shortPage) {
        w.sel.Font().setSize(8);
        w.sel.TypeParagraph();
        w.sel.Font().setSize(12);
    } else {
        w.sel.TypeParagraph();
    }
}

} // namespace

void seitenRahmen(SectionWriter& w)
{
    for (int side : {wp::BorderTop, wp::BorderLeft, wp::BorderBottom, wp::BorderRight}) {
        wp::Border& border = w.doc.SectionBorders(side);
        border.lineStyle = 1;
        border.lineWidth = 4;
        border.colour = wp::Colour{};
    }
}

void absatzVorgaben(SectionWriter& w)
{
    w.sel.ParagraphFormat().setSpaceAfter(0);
    w.sel.ParagraphFormat().setLineSpacingRule(0);
    w.sel.Range().Font().setName(QStringLiteral("Arial"));
    // Letter (27.94 cm) and shorter pages get smaller spacer lines; 28 cm itself counts as short.
    w.shortPage = w.sel.PageSetup().PageHeight <= w.cm(28.0) + 0.05;
}

void kopfzeile(SectionWriter& w)
{
    w.doc.setSeekView(wp::view::SeekCurrentPageHeader);
    w.sel.Font().setSize(2);
    wp::TableRef kopf = w.sel.addTable(w.sel.Range(), 1, 2);
    for (int side : {wp::BorderLeft, wp::BorderRight, wp::BorderTop, wp::BorderBottom, wp::BorderVertical})
        kopf.Borders(side).lineStyle = 0;
    kopf.setBordersShadow(false);
    w.sel.MoveRight(wp::unit::Cell);
    const QString logo = w.systemFile(QStringLiteral("Logo.jpg"));
    if (!logo.isEmpty())
        w.sel.addPicture(logo);
    w.sel.Font().setSize(12);
    if (w.ctx.app.ErgbAusgabe.optionOn(option::Anschrift)) {
        wp::CellRef name = kopf.Cell(1, 1);
        name.SetWidth(w.cm(10.5), 2);
        wp::Range range = name.Range();
        range.Font().setSize(18);
        range.Font().setBold(true);
        range.Font().setName(QStringLiteral("Arial"));
        range.setCellsVerticalAlignment(1);
        const Adresse& hersteller = w.region_US() ? w.ctx.app.ErgbAusgabe.Adresse_US : w.ctx.app.ErgbAusgabe.Adresse_Stammhaus;
        range.setText(hersteller.Zeile[0]);
        kopf.Cell(1, 2).Range().ParagraphFormat().setAlignment(wp::align::Right);
    }
}

QString antriebText(const SectionWriter& w)
{
    const texts::Texte& tx = w.ctx.app.Texte;
    QString text;
    switch (w.ctx.app.KuehlerDaten.Kuehler_Baureihe) {
    case 1: text = w.t(tx.Text_550); break;
    case 2: text = w.t(tx.Text_551); break;
    case 3: case 4: case 5: case 6:
        text = w.t(tx.Text_152) + (w.region_US() ? QStringLiteral(" 60Hz") : QStringLiteral(" 50Hz"));
        break;
    case 7: case 8:
        text = w.t(tx.Text_153) + QLatin1Char(' ') + w.ctx.window.TB_FanDrehzahl() + QStringLiteral(" RPM ");
        break;
    default: text = w.t(tx.Text_127);
    }
    const texts::SprachText& richtung = w.ctx.window.OBox_drueckend() ? tx.Text_157 : tx.Text_156;
    return text + QStringLiteral(" (") + w.t(richtung) + QLatin1Char(')');
}

void datenteil(SectionWriter& w)
{
    const texts::Texte& tx = w.ctx.app.Texte;
    const rating::KuehlerDaten& kd = w.ctx.app.KuehlerDaten;
    const QLocale& loc = w.ctx.locale;
    w.doc.setSeekView(wp::view::SeekMainDocument);
    w.doc.addTabStopToParagraphs(w.cm(tx.SprachNr == 4 ? 9.0 : 6.03));

    const QString temp = einheitName(w, kd.EH_Temp_Namen, kd.EH_Temp);
    const QString durchfluss = einheitName(w, kd.EH_Durchfluss_Namen, kd.EH_Durchfluss);
    const QString leistung = einheitName(w, kd.EH_Leistung_Namen, kd.EH_Leistung);
    const QString druck = einheitName(w, kd.EH_Druck_Namen, kd.EH_Druck);

    kopfBox(w, w.upper(w.t(tx.Text_300)), 20, wp::align::Centre);
    w.sel.TypeParagraph();

    kopfBox(w, w.upper(w.t(tx.Text_301)), 14, wp::align::Left);
    w.sel.TypeParagraph();
    w.sel.Font().setSize(12);
    datenzeile(w, tx.Text_140, rating::Temp_EH_anzeigen(kd, kd.T_Umgebung, loc), temp);
    datenzeile(w, tx.Text_141, rating::Temp_EH_anzeigen(kd, kd.T_in, loc), temp);
    datenzeile(w, tx.Text_130, rating::Durchfluss_EH_anzeigen(kd, kd.Durchfluss, loc), durchfluss);
    const auto& medien = w.ctx.app.KDatenStrukt.Medium_Liste;
    const QString medium = kd.Medium_Typ >= 0 && kd.Medium_Typ < int(medien.size())
                               ? w.t(medien[std::size_t(kd.Medium_Typ)].Name)
                               : QString();
    w.sel.TypeText(w.t(tx.Text_143) + QStringLiteral(":\t") + medium + QLatin1Char(' ') + w.ctx.window.CBox_Medium_Typ());
    w.sel.TypeParagraph();
    datenzeile(w, tx.Text_142, rating::Leistung_EH_anzeigen(kd, kd.KLeistung, loc), leistung);
    w.sel.TypeParagraph();

    kopfBox(w, w.upper(w.t(tx.Text_302)), 14, wp::align::Left);
    abstandsAbsatz(w);
    datenzeile(w, tx.Text_166, rating::Leistung_EH_anzeigen(kd, kd.Abgef_Leistg, loc), leistung);
    datenzeile(w, tx.Text_165, rating::Temp_EH_anzeigen(kd, kd.T_out, loc), temp);
    w.sel.TypeText(w.t(tx.Text_167) + QStringLiteral(":\t") + common::formatNumber(kd.Leistg_Reserve, QStringLiteral("#0.0 %"), loc));
    w.sel.TypeParagraph();
    datenzeile(w, tx.Text_160, rating::Druck_EH_anzeigen(kd, kd.DruckVerlust, loc), druck);
    if (kd.Medium_Typ == rating::MediumOel) {
        w.sel.TypeParagraph();
        w.sel.TypeText(w.t(tx.Text_305) + QStringLiteral(":\t") + common::formatNumber(kd.Visk_Medium, QStringLiteral("#0.0 cSt"), loc));
    }
    w.sel.TypeParagraph();
    datenzeile(w, tx.Text_306, rating::Temp_EH_anzeigen(kd, kd.T_mittel_Ergebnis, loc), temp);
    w.sel.TypeParagraph();

    w.sel.TypeText(w.t(tx.Text_307) + QStringLiteral(":\t") + w.ctx.window.TB_Kuehlertyp());
    w.sel.TypeParagraph();
    w.sel.TypeText(w.t(tx.Text_151) + QStringLiteral(":\t") + antriebText(w));
    w.sel.TypeParagraph();
    w.sel.TypeParagraph();

    // The order code of the current result (nine hyphens when there is none), never a stale one.
    kopfBox(w, w.upper(w.t(tx.Text_BestellNr)) + QLatin1Char('\t') + kd.TypSchluessel, 14, wp::align::Left);
    abstandsAbsatz(w);
}

void geometrieZeichnung(SectionWriter& w)
{
    constexpr double ZeichnungHoeheCm = 7.0;
    const texts::Texte& tx = w.ctx.app.Texte;
    const rating::KuehlerDaten& kd = w.ctx.app.KuehlerDaten;
    w.ctx.window.EinbauMase_anzeigen();

    wp::TableRef tabelle = w.sel.addTable(w.sel.Range(), 1, 2);
    for (int side : {wp::BorderLeft, wp::BorderRight, wp::BorderTop, wp::BorderBottom, wp::BorderVertical,
                     wp::BorderHorizontal, wp::BorderDiagonalDown, wp::BorderDiagonalUp})
        tabelle.Borders(side).lineStyle = 0;
    tabelle.setBordersShadow(false);
    tabelle.Cell(1, 1).SetWidth(w.cm(12), 2);
    tabelle.Cell(1, 2).SetWidth(w.cm(5), 2);

    if (kd.Typ_Index >= 0 && kd.Typ_Index < int(kd.KErgebnis.size())) {
        const QString zeichnung = kd.KErgebnis[std::size_t(kd.Typ_Index)].Zeichnung;
        const QString datei = zeichnung.isEmpty() ? QString() : w.systemFile(zeichnung);
        // At most 7 cm high: the drawing, its legend and the closing note then end the first
        // page on Letter as on A4, with the template's margins too.
        if (!datei.isEmpty())
            w.sel.addPicture(datei, w.cm(ZeichnungHoeheCm));
    }
    const QString einheit = w.region_US() ? QStringLiteral("    [inch]") : QStringLiteral("    [mm]");

    tabelle.Cell(1, 2).Select();
    w.sel.ParagraphFormat().setSpaceAfter(0);
    w.sel.ParagraphFormat().setLineSpacingRule(0);
    w.sel.Font().setSize(12);
    w.sel.Font().setBold(true);
    w.sel.Font().setUnderline(true);
    w.sel.TypeText(w.ctx.window.TB_Kuehlertyp() + einheit);
    w.sel.TypeParagraph();
    w.sel.Font().setSize(9);
    w.sel.Font().setBold(false);
    w.sel.Font().setUnderline(false);
    w.sel.ParagraphFormat().setSpaceAfter(0);
    w.sel.ParagraphFormat().setLineSpacingRule(0);
    catalogue::FlexGrid& grid = w.ctx.window.FG_EinbauMasse();
    QStringList werte;
    for (int r = 1; r < grid.Rows(); ++r)
        werte << (grid.Cols() > 1 ? grid.TextMatrix(r, 1) : QString());
    w.sel.TypeText(Masse_Legende_bilden(kd.Typ_Index, werte));

    w.sel.EndKey(wp::unit::Story);
    w.sel.Font().setSize(8);
    const QString linie = w.systemFile(QStringLiteral("BD10219.GIF"));
    if (!linie.isEmpty())
        w.sel.addHorizontalLine(linie);
    w.sel.TypeParagraph();
    w.sel.Font().setSize(11);
    w.sel.Font().setBold(false);
    w.sel.Font().setUnderline(false);
    w.sel.TypeText(w.t(tx.Text_303) + QLatin1Char(' ') + w.t(tx.Text_304));
}

} // namespace report
