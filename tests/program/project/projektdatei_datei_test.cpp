#include "common/recordingmessageboxes.h"
#include "program/project/projekt_befehle.h"
#include "program/project/projektdatei_datei.h"
#include "program/project/projektdatei_zustand.h"
#include "program/texts/textcatalogue.h"
#include "testsupport.h"
#include "projektbeispiel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace project;

namespace {

QByteArray lies(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreib(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

ProjektSatz projekt(double durchfluss)
{
    return projektBeispiel(durchfluss);
}

// German messages of the project file, as the text store holds them.
texts::Texte deutscheTexte()
{
    texts::Texte t;
    t.SprachNr = 0;
    t.Text_101[0] = QStringLiteral("Projektfile defekt!!!");
    t.Text_102[0] = QStringLiteral("Projekt nicht geladen!!!");
    t.Text_103[0] = QStringLiteral("Alte Projektfile-Struktur");
    t.Text_104[0] = QStringLiteral("Alle Daten prüfen!!!");
    t.Text_105[0] = QStringLiteral("Alte Projektfile-Version!!! V-");
    t.Text_106[0] = QStringLiteral("Fehler beim Öffnen der Datei!");
    t.Text_109[0] = QStringLiteral("Projekt NICHT gespeichert!!!");
    t.Text_111[0] = QStringLiteral("Fehler beim Laden der Projektdaten!");
    t.Text_604[0] = QStringLiteral("Keine Datei");
    t.Text_613[0] = QStringLiteral("Keine Projektdatei der Version 1 oder 2");
    t.Text_614[0] = QStringLiteral("Die Datei endet, bevor die Projektdaten vollständig sind");
    return t;
}

class ProjektDateiTest : public ::testing::Test {
protected:
    QString pfad(const QString& name) const { return QDir(dir.path()).filePath(name); }

    QTemporaryDir dir;
    texts::Texte texte = deutscheTexte();
    common::RecordingMessageBoxes boxes;
    texts::System sys;
};

} // namespace

TEST_F(ProjektDateiTest, SavingOverAProjectKeepsThePreviousFileAsBak)
{
    const QString datei = pfad(QStringLiteral("pumpe.v2.tpj"));
    // The older file is longer than the new record: the new file ends with the record.
    const QByteArray alt = kodiereProjekt(projekt(10)) + QByteArray(500, 'x');
    schreib(datei, alt);
    schreib(pfad(QStringLiteral("pumpe.v2.bak")), "older backup");

    ASSERT_TRUE(speichereProjektDatei(datei, projekt(20)).ok);
    EXPECT_EQ(lies(datei), kodiereProjekt(projekt(20)));
    EXPECT_EQ(lies(pfad(QStringLiteral("pumpe.v2.bak"))), alt);

    const Ladeergebnis r = ladeProjektDatei(datei);
    ASSERT_EQ(r.status, LadeStatus::Geladen);
    EXPECT_EQ(r.dekodiert.satz, projekt(20));
}

TEST_F(ProjektDateiTest, AFailedWriteLeavesTheFileAndItsBackupAlone)
{
    const QString datei = pfad(QStringLiteral("anlage.tpj"));
    const QByteArray alt = kodiereProjekt(projekt(10));
    schreib(datei, alt);

    // A text that does not fit the format: nothing is touched, no backup is made.
    ProjektSatz zuLang = projekt(20);
    zuLang.Optionen[2].Zusatz = QString(70000, QLatin1Char('z'));
    EXPECT_FALSE(speichereProjektDatei(datei, zuLang).ok);
    EXPECT_EQ(lies(datei), alt);
    EXPECT_FALSE(QFile::exists(pfad(QStringLiteral("anlage.bak"))));

    // The backup cannot be written (a folder has its name): the project file is not replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("anlage.bak")));
    EXPECT_FALSE(speichereProjektDatei(datei, projekt(20)).ok);
    EXPECT_EQ(lies(datei), alt);

    // A target that is a folder, and a target in a folder that does not exist.
    EXPECT_FALSE(speichereProjektDatei(pfad(QStringLiteral("anlage.bak")), projekt(20)).ok);
    EXPECT_FALSE(speichereProjektDatei(pfad(QStringLiteral("fehlt/x.tpj")), projekt(20)).ok);
}

// A device that counts the bytes its reader asked for.
class ZaehlendesGeraet : public QIODevice {
public:
    explicit ZaehlendesGeraet(QIODevice& innen) : m_innen(innen) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    qint64 gelesen = 0;

protected:
    qint64 readData(char* data, qint64 max) override
    {
        const qint64 n = m_innen.read(data, max);
        if (n > 0)
            gelesen += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& m_innen;
};

TEST_F(ProjektDateiTest, ARecordWithAHugeTailLoadsReadingOnlyTheRecord)
{
    // A valid record followed by a 50 MB tail (sparse on disk): larger than any record can be.
    ProjektSatz s = projekt(75);
    s.Optionen[4].Zusatz = QString(3000, QLatin1Char('t'));
    const QByteArray record = kodiereProjekt(s);
    const QString datei = pfad(QStringLiteral("mit_rest.tpj"));
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(record), record.size());
        ASSERT_TRUE(f.resize(record.size() + 50LL * 1000 * 1000));
    }
    ASSERT_GT(QFileInfo(datei).size(), 16LL * 1024 * 1024);

    const Ladeergebnis r = ladeProjektDatei(datei);
    ASSERT_EQ(r.status, LadeStatus::Geladen) << r.grund.reason.toStdString();
    EXPECT_EQ(r.dekodiert.satz, s);

    // The reader asks for the record's bytes and not one byte of the tail.
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    ZaehlendesGeraet zaehler(f);
    EXPECT_TRUE(dekodiereProjekt(zaehler).angenommen());
    EXPECT_EQ(zaehler.gelesen, record.size());

    // A record cut short is still refused as damaged.
    QByteArray kaputt = record;
    kaputt.truncate(record.size() - 1);
    schreib(pfad(QStringLiteral("kaputt.tpj")), kaputt);
    EXPECT_EQ(ladeProjektDatei(pfad(QStringLiteral("kaputt.tpj"))).status, LadeStatus::Abgelehnt);
}

TEST_F(ProjektDateiTest, LoadingTellsMissingUnreadableAndForeignFilesApart)
{
    EXPECT_EQ(ladeProjektDatei(pfad(QStringLiteral("fehlt.tpj"))).status, LadeStatus::NichtGefunden);
    EXPECT_EQ(ladeProjektDatei(QString()).status, LadeStatus::NichtGefunden);
    EXPECT_EQ(ladeProjektDatei(dir.path()).status, LadeStatus::NichtLesbar);
    schreib(pfad(QStringLiteral("notiz.tpj")), "Einkaufsliste: Hydraulikoel");
    EXPECT_EQ(ladeProjektDatei(pfad(QStringLiteral("notiz.tpj"))).status, LadeStatus::Abgelehnt);
}

// A project file the user may not read: the program's words in Russian, the file, then the
// system's reason. Run as a user who is not root (a forked child drops to nobody when the tests
// run as root), so the permission is really refused.
TEST_F(ProjektDateiTest, AFileTheUserMayNotReadSaysWhichAndWhyInTheUsersLanguage)
{
    const QString datei = pfad(QStringLiteral("geheim.tpj"));
    schreib(datei, kodiereProjekt(projekt(40)));
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(datei).constData(), 0), 0);
    texts::Texte russisch;
    texts::Init_MeldungsTexte(russisch);
    russisch.SprachNr = 4;
    const QString erwartet = russisch.Text_111[4] + QStringLiteral("\r\n") + datei + QStringLiteral("\r\n")
                             + QString::fromLocal8Bit(std::strerror(EACCES));
    ASSERT_FALSE(russisch.Text_111[4].isEmpty());

    const auto lesen = [&] {
        common::RecordingMessageBoxes gesehen;
        texts::System s;
        const bool geladen = Projekt_Lesen(s, russisch, gesehen, datei).has_value();
        return !geladen && gesehen.shown.size() == 1 && gesehen.shown[0].prompt == erwartet
               && gesehen.shown[0].style == common::mb::Critical;
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(lesen());
        return;
    }
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && lesen();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the message differs from " << erwartet.toStdString();
}

TEST_F(ProjektDateiTest, ReadingAProjectShowsTheVersionHintsAndSetsNameAndFile)
{
    QByteArray v1 = kodiereProjekt(projekt(33));
    v1[0] = 1;  // version 1
    v1[2] = 7;  // revision 7
    const QString datei = pfad(QStringLiteral("kunde.alt.tpj"));
    schreib(datei, v1);

    const auto satz = Projekt_Lesen(sys, texte, boxes, datei);
    ASSERT_TRUE(satz.has_value());
    EXPECT_EQ(satz->Durchfluss, 33);
    EXPECT_EQ(sys.Projekt_File, datei);
    EXPECT_EQ(sys.Projekt_Name, QStringLiteral("kunde.alt"));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("Alte Projektfile-Struktur1\r\nAlle Daten prüfen!!!"));
    EXPECT_EQ(boxes.shown[0].style, common::mb::Information);
    EXPECT_EQ(boxes.shown[1].prompt, QStringLiteral("Alte Projektfile-Version!!! V-7\r\n"));
}

TEST_F(ProjektDateiTest, RefusedFilesLeaveTheProjectAsItWas)
{
    sys.Projekt_File = QStringLiteral("/daten/alt.tpj");
    sys.Projekt_Name = QStringLiteral("alt");
    const texts::System vorher = sys;

    QByteArray v3 = kodiereProjekt(projekt(1));
    v3[0] = 3;
    schreib(pfad(QStringLiteral("neu.tpj")), v3);
    schreib(pfad(QStringLiteral("halb.tpj")), kodiereProjekt(projekt(1)).left(200));

    struct Fall {
        QString datei;
        QString meldung;
    };
    const Fall faelle[] = {
        // A damaged file: which file and why.
        {pfad(QStringLiteral("neu.tpj")), QStringLiteral("Projektfile defekt!!!\r\n") + pfad(QStringLiteral("neu.tpj"))
                                              + QStringLiteral("\r\nKeine Projektdatei der Version 1 oder 2\r\nProjekt nicht geladen!!!")},
        {pfad(QStringLiteral("halb.tpj")), QStringLiteral("Projektfile defekt!!!\r\n") + pfad(QStringLiteral("halb.tpj"))
                                               + QStringLiteral("\r\nDie Datei endet, bevor die Projektdaten vollständig sind\r\n"
                                                                "Projekt nicht geladen!!!")},
        {pfad(QStringLiteral("weg.tpj")), QStringLiteral("Fehler beim Öffnen der Datei!\r") + pfad(QStringLiteral("weg.tpj"))},
        {dir.path(), QStringLiteral("Fehler beim Laden der Projektdaten!\r\n") + dir.path() + QStringLiteral("\r\nKeine Datei")},
    };
    for (const Fall& f : faelle) {
        boxes.clear();
        EXPECT_FALSE(Projekt_Lesen(sys, texte, boxes, f.datei).has_value()) << f.datei.toStdString();
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].prompt, f.meldung);
        EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
        EXPECT_EQ(sys.Projekt_File, vorher.Projekt_File);
        EXPECT_EQ(sys.Projekt_Name, vorher.Projekt_Name);
    }
    EXPECT_EQ(lies(pfad(QStringLiteral("neu.tpj"))), v3);
}

TEST_F(ProjektDateiTest, WritingCommitsNameAndFileOnlyOnSuccess)
{
    sys.Projekt_File = QStringLiteral("/daten/alt.tpj");
    sys.Projekt_Name = QStringLiteral("alt");

    EXPECT_FALSE(Projekt_Schreiben(sys, texte, boxes, pfad(QStringLiteral("fehlt/neu.tpj")), projekt(5)));
    ASSERT_EQ(boxes.shown.size(), 1u);
    // A missing folder: the message names the system's reason.
    EXPECT_EQ(boxes.shown[0].prompt,
              QStringLiteral("Projekt NICHT gespeichert!!!\r\n") + QString::fromLocal8Bit(std::strerror(ENOENT)));
    EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
    EXPECT_EQ(sys.Projekt_File, QStringLiteral("/daten/alt.tpj"));
    EXPECT_EQ(sys.Projekt_Name, QStringLiteral("alt"));

    boxes.clear();
    const QString datei = pfad(QStringLiteral("neu.tpj"));
    EXPECT_TRUE(Projekt_Schreiben(sys, texte, boxes, datei, projekt(5)));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(sys.Projekt_File, datei);
    EXPECT_EQ(sys.Projekt_Name, QStringLiteral("neu"));
    EXPECT_EQ(Projekt_Lesen(sys, texte, boxes, datei), projekt(5));
}

TEST_F(ProjektDateiTest, SaveTargetAndDataFolder)
{
    // Untitled: Save must ask.
    sys.Projekt_File = pfad(QStringLiteral("irgendwo.tpj"));
    EXPECT_EQ(Projekt_Speicherziel(sys), QString());
    // A project opened from a file is saved back to that file.
    sys.Projekt_Name = QStringLiteral("irgendwo");
    EXPECT_EQ(Projekt_Speicherziel(sys), pfad(QStringLiteral("irgendwo.tpj")));
    // A named project without a file goes into the data folder.
    sys.Projekt_File.clear();
    sys.Projekt_Pfad.clear();
    const QString standard = pfad(QStringLiteral("Kelto-Line/Data/"));
    ASSERT_TRUE(Projekt_DatenordnerBereit(sys, standard));
    EXPECT_EQ(sys.Projekt_Pfad, standard);
    EXPECT_TRUE(QFileInfo(standard).isDir());
    EXPECT_EQ(Projekt_Speicherziel(sys), standard + QStringLiteral("irgendwo.tpj"));

    // A data folder that cannot be made (a file is in the way).
    schreib(pfad(QStringLiteral("blockiert")), "x");
    sys.Projekt_Pfad = pfad(QStringLiteral("blockiert/Data"));
    EXPECT_FALSE(Projekt_DatenordnerBereit(sys, standard));
}

TEST(ProjektBefehle, DialogAnswersAndNames)
{
    const std::pair<QString, bool> antworten[] = {
        {QString(), true},
        {QStringLiteral("*.tpj"), true},
        {QStringLiteral("/home/u/a.tp"), true},
        {QStringLiteral("/home/u/a.tpj"), false},
        {QStringLiteral("/home/u/*.tpj/x"), true},
    };
    for (const auto& [antwort, abgebrochen] : antworten)
        EXPECT_EQ(Dateidialog_abgebrochen(antwort), abgebrochen) << antwort.toStdString();

    EXPECT_EQ(Projekt_NameAusPfad(QStringLiteral("/d/pumpe.v2.tpj")), QStringLiteral("pumpe.v2"));
    EXPECT_EQ(Projekt_NameAusPfad(QStringLiteral("/d/ohne")), QStringLiteral("ohne"));
    EXPECT_EQ(bakDatei(QStringLiteral("/d/pumpe.v2.tpj")), QStringLiteral("/d/pumpe.v2.bak"));
    EXPECT_EQ(Projekt_NameVorschlag(QStringLiteral(" Halle 3/Linie 2 ")), QStringLiteral("Halle 3Linie 2"));
}

TEST(ProjektZustand, EngineValuesGoIntoTheRecordAndBack)
{
    rating::KuehlerDaten kd;
    kd.Durchfluss = 75;
    kd.T_in = 70;
    kd.T_Umgebung = 35;
    kd.KLeistung = 9000;
    kd.Medium_Typ = 1;
    kd.Medium_Subindex = 0;
    kd.EH_Leistung = rating::eh::Leistung_BTU_h;
    kd.EH_Temp = rating::eh::Temp_F;
    kd.EH_Durchfluss = rating::eh::Durchfluss_USgal_min;
    kd.EH_Druck = rating::eh::Druck_psi;

    const ProjektSatz s = Projekt_ausKuehlerDaten(kd);
    EXPECT_EQ(s.EH_Leistung, 2);
    EXPECT_EQ(s.EH_Temp, 1);
    EXPECT_EQ(s.EH_Durchfluss, 5);
    EXPECT_EQ(s.EH_Druck, 4);

    rating::KuehlerDaten geladen;
    Projekt_inKuehlerDaten(dekodiereProjekt(kodiereProjekt(s)).satz, geladen);
    EXPECT_EQ(geladen.Durchfluss, 75);
    EXPECT_EQ(geladen.T_in, 70);
    EXPECT_EQ(geladen.T_Umgebung, 35);
    EXPECT_EQ(geladen.KLeistung, 9000);
    EXPECT_EQ(geladen.Medium_Typ, 1);
    // The units are the window's to apply through its setters.
    EXPECT_EQ(geladen.EH_Temp, rating::eh::Temp_C);
}
