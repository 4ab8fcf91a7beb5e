#include "common/error.h"
#include "program/project/codepage1252.h"
#include "program/project/projektdatei.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace project;

namespace {

// 50 l/min, 60 °C in, 30 °C ambient, 3000 W; oil VG46; kW, °C, l/min, mbar; report options 0-7
// on, page frame off, all texts empty; DC 12 V, sucking fan; metric region.
ProjektSatz referenzProjekt()
{
    ProjektSatz s;
    s.Durchfluss = 50;
    s.T_in = 60;
    s.T_Umgebung = 30;
    s.KLeistung = 3000;
    s.Medium_Typ = 0;
    s.Medium_Subindex = 1;
    s.EH_Leistung = 0;
    s.EH_Temp = 0;
    s.EH_Durchfluss = 2;
    s.EH_Druck = 1;
    for (int i = 0; i < 8; ++i)
        s.Optionen[static_cast<std::size_t>(i)].Flag = 1;
    s.Knoepfe[OBox_12V] = true;
    s.Knoepfe[OBox_DCD] = true;
    s.Knoepfe[OBox_Saugend] = true;
    return s;
}

// The same record written out by hand, byte for byte.
QByteArray referenzBytes()
{
    QByteArray b = QByteArray::fromHex("02000100"
                                       "0000000000004940"
                                       "0000000000004e40"
                                       "0000000000003e40"
                                       "000000000070a740"
                                       "0000010000000000000002000100");
    for (int record = 0; record < 9; ++record) {
        b.append(QByteArray(38, '\0'));
        b.append(record < 8 ? QByteArray::fromHex("0100") : QByteArray::fromHex("0000"));
    }
    b.append(QByteArray::fromHex("ffff" "0000" "0000" "0000" "0000" "0000" "ffff" "0000" "0000" "ffff" "0000"));
    return b;
}

void setInt16(QByteArray& b, int offset, qint16 v)
{
    b[offset] = static_cast<char>(v & 0xFF);
    b[offset + 1] = static_cast<char>((v >> 8) & 0xFF);
}

} // namespace

TEST(ProjektCodec, ReferenceRecordMatchesTheFileLayoutByteForByte)
{
    const QByteArray expected = referenzBytes();
    ASSERT_EQ(expected.size(), 432);
    EXPECT_EQ(kodiereProjekt(referenzProjekt()).toHex().toStdString(), expected.toHex().toStdString());

    const Dekodiert d = dekodiereProjekt(expected);
    ASSERT_TRUE(d.angenommen());
    EXPECT_EQ(d.Version, 2);
    EXPECT_EQ(d.Revision, 1);
    EXPECT_FALSE(d.alteStruktur());
    EXPECT_FALSE(d.andereRevision());
    EXPECT_EQ(d.satz, referenzProjekt());
}

TEST(ProjektCodec, ProjectsSurviveWritingAndReadingBack)
{
    ProjektSatz wasserGlykol = referenzProjekt();
    wasserGlykol.Medium_Typ = 1;
    wasserGlykol.Medium_Subindex = 0;
    wasserGlykol.AC_LowNoise = true;
    wasserGlykol.Knoepfe = {};
    wasserGlykol.Knoepfe[OBox_AC] = true;
    wasserGlykol.Knoepfe[OBox_AC_Rough] = true; // pushing fan: OBox_Saugend off
    wasserGlykol.EH_Leistung = 3;
    wasserGlykol.EH_Temp = 2;
    wasserGlykol.EH_Durchfluss = 5;
    wasserGlykol.EH_Druck = 4;
    wasserGlykol.Region_US = true;
    wasserGlykol.T_in = -12.345678901234567;
    wasserGlykol.KLeistung = 1.0e-300;

    ProjektSatz hydraulik = referenzProjekt();
    hydraulik.Medium_Subindex = 6;
    hydraulik.Knoepfe = {};
    hydraulik.Knoepfe[OBox_HC] = true;
    hydraulik.Knoepfe[OBox_HC_Optim] = true;
    hydraulik.Knoepfe[OBox_Saugend] = true;
    hydraulik.EH_Leistung = 1;
    hydraulik.EH_Durchfluss = 0;
    hydraulik.EH_Druck = 5;
    for (int i = 0; i < 9; ++i)
        hydraulik.Optionen[static_cast<std::size_t>(i)].Flag = static_cast<qint16>(i % 2);
    // Captions in several languages; the code page keeps German and French letters and the euro sign.
    hydraulik.Optionen[4].Caption[0] = QStringLiteral("Zubehör/Ersatzteile");
    hydraulik.Optionen[4].Caption[2] = QStringLiteral("Pièces de rechange");
    hydraulik.Optionen[0].Zusatz = QStringLiteral("Preis in € – „netto“");
    hydraulik.Optionen[8].Caption[16] = QString(300, QLatin1Char('x'));

    for (const ProjektSatz& projekt : {referenzProjekt(), wasserGlykol, hydraulik}) {
        const Dekodiert d = dekodiereProjekt(kodiereProjekt(projekt));
        ASSERT_TRUE(d.angenommen());
        EXPECT_EQ(d.satz, projekt);
    }
}

TEST(ProjektCodec, VersionAndRevisionDecideWhatIsRead)
{
    struct Fall {
        qint16 version, revision;
        bool angenommen, alteStruktur, andereRevision;
    };
    const Fall faelle[] = {
        {2, 1, true, false, false},  {1, 1, true, true, false},    {2, 2, true, false, true},
        {1, 0, true, true, true},    {3, 1, false, false, false},  {0, 1, false, false, false},
        {-1, 1, false, false, false}, {32767, 1, false, false, false},
    };
    for (const Fall& f : faelle) {
        QByteArray bytes = referenzBytes();
        setInt16(bytes, 0, f.version);
        setInt16(bytes, 2, f.revision);
        const Dekodiert d = dekodiereProjekt(bytes);
        SCOPED_TRACE(testing::Message() << "version " << f.version << " revision " << f.revision);
        EXPECT_EQ(d.angenommen(), f.angenommen);
        EXPECT_EQ(d.alteStruktur(), f.alteStruktur);
        EXPECT_EQ(d.andereRevision(), f.andereRevision);
        EXPECT_EQ(d.Version, f.version);
        EXPECT_EQ(d.ablehnung, f.angenommen ? Ablehnung::Keine : Ablehnung::Version);
    }
}

TEST(ProjektCodec, IncompleteOrDamagedRecordsAreRefused)
{
    const QByteArray golden = referenzBytes();
    for (int n = 0; n < golden.size(); ++n)
        EXPECT_FALSE(dekodiereProjekt(golden.left(n)).angenommen()) << "cut after " << n << " bytes";

    // A bytes tail after the record is not read.
    const Dekodiert mitRest = dekodiereProjekt(golden + QByteArray(1000, '\x7f'));
    ASSERT_TRUE(mitRest.angenommen());
    EXPECT_EQ(mitRest.satz, referenzProjekt());

    // The first caption claims more bytes than the file holds.
    QByteArray zuLang = golden;
    setInt16(zuLang, 50, 1000);
    EXPECT_EQ(dekodiereProjekt(zuLang).ablehnung, Ablehnung::Kurz);

    // A flow that is not a number.
    QByteArray nan = golden;
    const double q = std::numeric_limits<double>::quiet_NaN();
    std::memcpy(nan.data() + 4, &q, 8);
    EXPECT_EQ(dekodiereProjekt(nan).ablehnung, Ablehnung::Wert);
    QByteArray inf = golden;
    const double i = -std::numeric_limits<double>::infinity();
    std::memcpy(inf.data() + 28, &i, 8);
    EXPECT_EQ(dekodiereProjekt(inf).ablehnung, Ablehnung::Wert);
}

TEST(ProjektCodec, DamagedBytesNeverGiveAHalfRecord)
{
    // Whatever a flipped byte does, the answer is a refusal or a complete record that writes back
    // to a file the codec reads as the same record.
    const QByteArray golden = referenzBytes();
    QRandomGenerator random(20261210);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes = golden;
        const int flips = 1 + random.bounded(4);
        for (int f = 0; f < flips; ++f)
            bytes[random.bounded(bytes.size())] = static_cast<char>(random.bounded(256));
        const Dekodiert d = dekodiereProjekt(bytes);
        if (d.angenommen()) {
            const Dekodiert again = dekodiereProjekt(kodiereProjekt(d.satz));
            ASSERT_TRUE(again.angenommen());
            EXPECT_EQ(again.satz, d.satz);
        }
    }
}

TEST(ProjektCodec, ReaderRulesTidyStoredValues)
{
    struct Fall {
        const char* was;
        int offset;
        qint16 wert;
        std::function<void(const ProjektSatz&)> pruefe;
    };
    const Fall faelle[] = {
        {"unknown medium becomes oil", 36, 5, [](const ProjektSatz& s) { EXPECT_EQ(s.Medium_Typ, 0); }},
        {"grade beyond the list", 38, 9, [](const ProjektSatz& s) { EXPECT_EQ(s.Medium_Subindex, 0); }},
        {"last grade of the list", 38, 6, [](const ProjektSatz& s) { EXPECT_EQ(s.Medium_Subindex, 6); }},
        {"negative grade", 38, -1, [](const ProjektSatz& s) { EXPECT_EQ(s.Medium_Subindex, 0); }},
        {"low-noise value 7 counts as checked", 40, 7, [](const ProjektSatz& s) { EXPECT_TRUE(s.AC_LowNoise); }},
        {"power unit -1 becomes kW", 42, -1, [](const ProjektSatz& s) { EXPECT_EQ(s.EH_Leistung, 0); }},
        {"power unit 4 becomes kW", 42, 4, [](const ProjektSatz& s) { EXPECT_EQ(s.EH_Leistung, 0); }},
        {"temperature unit 3 becomes °C", 44, 3, [](const ProjektSatz& s) { EXPECT_EQ(s.EH_Temp, 0); }},
        {"flow unit -1 becomes l/min", 46, -1, [](const ProjektSatz& s) { EXPECT_EQ(s.EH_Durchfluss, 2); }},
        {"flow unit 5 stays", 46, 5, [](const ProjektSatz& s) { EXPECT_EQ(s.EH_Durchfluss, 5); }},
        {"pressure unit 6 becomes mbar", 48, 6, [](const ProjektSatz& s) { EXPECT_EQ(s.EH_Druck, 1); }},
    };
    for (const Fall& f : faelle) {
        QByteArray bytes = referenzBytes();
        setInt16(bytes, f.offset, f.wert);
        const Dekodiert d = dekodiereProjekt(bytes);
        SCOPED_TRACE(f.was);
        ASSERT_TRUE(d.angenommen());
        f.pruefe(d.satz);
    }

    // Water-glycol has a single mixture: any stored grade becomes 0.
    ProjektSatz wg = referenzProjekt();
    wg.Medium_Typ = 1;
    wg.Medium_Subindex = 3;
    EXPECT_EQ(dekodiereProjekt(kodiereProjekt(wg)).satz.Medium_Subindex, 0);
}

TEST(ProjektCodec, ReportOptionsAllOffAreSwitchedOnExceptThePageFrame)
{
    struct Fall {
        std::array<qint16, 9> gespeichert;
        std::array<qint16, 9> erwartet;
    };
    const Fall faelle[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1, 1, 1, 0}},
        {{0, 0, 0, 0, 0, 0, 0, 0, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {{2, 2, 2, 2, 2, 2, 2, 2, 2}, {1, 1, 1, 1, 1, 1, 1, 1, 2}},
        {{0, 0, 0, 0, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 0, 0, 0, 1, 0}},
        {{1, 0, 1, 0, 0, 0, 0, 0, 1}, {1, 0, 1, 0, 0, 0, 0, 0, 1}},
    };
    for (const Fall& f : faelle) {
        ProjektSatz s = referenzProjekt();
        for (std::size_t i = 0; i < 9; ++i)
            s.Optionen[i].Flag = f.gespeichert[i];
        const Dekodiert d = dekodiereProjekt(kodiereProjekt(s));
        ASSERT_TRUE(d.angenommen());
        for (std::size_t i = 0; i < 9; ++i)
            EXPECT_EQ(d.satz.Optionen[i].Flag, f.erwartet[i]) << "option " << i;
    }
}

TEST(ProjektCodec, OptionButtonsOfOneFrameKeepOnlyTheLastChosen)
{
    ProjektSatz s = referenzProjekt();
    s.Knoepfe.fill(true);
    const Dekodiert d = dekodiereProjekt(kodiereProjekt(s));
    ASSERT_TRUE(d.angenommen());
    std::array<bool, OptionKnopfAnzahl> erwartet{};
    erwartet[OBox_24V] = erwartet[OBox_AC_Rough] = erwartet[OBox_HC_Rough] = erwartet[OBox_HC] = true;
    erwartet[OBox_Saugend] = true;
    EXPECT_EQ(d.satz.Knoepfe, erwartet);

    // A frame with nothing chosen stays so.
    ProjektSatz leer = referenzProjekt();
    leer.Knoepfe = {};
    EXPECT_EQ(dekodiereProjekt(kodiereProjekt(leer)).satz.Knoepfe, leer.Knoepfe);
}

TEST(ProjektCodec, TextsUseWindows1252)
{
    EXPECT_EQ(toCp1252(QStringLiteral("Zubehör €–")), QByteArray("Zubeh\xf6r \x80\x96"));
    EXPECT_EQ(fromCp1252(QByteArray("Pi\xe8" "ce \x80\x9f\x81")), QStringLiteral("Pièce €Ÿ\u0081"));
    // Characters outside the code page, one "?" each, also beyond the basic plane.
    EXPECT_EQ(toCp1252(QStringLiteral("漢字 \U0001F600")), QByteArray("?? ?"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(ProjektCodec, TooLongTextIsRefusedBeforeAnythingIsWritten)
{
    ProjektSatz s = referenzProjekt();
    s.Optionen[3].Caption[1] = QString(65535, QLatin1Char('a'));
    const Dekodiert d = dekodiereProjekt(kodiereProjekt(s));
    ASSERT_TRUE(d.angenommen());
    EXPECT_EQ(d.satz.Optionen[3].Caption[1].size(), 65535);

    s.Optionen[3].Caption[1].append(QLatin1Char('a'));
    try {
        kodiereProjekt(s);
        FAIL() << "a text of 65536 bytes was written";
    } catch (const common::Error& e) {
        EXPECT_EQ(e.number(), common::errc::Overflow);
    }
}
