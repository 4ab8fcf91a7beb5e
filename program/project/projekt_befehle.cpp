#include "program/project/projekt_befehle.h"

#include "program/project/projektdatei_datei.h"
#include "program/texts/dateifehler.h"

#include <QDir>
#include <QFileInfo>

namespace project {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The text of the current language; a language outside 0 to 16 reads English.
const QString& akt(const texts::SprachText& text, qint16 sprachNr)
{
    return text[static_cast<std::size_t>(sprachNr >= 0 && sprachNr <= 16 ? sprachNr : 1)];
}

// A file name never carries control characters (a bell or a line break pasted with the name).
QString ohneSteuerzeichen(const QString& text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar ch : text)
        if (ch.category() != QChar::Other_Control)
            s += ch;
    return s;
}

// Why a file was not taken as a project, in the current language.
QString ablehnungsGrund(const texts::Texte& texte, Ablehnung ablehnung)
{
    switch (ablehnung) {
    case Ablehnung::Kurz: return akt(texte.Text_614, texte.SprachNr);
    case Ablehnung::Wert: return akt(texte.Text_615, texte.SprachNr);
    case Ablehnung::Version:
    case Ablehnung::Keine: break;
    }
    return akt(texte.Text_613, texte.SprachNr);
}

} // namespace

QString Projekt_NameAusPfad(const QString& pfad)
{
    const QString datei = QFileInfo(pfad).fileName();
    return datei.endsWith(ProjektEndung) ? datei.chopped(ProjektEndung.size()) : datei;
}

QString Projekt_NameVorschlag(const QString& eingabe)
{
    QString name = ohneSteuerzeichen(eingabe);
    name.remove(QLatin1Char('/'));
    return name.trimmed();
}

QString Projekt_DateiAusAntwort(const QString& antwort)
{
    if (antwort.isEmpty())
        return {};
    const QFileInfo info(antwort);
    QString datei = ohneSteuerzeichen(info.fileName());
    if (!datei.endsWith(ProjektEndung))
        datei += ProjektEndung;
    // The folder part stays as the dialog gave it: it names a folder that exists.
    const qsizetype ordnerLaenge = antwort.size() - info.fileName().size();
    return antwort.left(ordnerLaenge) + datei;
}

bool Dateidialog_abgebrochen(const QString& dateiName)
{
    return dateiName.isEmpty() || dateiName == QLatin1String("*.tpj") || QFileInfo(dateiName).fileName().size() < 5;
}

bool Projekt_DatenordnerBereit(texts::System& sys, const QString& standardOrdner)
{
    if (sys.Projekt_Pfad.isEmpty())
        sys.Projekt_Pfad = standardOrdner;
    if (!sys.Projekt_Pfad.endsWith(QLatin1Char('/')))
        sys.Projekt_Pfad += QLatin1Char('/');
    return QDir().mkpath(sys.Projekt_Pfad);
}

QString Projekt_Speicherziel(const texts::System& sys)
{
    if (sys.Projekt_Name.isEmpty())
        return {};
    if (!sys.Projekt_File.isEmpty())
        return sys.Projekt_File;
    return QDir(sys.Projekt_Pfad).filePath(sys.Projekt_Name + ProjektEndung);
}

bool Projekt_Schreiben(texts::System& sys, const texts::Texte& texte, common::MessageBoxes& boxes,
                       const QString& pfad, const ProjektSatz& satz)
{
    const Speicherergebnis r = speichereProjektDatei(pfad, satz);
    if (!r.ok) {
        // The system's reason tells the user what to change (a read-only file, a full disk).
        QString meldung = akt(texte.Text_109, texte.SprachNr);
        if (const QString grund = texts::DateiFehlerText(texte, r.grund); !grund.isEmpty())
            meldung += CrLf + grund;
        boxes.show(meldung, common::mb::Critical);
        return false;
    }
    sys.Projekt_File = pfad;
    sys.Projekt_Name = Projekt_NameAusPfad(pfad);
    return true;
}

std::optional<ProjektSatz> Projekt_Lesen(texts::System& sys, const texts::Texte& texte,
                                         common::MessageBoxes& boxes, const QString& pfad)
{
    const qint16 nr = texte.SprachNr;
    const Ladeergebnis r = ladeProjektDatei(pfad);
    switch (r.status) {
    case LadeStatus::NichtGefunden:
        boxes.show(akt(texte.Text_106, nr) + QLatin1Char('\r') + pfad, common::mb::Critical);
        return std::nullopt;
    case LadeStatus::NichtLesbar:
        boxes.show(akt(texte.Text_111, nr) + CrLf + pfad + CrLf + texts::DateiFehlerText(texte, r.grund),
                   common::mb::Critical);
        return std::nullopt;
    case LadeStatus::Abgelehnt:
        boxes.show(akt(texte.Text_101, nr) + CrLf + pfad + CrLf + ablehnungsGrund(texte, r.dekodiert.ablehnung) + CrLf
                       + akt(texte.Text_102, nr),
                   common::mb::Critical);
        return std::nullopt;
    case LadeStatus::Geladen:
        break;
    }
    const Dekodiert& d = r.dekodiert;
    if (d.alteStruktur())
        boxes.show(akt(texte.Text_103, nr) + QString::number(d.Version) + CrLf + akt(texte.Text_104, nr),
                   common::mb::Information);
    if (d.andereRevision())
        boxes.show(akt(texte.Text_105, nr) + QString::number(d.Revision) + CrLf, common::mb::Information);
    sys.Projekt_File = pfad;
    sys.Projekt_Name = Projekt_NameAusPfad(pfad);
    return d.satz;
}

} // namespace project
