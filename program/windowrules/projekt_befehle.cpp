#include "program/windowrules/projekt_befehle.h"

#include "common/messages.h"
#include "program/project/projekt_befehle.h"
#include "program/texts/settings.h"
#include "program/windowrules/projekt_historie.h"

#include <QFileInfo>

namespace ui {

namespace {

bool abgebrochen(const QString& datei) { return project::Dateidialog_abgebrochen(datei); }

QString schluessel(int n) { return QStringLiteral("Name%1").arg(n); }

} // namespace

ProjektBefehle::ProjektBefehle(texts::System& sys, const texts::Texte& texte, common::MessageBoxes& boxes,
    ProjektAblage& ablage, ProjektDialoge& dialoge)
    : m_sys(sys), m_texte(texte), m_boxes(boxes), m_ablage(ablage), m_dialoge(dialoge)
{
    for (int n = 0; n < ProjektHistorieLaenge; ++n)
        m_history << QString();
}

const QString& ProjektBefehle::text(const texts::SprachText& t) const
{
    const int n = m_texte.SprachNr;
    return t[static_cast<std::size_t>(n >= 0 && n <= 16 ? n : 1)];
}

QString ProjektBefehle::ordner(bool anlegen)
{
    const QString standard = standardOrdner ? standardOrdner() : QString();
    if (anlegen)
        return project::Projekt_DatenordnerBereit(m_sys, standard) ? m_sys.Projekt_Pfad : QString();
    if (m_sys.Projekt_Pfad.isEmpty())
        m_sys.Projekt_Pfad = standard;
    return m_sys.Projekt_Pfad;
}

bool ProjektBefehle::ersetzenErlaubt(const QString& datei)
{
    const QFileInfo info(datei);
    if (!info.exists() && !info.isSymLink())
        return true;
    const QString frage = text(m_texte.Text_623).arg(info.fileName());
    return m_boxes.show(frage, common::mb::YesNo | common::mb::Exclamation | common::mb::DefaultButton2,
               text(m_texte.Text_100))
        == common::mb::Yes;
}

bool ProjektBefehle::Sicherungsfrage()
{
    const int answer = m_boxes.show(text(m_texte.Text_100), common::mb::YesNo | common::mb::Question,
        text(m_texte.Titel_Text));
    return answer != common::mb::Yes || Projekt_Save();
}

void ProjektBefehle::Projekt_Neu()
{
    if (!Sicherungsfrage())
        return; // the chosen save did not complete: the project stays
    m_ablage.neu();
}

bool ProjektBefehle::Projekt_Save()
{
    if (m_sys.Projekt_Name.isEmpty())
        return Projekt_SaveAs();
    // The project's own file; an untitled one goes to the data folder under its name.
    if (m_sys.Projekt_File.isEmpty() && ordner(true).isEmpty()) {
        m_boxes.show(text(m_texte.Text_109), common::mb::Critical);
        return false;
    }
    const QString ziel = project::Projekt_Speicherziel(m_sys);
    if (!m_ablage.speichern(ziel))
        return false;
    titel();
    Set_ProjHistory(m_sys.Projekt_File);
    return true;
}

bool ProjektBefehle::Projekt_SaveAs()
{
    QString vorschlag = m_sys.Projekt_Name;
    if (vorschlag.isEmpty()) {
        // The answer only proposes the file name; the project stays untitled until it is saved.
        vorschlag = project::Projekt_NameVorschlag(m_dialoge.eingabe(text(m_texte.Text_120), text(m_texte.Text_120)));
        if (vorschlag.isEmpty())
            return false;
    }
    const QString o = ordner(true);
    if (o.isEmpty()) {
        m_boxes.show(text(m_texte.Text_109), common::mb::Critical);
        return false;
    }
    const QString antwort = m_dialoge.speichernUnter(text(m_texte.Text_100), o, vorschlag);
    const QString datei = project::Projekt_DateiAusAntwort(antwort);
    if (abgebrochen(datei))
        return false;
    // The dialog asked about the name it returned: a name without ".tpj" ("Pump", "Pump 3.5 kW")
    // was never asked about as the file written.
    if (datei != antwort && !ersetzenErlaubt(datei))
        return false;
    if (!m_ablage.speichern(datei))
        return false;
    titel();
    Set_ProjHistory(m_sys.Projekt_File);
    return true;
}

void ProjektBefehle::Projekt_Load()
{
    if (!Sicherungsfrage())
        return;
    const QString datei = m_dialoge.oeffnen(text(m_texte.Text_122), ordner(false));
    if (abgebrochen(datei))
        return;
    if (!m_ablage.laden(datei))
        return;
    titel();
    Set_ProjHistory(m_sys.Projekt_File);
}

void ProjektBefehle::Projekt_load_Liste(int ProjNr)
{
    if (ProjNr < 1 || ProjNr > ProjektHistorieLaenge)
        return;
    const QString eintrag = m_history.value(ProjNr - 1);
    if (eintrag.isEmpty())
        return;
    if (!QFileInfo(eintrag).isFile()) {
        m_boxes.show(text(m_texte.Text_106) + QLatin1Char('\r') + eintrag, common::mb::Critical);
        return;
    }
    // Choosing the current project again reloads it as saved, without the question. After New the
    // file name is still the last one, but the untitled project on screen is another one.
    const bool aktuell = !m_sys.Projekt_Name.isEmpty() && eintrag == m_sys.Projekt_File;
    if (!aktuell && !Sicherungsfrage())
        return;
    if (!m_ablage.laden(eintrag))
        return;
    titel();
    Set_ProjHistory(m_sys.Projekt_File);
}

void ProjektBefehle::Set_ProjHistory(const QString& ProjFile)
{
    QStringList gelesen;
    for (int n = 1; n <= ProjektHistorieLaenge; ++n)
        gelesen << texts::INI_lesen(m_sys, schluessel(n), texts::ini::Projekte);
    m_history = Projekt_History_neu(gelesen, ProjFile);
    const texts::INI_Stapel einSchreiben(m_sys);
    for (int n = 1; n <= ProjektHistorieLaenge; ++n) {
        const QString& e = m_history[n - 1];
        texts::INI_schreiben(m_sys, schluessel(n), e, texts::ini::Projekte);
        if (menuePunkt)
            menuePunkt(n, Projekt_History_Caption(n, e), e, !e.isEmpty());
    }
}

void ProjektBefehle::Projektfile_Load()
{
    const QString datei = m_sys.Projekt_File;
    if (!datei.isEmpty()) {
        if (!QFileInfo(datei).isFile()) {
            m_boxes.show(text(m_texte.Text_106) + QLatin1Char('\r') + datei, common::mb::Critical);
        } else if (m_ablage.laden(datei)) {
            titel();
            Set_ProjHistory(m_sys.Projekt_File);
            return;
        }
    }
    // Nothing loaded: an untitled project, so that a later save never writes over the file that
    // was refused.
    m_ablage.neu();
}

} // namespace ui
