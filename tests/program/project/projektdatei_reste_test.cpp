#include "program/project/projektdatei.h"
#include "program/project/projektdatei_datei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace project;

// A save killed between writing its temporary file and renaming it over the project leaves
// "<project>.XXXXXX" (and the same for the ".bak" copy) beside the project. The next save of
// that project clears them; other projects' files and other names stay.
TEST(ProjektDateiReste, NextSaveRemovesLeftoversOfAnInterruptedSave)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const auto put = [&](const QString& name, const QByteArray& bytes) {
        QFile f(folder.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    ProjektSatz alt;
    alt.Durchfluss = 40;
    ProjektSatz neu;
    neu.Durchfluss = 55;
    const QByteArray altBytes = kodiereProjekt(alt);
    put(QStringLiteral("Pumpe.tpj"), altBytes);
    put(QStringLiteral("Pumpe.tpj.kX7pQ2"), kodiereProjekt(neu)); // the complete record, never renamed
    put(QStringLiteral("Pumpe.bak.Ab12Cd"), altBytes);
    put(QStringLiteral("Lager.tpj.kX7pQ2"), altBytes);             // another project's leftover
    put(QStringLiteral("Pumpe.tpj.notes"), "mine");

    ASSERT_TRUE(speichereProjektDatei(folder.filePath(QStringLiteral("Pumpe.tpj")), neu).ok);

    EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name),
              QStringList({"Lager.tpj.kX7pQ2", "Pumpe.bak", "Pumpe.tpj", "Pumpe.tpj.notes"}));
    const Ladeergebnis r = ladeProjektDatei(folder.filePath(QStringLiteral("Pumpe.tpj")));
    ASSERT_EQ(r.status, LadeStatus::Geladen);
    EXPECT_EQ(r.dekodiert.satz.Durchfluss, 55);
}
