#include "common/saveleftovers.h"
#include "program/project/projektdatei.h"
#include "program/project/projektdatei_datei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace project;

// A save killed between writing its temporary file and renaming it over the project leaves a
// hidden temporary file of the project (and one of its ".bak" copy) beside it. The next save of
// that project clears them. Files of the user's own, whatever their names, stay: among them the
// names earlier versions gave their temporary files, which no program can tell from a user's.
TEST(ProjektDateiReste, NextSaveRemovesLeftoversOfAnInterruptedSaveAndNothingOfTheUsers)
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
    put(QStringLiteral("proj1.tpj"), altBytes);
    put(QStringLiteral("proj1.bak"), "older copy");
    const QString eigenerRest = common::saveTemporaryPrefix(QStringLiteral("proj1.tpj")) + QStringLiteral("kX7pQ2");
    const QString eigenerBakRest = common::saveTemporaryPrefix(QStringLiteral("proj1.bak")) + QStringLiteral("Ab12Cd");
    const QString fremderRest = common::saveTemporaryPrefix(QStringLiteral("Lager.tpj")) + QStringLiteral("kX7pQ2");
    put(eigenerRest, kodiereProjekt(neu)); // the complete record, never renamed
    put(eigenerBakRest, altBytes);
    put(fremderRest, altBytes); // another project's leftover
    const QStringList vomNutzer{"proj1.tpj.backup", "proj1.tpj.2024v1", "proj1.bak.before", "proj1.tpj.kX7pQ2",
                                "proj1.tpj.notes"};
    for (const QString& name : vomNutzer)
        put(name, "mine: " + name.toUtf8());

    ASSERT_TRUE(speichereProjektDatei(folder.filePath(QStringLiteral("proj1.tpj")), neu).ok);

    QStringList erwartet = vomNutzer;
    erwartet << fremderRest << QStringLiteral("proj1.bak") << QStringLiteral("proj1.tpj");
    erwartet.sort();
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden, QDir::Name), erwartet);
    for (const QString& name : vomNutzer) {
        QFile f(folder.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), "mine: " + name.toUtf8());
    }
    const Ladeergebnis r = ladeProjektDatei(folder.filePath(QStringLiteral("proj1.tpj")));
    ASSERT_EQ(r.status, LadeStatus::Geladen);
    EXPECT_EQ(r.dekodiert.satz.Durchfluss, 55);
}
