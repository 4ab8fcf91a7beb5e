// The project file codec: any bytes are either refused or give a record that writes back to
// bytes which read as the same record.
#include "common/error.h"
#include "fuzz/entries/fuzzentries.h"
#include "program/project/projektdatei.h"

namespace fuzzing {

void projectFile(const std::uint8_t* data, std::size_t size)
{
    using namespace project;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Dekodiert read = dekodiereProjekt(bytes);
    if (!read.angenommen())
        return;
    QByteArray written;
    try {
        written = kodiereProjekt(read.satz);
    } catch (const common::Error&) {
        require(false, "an accepted project cannot be written back");
    }
    const Dekodiert again = dekodiereProjekt(written);
    require(again.angenommen(), "a written project is refused");
    require(again.Version == ProjektVersion && again.Revision == ProjektRevision, "a written project has another version");
    require(again.satz == read.satz, "a project reads back changed");
    require(kodiereProjekt(again.satz) == written, "writing a project twice gives other bytes");
}

std::vector<QByteArray> projectFileSeeds()
{
    using namespace project;
    std::vector<QByteArray> seeds;
    ProjektSatz plain;
    seeds.push_back(kodiereProjekt(plain));

    ProjektSatz full;
    full.Durchfluss = 120.5;
    full.T_in = 75;
    full.T_Umgebung = -12.25;
    full.KLeistung = 18500;
    full.Medium_Typ = 1;
    full.Medium_Subindex = 3;
    full.AC_LowNoise = true;
    full.EH_Leistung = 1;
    full.EH_Temp = 1;
    full.EH_Durchfluss = 0;
    full.EH_Druck = 2;
    for (int i = 0; i < Word_OptionenAnzahl; ++i) {
        Word_OptionSatz& o = full.Optionen[static_cast<std::size_t>(i)];
        o.Flag = static_cast<qint16>(i % 2);
        o.Caption[0] = QStringLiteral("Abschnitt %1 Größe").arg(i);
        o.Caption[1] = QStringLiteral("Section %1").arg(i);
        o.Caption[2] = QStringLiteral("Élément « %1 » €").arg(i);
        o.Zusatz = QStringLiteral("Zusatz;\"%1\"").arg(i);
    }
    full.Knoepfe[OBox_AC_Optim] = true;
    full.Knoepfe[OBox_AC] = true;
    full.Region_US = true;
    seeds.push_back(kodiereProjekt(full));
    return seeds;
}

} // namespace fuzzing
