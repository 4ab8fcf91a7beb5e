#include "program/report/writer/reportwriter.h"
#include "common/error.h"
#include "program/report/writer/sections.h"
#include "program/texts/dateifehler.h"
#include "program/texts/sprachtext.h"
#include "wp/zippackage.h"
#include <QDir>
#include <QFileInfo>

namespace report {

namespace {

QString fileInFolder(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(name)).isFile())
        return dir.filePath(name);
    for (const QString& entry : dir.entryList(QDir::Files))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return {};
}

// Holds the hourglass and input lock of the main window for one run.
class BusyScope {
public:
    explicit BusyScope(ReportWindow& window) : m_window(window) { m_window.setBusy(true); }
    ~BusyScope() { m_window.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    ReportWindow& m_window;
};

// Word_aktiv and the progress window, from the start of the writing to the end of the run.
class WritingScope {
public:
    WritingScope(ReportContext& ctx, const QString& text) : m_ctx(ctx)
    {
        m_ctx.window.showProgress(text);
        m_ctx.app.System.Word_aktiv = true;
    }
    ~WritingScope() { end(); }
    WritingScope(const WritingScope&) = delete;
    WritingScope& operator=(const WritingScope&) = delete;

    // Ends the writing early: a message that ends the run comes after the progress window is gone.
    void end()
    {
        if (m_ended)
            return;
        m_ended = true;
        m_ctx.app.System.Word_aktiv = false;
        m_ctx.window.hideProgress();
        m_ctx.window.refreshResultView();
    }

private:
    ReportContext& m_ctx;
    bool m_ended = false;
};

QString fehlerText(const std::exception& e)
{
    if (const auto* err = dynamic_cast<const common::Error*>(&e))
        return err->description();
    return QString::fromLocal8Bit(e.what());
}

// Why the document could not be saved: the program's words where the package says what failed,
// the system's reason as it gave it.
QString speicherFehlerText(const texts::Texte& tx, const std::exception& e)
{
    const auto* err = dynamic_cast<const common::Error*>(&e);
    if (err && err->number() == wp::PackageTargetNotAFile)
        return texts::DateiFehlerText(tx, {common::FileFailure::Kind::NotAFile, {}, {}});
    if (err && err->number() == wp::PackageNotStored)
        return texts::DateiFehlerText(tx, {common::FileFailure::Kind::System, err->description(), {}});
    return fehlerText(e);
}

void quitQuietly(std::unique_ptr<wp::Application>& word)
{
    if (!word)
        return;
    try {
        if (!word->hasQuit())
            word->Quit(false);
    } catch (...) { // the run is failing already; nothing more to report
    }
    word.reset();
}

void schreibeAbschnitte(SectionWriter& w)
{
    const ErgbAusgabe& e = w.ctx.app.ErgbAusgabe;
    if (e.optionOn(option::Rahmen) && !w.templateInUse)
        seitenRahmen(w);
    absatzVorgaben(w);
    if (e.optionOn(option::Kopfzeile) && !w.templateInUse)
        kopfzeile(w);
    datenteil(w);
    if (e.optionOn(option::Zeichnung))
        geometrieZeichnung(w);
    diagramme(w);
    if (e.optionOn(option::Ersatzteile))
        ersatzteile(w);
    if (e.optionOn(option::TechnDaten)) {
        datenuebersicht(w);
        adresstabelle(w);
    }
    if (e.optionOn(option::Fusszeile))
        fusszeile(w);
}

} // namespace

QLocale sprachLocale(int SprachNr)
{
    static const QLocale::Language sprachen[] = {
        QLocale::German,  QLocale::English,    QLocale::French,  QLocale::Chinese, QLocale::Russian, QLocale::Polish,
        QLocale::Finnish, QLocale::Spanish,    QLocale::Italian, QLocale::Portuguese, QLocale::Czech, QLocale::Turkish,
        QLocale::Korean,  QLocale::Dutch,      QLocale::Bulgarian, QLocale::Japanese, QLocale::Swedish};
    if (SprachNr < 0 || SprachNr >= int(std::size(sprachen)))
        return QLocale(QLocale::English);
    return QLocale(sprachen[SprachNr]);
}

long wpColour(common::ColourValue colour)
{
    return common::isSystemColour(colour) ? wp::ColorAutomatic : long(colour & 0xFFFFFF);
}

QString SectionWriter::t(const texts::SprachText& text) const
{
    return texts::textInSprache(text, ctx.app.Texte.SprachNr);
}

QString SectionWriter::upper(const QString& text) const
{
    return sprachLocale(ctx.app.Texte.SprachNr).toUpper(text);
}

bool SectionWriter::region_US() const
{
    return ctx.app.KDaten_Tab.Region_US;
}

common::ColourValue SectionWriter::farbeAntrieb() const
{
    return ctx.app.KuehlerDaten.Farbe_Antrieb;
}

QString SectionWriter::systemFile(const QString& name) const
{
    return ctx.paths.systemFile(name);
}

QString SectionWriter::programFile(const QString& name) const
{
    return fileInFolder(ctx.paths.programFolder(), name);
}

QString reportBaseName(const QString& Projekt_Name)
{
    return Projekt_Name.size() >= 3 ? Projekt_Name : QStringLiteral("Kelto-Line");
}

void Word_Dokument_erstellen(ReportContext& ctx, int printFlag)
{
    texts::System& sys = ctx.app.System;
    const texts::Texte& tx = ctx.app.Texte;
    const int sprache = tx.SprachNr;
    auto text = [&](const texts::SprachText& t) { return texts::textInSprache(t, sprache); };
    BusyScope busy(ctx.window);

    // The data folder: when it is missing, the default folder serves for the rest of the run of
    // the program (the settings keep the user's choice).
    if (!QFileInfo(sys.Projekt_Pfad).isDir()) {
        sys.Projekt_Pfad = ctx.defaultDataFolder;
        if (!QDir().mkpath(sys.Projekt_Pfad)) {
            ctx.boxes.show(text(tx.Text_108) + QStringLiteral("\r\n") + sys.Projekt_Pfad, common::mb::Critical);
            return;
        }
    }
    const QString datei = QDir(sys.Projekt_Pfad).absoluteFilePath(reportBaseName(sys.Projekt_Name) + QStringLiteral(".docx"));
    ctx.app.ErgbAusgabe.Word_Dokument_Datei = datei;

    if (QFileInfo::exists(datei) && ctx.programs->isOpenElsewhere(datei)) {
        ctx.boxes.show(text(tx.Text_107), common::mb::Critical);
        return;
    }

    WritingScope writing(ctx, text(tx.Text_114));
    std::unique_ptr<wp::Application> word;
    bool speichern = false;
    try {
        word = ctx.createApplication(ctx.programs);
        word->Documents().setPaper(ctx.paper);
        bool templateInUse = sys.Vorlage_benutzen && QFileInfo(sys.Vorlage_Datei).isFile();
        if (templateInUse) {
            try {
                word->Documents().Add(sys.Vorlage_Datei);
            } catch (const common::Error& e) {
                // An unreadable template gives a blank document, and says so once.
                ctx.boxes.show(text(tx.Text_606) + QStringLiteral("\r\n") + sys.Vorlage_Datei, common::mb::Exclamation);
                templateInUse = false;
                word->Documents().Add();
            }
        } else {
            word->Documents().Add();
        }
        wp::Document& doc = word->ActiveDocument();
        wp::PageSetup& ps = doc.PageSetup();
        ps.TopMargin = wp::Application::CentimetersToPoints(2.5);
        ps.LeftMargin = wp::Application::CentimetersToPoints(2.5);
        ps.RightMargin = wp::Application::CentimetersToPoints(2.5);
        ps.BottomMargin = wp::Application::CentimetersToPoints(2.0);
        doc.setViewType(wp::view::PrintLayout);
        doc.setLanguage(sprachLocale(sprache));

        SectionWriter w{ctx, *word, doc, doc.Selection(), templateInUse, false};
        schreibeAbschnitte(w);

        doc.Selection().PageSetup().HeaderDistance = wp::Application::CentimetersToPoints(1.0);
        doc.Selection().PageSetup().FooterDistance = wp::Application::CentimetersToPoints(1.0);

        speichern = true;
        doc.setShowAll(!doc.showAll());
        doc.SaveAs(datei);
    } catch (const std::exception& e) {
        // One message, which names the document and why; the half-written document is discarded
        // and an earlier report stays as it was.
        const QString prompt = speichern
                                   ? text(tx.Text_607) + QStringLiteral("\r\n") + datei + QStringLiteral("\r\n") + speicherFehlerText(tx, e)
                                   : text(tx.Text_108) + QStringLiteral("\r\n") + fehlerText(e);
        writing.end();
        ctx.boxes.show(prompt, common::mb::Critical);
        quitQuietly(word);
        return;
    }

    // The document is saved; a failure to print or show it leaves it in place and says where.
    try {
        if (printFlag == DruckenSofort) {
            word->Documents().Close(word->ActiveDocument(), true);
            word->PrintOut(datei);
            word->Quit(false);
        } else {
            word->setVisible(true);
            word->PrintPreview();
        }
    } catch (const common::Error& e) {
        const QString prompt = e.number() == wp::NoPrintingProgram ? text(tx.Text_608)
                             : e.number() == wp::ViewerFailed    ? text(tx.Text_609)
                                                                 : text(tx.Text_610);
        writing.end();
        ctx.boxes.show(prompt + QStringLiteral("\r\n") + datei, common::mb::Exclamation);
    }
    quitQuietly(word);
}

} // namespace report
