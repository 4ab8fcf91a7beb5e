#pragma once
// A report run against a fake main window: texts and catalogue headings filled as at start-up,
// a program folder with its own system folder (logo, line picture, one drawing), and recording
// fakes of the viewer and printer. The written package is read back part by part.
#include "common/recordingmessageboxes.h"
#include "program/app/appstate.h"
#include "program/app/unitnames.h"
#include "program/catalogue/medium_liste.h"
#include "program/catalogue/uebers.h"
#include "program/catalogue/zubehoer.h"
#include "program/report/writer/reportwriter.h"
#include "program/texts/textcatalogue.h"
#include "wp/zippackage.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace reporttest {

class FakeWindow : public report::ReportWindow {
public:
    catalogue::MemoryGrid masse{20, 2};
    catalogue::MemoryGrid uebersicht{9, 2};
    catalogue::MemoryGrid ersatz{7, 2};
    QString kuehlertyp = QStringLiteral("KV 2040-A");
    QString mediumTyp = QStringLiteral("ISO VG 46");
    bool drueckend = false;
    QString drehzahl = QStringLiteral("1450");
    std::vector<QString> calls;
    bool busy = false;
    bool progressShown = false;
    QString progressText;
    const char* failIn = nullptr; // name of a call that throws

    void call(const char* name)
    {
        calls.emplace_back(QString::fromLatin1(name));
        if (failIn && qstrcmp(failIn, name) == 0)
            common::raise(9, QString::fromLatin1(name), QStringLiteral("injected failure"));
    }
    void EinbauMase_anzeigen() override { call("EinbauMase_anzeigen"); }
    void Leistg_Chart_anzeigen() override { call("Leistg_Chart_anzeigen"); }
    void DruckVerl_anzeigen() override { call("DruckVerl_anzeigen"); }
    void Zubehoer_anzeigen() override { call("Zubehoer_anzeigen"); }
    void Datenuebersicht_anzeigen() override { call("Datenuebersicht_anzeigen"); }
    catalogue::FlexGrid& FG_EinbauMasse() override { return masse; }
    catalogue::FlexGrid& FG_Datenuebersicht() override { return uebersicht; }
    catalogue::FlexGrid& FG_ErsatzTeile() override { return ersatz; }
    QString TB_Kuehlertyp() const override { return kuehlertyp; }
    QString CBox_Medium_Typ() const override { return mediumTyp; }
    bool OBox_drueckend() const override { return drueckend; }
    QString TB_FanDrehzahl() const override { return drehzahl; }
    QImage chart(QSize pixels, QColor colour)
    {
        QImage image(pixels, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setPen(QPen(colour, 6));
        p.drawRect(image.rect().adjusted(20, 20, -20, -20));
        p.drawLine(40, pixels.height() - 40, pixels.width() - 40, 40);
        return image;
    }
    QImage LChartPicture(QSize pixels, double) override { call("LChartPicture"); return chart(pixels, Qt::darkGreen); }
    QImage pChartPicture(QSize pixels, double) override { call("pChartPicture"); return chart(pixels, Qt::darkBlue); }
    void setBusy(bool on) override { busy = on; }
    void showProgress(const QString& text) override { progressShown = true; progressText = text; }
    void hideProgress() override { progressShown = false; }
    void refreshResultView() override { calls.emplace_back(QStringLiteral("refreshResultView")); }
};

// Message boxes that also note whether the progress window was open when each message came.
class ReportBoxes : public common::RecordingMessageBoxes {
public:
    explicit ReportBoxes(const FakeWindow& window) : m_window(window) {}
    std::vector<bool> progressOpen;

protected:
    int present(const QString& prompt, int style, const QString& title) override
    {
        progressOpen.push_back(m_window.progressShown);
        return RecordingMessageBoxes::present(prompt, style, title);
    }

private:
    const FakeWindow& m_window;
};

class FakePrograms : public wp::ExternalPrograms {
public:
    std::vector<QString> opened;
    std::vector<QString> printed;
    bool printerInstalled = true;
    bool viewerWorks = true;
    QByteArray bytesWhenOpened;

    bool openInViewer(const QString& path) override
    {
        opened.push_back(path);
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            bytesWhenOpened = f.readAll();
        return viewerWorks;
    }
    void print(const QString& path) override
    {
        if (!printerInstalled)
            common::raise(wp::NoPrintingProgram, QStringLiteral("print"), QStringLiteral("none"));
        printed.push_back(path);
    }
    bool isOpenElsewhere(const QString& path) override { return wp::officeLockFilePresent(path); }
};

// The parts of a saved package by name.
inline std::map<QString, QString> readParts(const QString& path)
{
    std::map<QString, QString> parts;
    for (const auto& [name, data] : wp::readZipPackage(path))
        parts[name] = QString::fromUtf8(data);
    return parts;
}

inline int count(const QString& text, const QString& what)
{
    return int(text.count(what));
}

class ReportFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    app::AppState app;
    report::ErgbAusgabe& ergb = app.ErgbAusgabe;
    FakeWindow window;
    ReportBoxes boxes{window};
    std::shared_ptr<FakePrograms> programs = std::make_shared<FakePrograms>();
    std::unique_ptr<report::ReportContext> ctx;

    QString programFolder() const { return dir.filePath(QStringLiteral("prog")); }
    QString dataFolder() const { return dir.filePath(QStringLiteral("data/")); }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir().mkpath(programFolder() + QStringLiteral("/system"));
        QDir().mkpath(dataFolder());
        // The build copies the system folder next to the test programs.
        const QString source = QCoreApplication::applicationDirPath() + QStringLiteral("/system/");
        for (const char* name : {"logo.jpg", "bd10219.gif", "m_ac_gewinde.svg"})
            QFile::copy(source + QLatin1String(name), programFolder() + QStringLiteral("/system/") + QLatin1String(name));

        texts::Init_MeldungsTexte(app.Texte);
        texts::Init_SysTexte(app.Texte, {[&] { catalogue::Init_ZubehoerTexte(app.Zubehoer); },
                                         [&] { catalogue::Init_UebersichtTexte(app.KDaten_Uebers); }});
        catalogue::Init_MediumDaten(app.KDatenStrukt, app.Texte);
        report::Init_Adressdaten(ergb);
        report::Init_Word_Optionen_Texte(ergb);
        for (auto& option : ergb.Word_Optionen)
            option.Flag = 1;

        rating::KuehlerDaten& kd = app.KuehlerDaten;
        app::fillUnitNames(kd, app.Texte);
        kd.T_Umgebung = 35;
        kd.T_in = 70;
        kd.T_out = 61.5;
        kd.T_mittel_Ergebnis = 65.75;
        kd.Durchfluss = 60;
        kd.KLeistung = 10000;
        kd.Abgef_Leistg = 11530;
        kd.DruckVerlust = 42000;
        kd.Leistg_Reserve = 0.153;
        kd.Visk_Medium = 46.04;
        kd.Medium_Typ = rating::MediumOel;
        kd.Kuehler_Baureihe = 3;
        kd.Typ_Index = 2;
        kd.KErgebnis[2].Zeichnung = QStringLiteral("M_AC_Gewinde.svg");
        kd.TypSchluessel = QStringLiteral("KV2040-A3-50-S");
        kd.Farbe_Antrieb = common::rgbColour(0x40, 0x80, 0xC0);
        kd.Farbe_Standard = common::rgbColour(0x00, 0x33, 0x66);

        app.System.Projekt_Pfad = dataFolder();
        app.System.Projekt_Name = QStringLiteral("Pumpe3");
        app.System.User_Firma = QStringLiteral("Müller & Söhne <GmbH>");
        app.System.User_Vorname = QStringLiteral("Anna");
        app.System.User_Strasse = QStringLiteral("Hauptstraße 1");
        app.System.User_PCode = QStringLiteral("12345");
        app.System.User_Ort = QStringLiteral("Musterstadt");

        const QString masse[] = {QStringLiteral("420"), QStringLiteral("380"), QString(), QStringLiteral("12,5")};
        for (int r = 0; r < 4; ++r)
            window.masse.setTextMatrix(r + 1, 1, masse[r]);
        for (int r = 0; r < 9; ++r)
            window.uebersicht.setTextMatrix(r, 1, QStringLiteral("U%1").arg(r));
        for (int r = 1; r < 7; ++r)
            window.ersatz.setTextMatrix(r, 1, QStringLiteral("E-%1").arg(r));

        ctx = std::make_unique<report::ReportContext>(report::ReportContext{
            app::reportDaten(app), window, boxes, platform::AppPaths(programFolder()), QLocale(QLocale::English, QLocale::UnitedStates)});
        ctx->programs = programs;
        ctx->paper = wp::Paper::a4();
        ctx->defaultDataFolder = dir.filePath(QStringLiteral("fallback/Kelto-Line/Data/"));
        ctx->chartDpi = 60; // small pictures keep the tests fast
    }

    QString reportPath() const { return QDir(app.System.Projekt_Pfad).absoluteFilePath(report::reportBaseName(app.System.Projekt_Name) + QStringLiteral(".docx")); }

    std::map<QString, QString> run(int flag = report::Vorschau)
    {
        report::Word_Dokument_erstellen(*ctx, flag);
        // KELTO_REPORT_KEEP=<folder> keeps a copy of each report for a look by eye.
        if (!qgetenv("KELTO_REPORT_KEEP").isEmpty() && QFile::exists(reportPath())) {
            const QString target = QString::fromLocal8Bit(qgetenv("KELTO_REPORT_KEEP")) + QLatin1Char('/')
                                   + QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()) + QStringLiteral(".docx");
            QFile::remove(target);
            QFile::copy(reportPath(), target);
        }
        return QFile::exists(reportPath()) ? readParts(reportPath()) : std::map<QString, QString>{};
    }
};

} // namespace reporttest
