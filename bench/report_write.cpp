// links: kelto_ui Qt6::Test
// One whole report from a computed selection to the written .docx, as the report button runs
// it on the main window (offscreen): every section with the page frame, both charts at their
// report size, the installation drawing and the address table. Run it pinned to one core
// (taskset -c 0) for the figure of a single core.
#include "common/messages.h"
#include "program/report/writer/reportwriter.h"
#include "program/app/appstate.h"
#include "program/ui/kelto_vx_menu.h"
#include "program/ui/programmzustand.h"
#include "wp/externalprograms.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

// Messages are counted, not shown: any message means the run failed.
class StummeMeldungen : public common::MessageBoxes {
public:
    int gezeigt = 0;
    QString letzte;

protected:
    int present(const QString& prompt, int, const QString&) override
    {
        ++gezeigt;
        letzte = prompt;
        return common::mb::No;
    }
};

// The report is written but not opened.
class OhneAnzeige : public wp::ExternalPrograms {
public:
    bool openInViewer(const QString&) override { return true; }
    void print(const QString&) override {}
    bool isOpenElsewhere(const QString&) override { return false; }
};

void eingeben(QLineEdit* feld, const QString& text)
{
    feld->setFocus();
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_Backspace);
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Return);
    QApplication::processEvents();
}

// The main window with the reference selection computed: AC Optim, metric, ISO VG46, 60 degC
// in, 30 degC ambient, 80 l/min, 8 kW; all nine report sections on.
struct Fenster {
    QTemporaryDir ordner;
    app::AppState start;
    std::unique_ptr<ui::Programmzustand> zustand;
    StummeMeldungen meldungen;
    std::unique_ptr<ui::Kelto_VX_Menu> w;

    Fenster()
    {
        start.System.Projekt_Pfad = ordner.filePath(QStringLiteral("Data/"));
        start.System.Projekt_Name = QStringLiteral("Messung");
        start.System.Init_aktiv = true;
        start.System.BildID_Offset = 10;
        QDir().mkpath(start.System.Projekt_Pfad);
        zustand = std::make_unique<ui::Programmzustand>(start);
        zustand->locale = QLocale(QLocale::English, QLocale::UnitedStates);
        ui::Kelto_VX_Menu::testHooks = [](ui::Kelto_VX_Menu& win) { win.wordCheck = [] {}; };
        w = std::make_unique<ui::Kelto_VX_Menu>(*zustand, meldungen);
        ui::Kelto_VX_Menu::testHooks = nullptr;
        w->berichtKontext = [](report::ReportContext& ctx) {
            ctx.programs = std::make_shared<OhneAnzeige>();
            ctx.paper = wp::Paper::a4();
        };
        w->show();
        w->Form_Activate();
        start.System.Init_aktiv = false;

        w->OBox_AC->click();
        w->CBox_Medium_Typ->setCurrentIndex(1);
        emit w->CBox_Medium_Typ->activated(1);
        eingeben(w->TB_T_in, QStringLiteral("60"));
        eingeben(w->TB_T_Umgebung, QStringLiteral("30"));
        eingeben(w->TB_Durchfluss, QStringLiteral("80"));
        eingeben(w->TB_KLeistung, QStringLiteral("8"));
        for (auto& option : start.ErgbAusgabe.Word_Optionen)
            option.Flag = 1;
    }

    QString datei() const
    {
        return QDir(start.System.Projekt_Pfad).absoluteFilePath(report::reportBaseName(start.System.Projekt_Name) + QStringLiteral(".docx"));
    }
};

void GanzerBericht(benchmark::State& state)
{
    static Fenster f;
    if (f.w->TB_Kuehlertyp->text() == QStringLiteral("---")) {
        state.SkipWithError("the selection found no cooler");
        return;
    }
    for (auto _ : state) {
        f.w->Word_Dokument_erstellen(report::Vorschau);
        if (f.meldungen.gezeigt != 0) {
            state.SkipWithError(f.meldungen.letzte.toStdString().c_str());
            return;
        }
    }
    const qint64 bytes = QFileInfo(f.datei()).size();
    if (bytes <= 0)
        state.SkipWithError("no report was written");
    state.counters["docx_kB"] = double(bytes) / 1024.0;
}
BENCHMARK(GanzerBericht)->Unit(benchmark::kMillisecond)->Repetitions(7)->DisplayAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The window writes its settings: into a folder of this run, never the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", config.path().toUtf8());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
