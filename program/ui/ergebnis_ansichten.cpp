#include "program/ui/ergebnis_ansichten.h"

#include "chart/control/chart.h"
#include "chart/control/widget.h"
#include "common/error.h"
#include "common/messages.h"
#include "platform/apppaths.h"
#include "program/catalogue/einbau.h"
#include "program/catalogue/uebers.h"
#include "program/catalogue/zubehoer.h"
#include "program/rating/selection.h"
#include "program/ui/chart_kurven.h"
#include "program/windowrules/einbau_zelle.h"
#include "program/ui/kelto_vx_menu.h"
#include "program/ui/programmzustand.h"
#include "program/windowrules/typschluessel.h"
#include "program/ui/widgets/flexgrid.h"
#include "program/ui/widgets/picturefit.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <optional>

namespace ui {

namespace {

const QString& inSprache(const texts::SprachText& t, int n)
{
    return t[static_cast<std::size_t>((n >= 0 && n <= 16) ? n : 1)];
}

// Hourglass for the time of a view; restored on every way out.
struct Sanduhr {
    Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { QApplication::restoreOverrideCursor(); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};

// The grid's column alignment: every cell of the column centred; the heading column, and the
// heading row of a grid that has one, drawn on the button colour, as fixed cells.
class ZentrierteSpalte final : public QStyledItemDelegate {
public:
    ZentrierteSpalte(bool kopfzeile, QObject* parent) : QStyledItemDelegate(parent), m_kopfzeile(kopfzeile) {}
    bool kopfzeile() const { return m_kopfzeile; }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignCenter;
        if ((m_kopfzeile && index.row() == 0) || index.column() == 0)
            option->backgroundBrush = option->palette.button();
    }

private:
    bool m_kopfzeile;
};

// kopfzeile: row 0 holds headings (dimension and spare-part grids); the data overview's row 0
// holds the drive type, a value like every other row.
void spaltenZentrieren(QTableWidget* grid, bool kopfzeile = true)
{
    for (int c = 0; c < 2; ++c) {
        const auto* d = dynamic_cast<ZentrierteSpalte*>(grid->itemDelegateForColumn(c));
        if (d == nullptr || d->kopfzeile() != kopfzeile)
            grid->setItemDelegateForColumn(c, new ZentrierteSpalte(kopfzeile, grid));
        for (int r = 0; r < grid->rowCount(); ++r)
            if (QTableWidgetItem* item = grid->item(r, c))
                item->setTextAlignment(Qt::AlignCenter);
    }
}

// Column widths are given in twips.
void spaltenBreite(QTableWidget* grid, int col, int twips)
{
    grid->setColumnWidth(col, qRound(twips * grid->logicalDpiX() / 1440.0));
}

constexpr int ZellRand = 12;

// Width a column needs for its widest entry, or with nachWoertern for its longest word.
int breitesterEintrag(const QTableWidget* grid, int c, bool nachWoertern)
{
    const QFontMetrics fm = grid->fontMetrics();
    int breite = 0;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const QTableWidgetItem* item = grid->item(r, c);
        if (item == nullptr)
            continue;
        const QStringList teile = nachWoertern ? item->text().split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                               : QStringList{item->text()};
        for (const QString& teil : teile)
            breite = std::max(breite, fm.horizontalAdvance(teil) + ZellRand);
    }
    return breite;
}

// The columns keep their design widths (twips) unless an entry needs more; then the column takes
// the width of its widest entry, or with nachWoertern of its longest word.
void spaltenBreiten(QTableWidget* grid, int twips0, int twips1, bool nachWoertern)
{
    const int twips[2] = {twips0, twips1};
    for (int c = 0; c < 2; ++c)
        grid->setColumnWidth(
            c, std::max(qRound(twips[c] * grid->logicalDpiX() / 1440.0), breitesterEintrag(grid, c, nachWoertern)));
}

// Every entry whole in its column; the grid scrolls when its window is narrower than its columns.
// In a shown grid the value column takes the room its box leaves beside the heading column, but
// never less than its widest entry: the grid fills its box without an empty band at the right, and
// a long heading column in some languages costs no scroll bar over values that would all fit.
void spaltenAufInhalt(QTableWidget* grid, int twips0, int twips1)
{
    spaltenBreiten(grid, twips0, twips1, false);
    if (!grid->isVisible())
        return;
    const int frei = grid->viewport()->width() - grid->columnWidth(0);
    grid->setColumnWidth(1, std::max(breitesterEintrag(grid, 1, false), frei));
}

// The dimension grid's columns keep their design widths unless a heading or an entry needs
// more: a column grows to its longest word (a thread designation such as "M8-1.25X16mm(4PL)"),
// and an entry of several words that is still too wide wraps onto a higher row. A grid of fixed
// width follows its columns, so nothing is cut.
void spaltenEinpassen(QTableWidget* grid, int twips0, int twips1)
{
    const QFontMetrics fm = grid->fontMetrics();
    constexpr int Rand = ZellRand;
    spaltenBreiten(grid, twips0, twips1, true);
    grid->setWordWrap(true);
    for (int r = 0; r < grid->rowCount(); ++r) {
        bool zuBreit = false;
        for (int c = 0; c < 2; ++c)
            if (const QTableWidgetItem* item = grid->item(r, c))
                zuBreit = zuBreit || fm.horizontalAdvance(item->text().trimmed()) + Rand > grid->columnWidth(c);
        if (zuBreit)
            grid->setRowHeight(r, std::max(grid->rowHeight(r), 2 * fm.lineSpacing() + Rand / 2));
    }
    if (grid->minimumWidth() == grid->maximumWidth())
        grid->setFixedWidth(grid->columnWidth(0) + grid->columnWidth(1) + 2 * grid->frameWidth());
}

} // namespace

ErgebnisAnsichten::ErgebnisAnsichten(Kelto_VX_Menu& fenster, Programmzustand& zustand, common::MessageBoxes& boxes)
    : QObject(&fenster), m_fenster(fenster), m_zustand(zustand), m_boxes(boxes)
{
    zeichnungsPfad = [](const QString& name) { return platform::AppPaths::forRunningProgram().systemFile(name); };
    chartVorgabenSetzen();
}

void ErgebnisAnsichten::chartVorgabenSetzen()
{
    using vexachart::Variant;
    const auto setzen = [](vexachart::Vexachart& c, double xMax, double yMax) {
        c.setMaxCountOfPlots(6);
        c.setClrControlBackGround(0x8000000F);
        c.setClrGrid(0xB89C50);
        c.setClrLabels(0x80000012);
        c.setClrScales(0x80000012);
        c.setGridStyle(1);
        c.setBorderStyle(0);
        c.setXAxisLinLogMode(0);
        c.setYAxisLinLogMode(0);
        c.setXScalingNotation(0);
        c.setYScalingNotation(0);
        c.SetGlobalBorders(Variant(0.01), Variant(xMax), Variant(0.01), Variant(yMax));
        c.setEnableMenuOptionLegend(false);
        c.setEnableMenuOptionSave(false);
        c.setEnableMenuOptionZoom(false);
        c.setEnabled(true);
    };
    vexachart::Vexachart& l = m_fenster.LChart->chart();
    vexachart::Vexachart& p = m_fenster.pChart->chart();
    setzen(l, 605, 1000);
    setzen(p, 100, 100);
    for (qint16 n = 1; n <= 6; ++n)
        p.SetPlotLegendText(n, QStringLiteral("Plot %1").arg(n));
    l.SetPlotAspects(6, Variant(QStringLiteral("Ziel-Pkt.")), Variant::missing(), Variant::missing(), Variant::missing(),
        Variant::missing(), Variant(qint16(7)), Variant(qint16(9)));
}

bool ErgebnisAnsichten::keinErgebnis() const
{
    return m_fenster.TB_Kuehlertyp->text() == QStringLiteral("---") || !m_zustand.KuehlerDaten.Eingabe_OK;
}

QString ErgebnisAnsichten::mediumText() const
{
    return m_fenster.LA_Medium_Subindex->text() + QLatin1Char(' ') + m_fenster.CBox_Medium_Typ->currentText();
}

void ErgebnisAnsichten::SSTab1_Click(int /*PreviousTab*/)
{
    try {
        switch (m_fenster.SSTab1->currentIndex()) {
        case 1:
            EinbauMase_anzeigen();
            break;
        case 2:
            DruckVerl_anzeigen();
            break;
        case 3:
            Leistg_Chart_anzeigen();
            break;
        case 4:
            Datenuebersicht_anzeigen();
            Zubehoer_anzeigen();
            break;
        default:
            break;
        }
    } catch (const common::Error& e) {
        m_boxes.show(e.description(), common::mb::Critical);
    } catch (const std::exception& e) {
        m_boxes.show(QString::fromLocal8Bit(e.what()), common::mb::Critical);
    }
}

void ErgebnisAnsichten::EinbauMase_anzeigen()
{
    Sanduhr sanduhr;
    const rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    const bool us = m_zustand.KDaten_Tab.Region_US;
    QTableWidget* fg = m_fenster.FG_EinbauMasse;
    FlexGridAdapter grid(fg);
    grid.writeCell(0, 1, us ? QStringLiteral("inch") : QStringLiteral("mm"));
    if (keinErgebnis()) {
        m_fenster.Pic_Zeichnung->hide();
        for (int r = 1; r <= catalogue::EinbauSpalten; ++r)
            grid.writeCell(r, 1, QString());
        fg->setEnabled(false);
        return;
    }
    m_fenster.Pic_Zeichnung->show();
    fg->setEnabled(true);

    const int typ = k.Typ_Index;
    const catalogue::EinbauTabelle* tabelle = nullptr;
    if (typ >= 0) {
        tabelle = catalogue::EinbauTabelle_von(m_zustand.KDaten_Einbau, k.Kuehler_Baureihe, us);
        const QString name = typ < rating::KErgebnisSlots ? k.KErgebnis[static_cast<std::size_t>(typ)].Zeichnung : QString();
        const QString pfad = name.isEmpty() ? QString() : zeichnungsPfad(name);
        QLabel& box = *m_fenster.Pic_Zeichnung;
        if (pfad.isEmpty() || !QFileInfo::exists(pfad)) {
            Bild_entfernen(box); // no drawing for this size: never the previous size's one
        } else {
            try {
                Bild_einpassen_bleibend(box, Bild::ausDatei(pfad), true, true);
            } catch (const std::exception&) {
                Bild_entfernen(box);
                m_boxes.show(inSprache(m_zustand.Texte.Text_616, m_zustand.Texte.SprachNr), common::mb::Information);
            }
        }
    }
    // All 19 rows are written, so nothing of the previous size stays.
    const bool zeileDa = tabelle != nullptr && typ >= 0 && typ < static_cast<int>(tabelle->size());
    for (int i = 0; i < catalogue::EinbauSpalten; ++i) {
        const QString eintrag = zeileDa ? (*tabelle)[static_cast<std::size_t>(typ)][static_cast<std::size_t>(i)] : QString();
        grid.writeCell(i + 1, 1, einbauZelle(eintrag));
    }
    spaltenZentrieren(fg);
    spaltenEinpassen(fg, 1250, 1925);
}

ChartLage ErgebnisAnsichten::chartLage()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    const catalogue::KTabelle& tabelle = rating::Get_KuehlerTabelle(k, m_zustand.KDaten_Tab);
    const texts::System& sys = m_zustand.System();
    return ChartLage{k, tabelle, m_zustand.Texte, m_zustand.KDaten_Tab.Region_US, sys.Word_aktiv, sys.SW_Graphik_Flag,
        m_fenster.TB_Kuehlertyp->text(), mediumText(), m_zustand.locale};
}

void ErgebnisAnsichten::Leistg_Chart_anzeigen()
{
    std::optional<Sanduhr> sanduhr;
    if (!keinErgebnis())
        sanduhr.emplace();
    ChartBild bild;
    try {
        bild = leistungsChartBilden(chartLage());
    } catch (const std::exception&) {
        return; // a failing evaluation leaves the chart as it is
    }
    chartAnwenden(m_fenster.LChart->chart(), bild, ChartArt::Leistung, true);
}

void ErgebnisAnsichten::DruckVerl_anzeigen()
{
    std::optional<Sanduhr> sanduhr;
    if (!keinErgebnis())
        sanduhr.emplace();
    m_fenster.pChart->chart().ClearAllPlotData();
    const ChartBild bild = druckChartBilden(chartLage(), m_boxes);
    chartAnwenden(m_fenster.pChart->chart(), bild, ChartArt::Druckverlust, false);
}

void ErgebnisAnsichten::Datenuebersicht_anzeigen()
{
    const rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    catalogue::UebersichtLage lage;
    lage.Region_US = m_zustand.KDaten_Tab.Region_US;
    lage.Kuehler_Baureihe = k.Kuehler_Baureihe;
    lage.Typ_Index = keinErgebnis() ? -1 : k.Typ_Index;
    lage.LuefterDrueckend = m_fenster.OBox_drueckend->isChecked();
    lage.Ergebnis = rating::uebersichtErgebnis(k.KErgebnis, lage.Typ_Index);
    FlexGridAdapter grid(m_fenster.FG_Datenuebersicht);
    LabelAdapter label(m_fenster.LA_DatenUebersicht);
    catalogue::Datenuebersicht_anzeigen(m_zustand.KDaten_Uebers, m_zustand.Texte, lage, grid, label);
    spaltenZentrieren(m_fenster.FG_Datenuebersicht, false);
    spaltenAufInhalt(m_fenster.FG_Datenuebersicht, 4000, 5200);
}

void ErgebnisAnsichten::Zubehoer_anzeigen()
{
    const rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    catalogue::ZubehoerLage lage;
    lage.Region_US = m_zustand.KDaten_Tab.Region_US;
    lage.Kuehler_Baureihe = k.Kuehler_Baureihe;
    lage.Typ_Index = keinErgebnis() ? -1 : k.Typ_Index;
    lage.LuefterDrueckend = m_fenster.OBox_drueckend->isChecked();
    FlexGridAdapter grid(m_fenster.FG_ErsatzTeile);
    LabelAdapter label(m_fenster.LA_Zubehoer);
    catalogue::Zubehoer_anzeigen(m_zustand.Zubehoer, m_zustand.Texte, lage, grid, label);
    spaltenZentrieren(m_fenster.FG_ErsatzTeile);
    spaltenAufInhalt(m_fenster.FG_ErsatzTeile, 4000, 5200);
}

void ErgebnisAnsichten::TypSchluessel_anzeigen()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    TypSchluesselLage lage;
    lage.Kuehler_Baureihe = k.Kuehler_Baureihe;
    lage.Region_US = m_zustand.KDaten_Tab.Region_US;
    lage.drueckend = m_fenster.OBox_drueckend->isChecked();
    lage.KLeistung = k.KLeistung;
    lage.Eingabe_OK = k.Eingabe_OK;
    lage.Typ_Index = k.Typ_Index;
    lage.ergebnisAngezeigt = m_fenster.TB_Kuehlertyp->text() != QStringLiteral("---");
    if (k.Typ_Index >= 0 && k.Typ_Index < rating::KErgebnisSlots)
        lage.TypCode = k.KErgebnis[static_cast<std::size_t>(k.Typ_Index)].TypCode;
    k.TypSchluessel = typSchluesselBilden(lage);
    if (k.TypSchluessel != KeinTypSchluessel)
        k.TypSchluessel_Bericht = k.TypSchluessel;
    const int sprache = m_zustand.Texte.SprachNr;
    if (sprache == 5)
        m_fenster.Setze_FontCharset_Menu(238);
    else if (sprache == 15)
        m_fenster.Setze_FontCharset_Menu(128);
    m_fenster.LA_BestNr->setText(inSprache(m_zustand.Texte.Text_131, sprache) + QLatin1Char(' ') + k.TypSchluessel);
}

void ErgebnisAnsichten::IniT_EinbauMas_DG()
{
    QTableWidget* fg = m_fenster.FG_EinbauMasse;
    FlexGridAdapter grid(fg);
    grid.Clear();
    grid.writeCell(0, 0, inSprache(m_zustand.Texte.Text_170, m_zustand.Texte.SprachNr));
    grid.writeCell(0, 1, QStringLiteral("mm"));
    for (int i = 0; i < catalogue::EinbauSpalten; ++i)
        grid.writeCell(i + 1, 0, catalogue::EinbauBuchstabe(i));
    grid.setRow(0);
    grid.setCol(1);
    spaltenZentrieren(fg);
    spaltenEinpassen(fg, 1250, 1925);
}

void ErgebnisAnsichten::Init_DatenUebersicht_DG()
{
    static const char* const ueberschriften[] = {"Ventilatordurchmesser", "Ventilatordrehzahl", "Schalldruckpegel",
        "Anschlußspannung", "Leistungsaufnahme", "Füllinhalt", "Betriebsdruck", "Gesamtgewicht"};
    QTableWidget* fg = m_fenster.FG_Datenuebersicht;
    FlexGridAdapter grid(fg);
    grid.Clear();
    for (int r = 0; r < 8; ++r)
        grid.writeCell(r, 0, QString::fromUtf8(ueberschriften[r]));
    spaltenBreite(fg, 0, 4000);
    spaltenBreite(fg, 1, 5200);
    grid.setRow(1);
    grid.setCol(0);
    spaltenZentrieren(fg, false);
}

void ErgebnisAnsichten::Init_Ersatzteil_DG()
{
    static const char* const teile[] = {"Kühler", "Fuß", "Haube", "Lüfter", "Motor/Gebläse", "Schutzgitter"};
    QTableWidget* fg = m_fenster.FG_ErsatzTeile;
    FlexGridAdapter grid(fg);
    grid.Clear();
    grid.writeCell(0, 0, QStringLiteral("Bezeichnung"));
    grid.writeCell(0, 1, QStringLiteral("Bestell-Nr"));
    for (int r = 0; r < 6; ++r)
        grid.writeCell(r + 1, 0, QString::fromUtf8(teile[r]));
    spaltenZentrieren(fg);
    grid.setRow(1);
    grid.setCol(0);
    spaltenBreite(fg, 0, 4000);
    spaltenBreite(fg, 1, 5200);
}

} // namespace ui

namespace ui {

void Kelto_VX_Menu::EinbauMase_anzeigen()
{
    m_ergebnisAnsichten->EinbauMase_anzeigen();
}

void Kelto_VX_Menu::DruckVerl_anzeigen()
{
    m_ergebnisAnsichten->DruckVerl_anzeigen();
}

void Kelto_VX_Menu::Leistg_Chart_anzeigen()
{
    m_ergebnisAnsichten->Leistg_Chart_anzeigen();
}

} // namespace ui
