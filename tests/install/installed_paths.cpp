// Checks that a program installed in the given bin folder finds every file it names in its
// system folder: the folder that AppPaths resolves for that program folder, and each drawing of
// the catalogue, the report's logo and rule, and each language's description document in it.
// Prints what is missing; exit code 0 only when nothing is.
#include "platform/apppaths.h"
#include "program/catalogue/ktab_zeichnungen.h"
#include "program/ui/beschreibung.h"

#include <QDir>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <installed bin folder> <expected system folder>\n", argv[0]);
        return 2;
    }
    const platform::AppPaths paths(QString::fromLocal8Bit(argv[1]));
    const QString expected = QDir::cleanPath(QString::fromLocal8Bit(argv[2]));
    int faults = 0;
    if (paths.systemFolder() != expected) {
        std::fprintf(stderr, "system folder resolved to %s, not %s\n", qPrintable(paths.systemFolder()),
                     qPrintable(expected));
        ++faults;
    }
    QStringList names = catalogue::leistungsZeichnungen();
    names << QStringLiteral("Logo.jpg") << QStringLiteral("BD10219.GIF");
    for (int sprache = 0; sprache <= 16; ++sprache)
        if (!names.contains(ui::Beschreibung_Datei(sprache)))
            names << ui::Beschreibung_Datei(sprache);
    for (const QString& name : names) {
        const QString found = paths.systemFile(name);
        if (found.isEmpty() || !found.startsWith(expected + QLatin1Char('/'))) {
            std::fprintf(stderr, "%s not found in %s\n", qPrintable(name), qPrintable(expected));
            ++faults;
        }
    }
    std::printf("%lld files looked up, %d missing\n", static_cast<long long>(names.size()), faults);
    return faults == 0 ? 0 : 1;
}
