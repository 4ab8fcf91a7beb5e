// Writes each fuzz target's starting inputs, made by the program's own writers, into
// <folder>/<target>/seed-<n> (only the named targets when names follow the folder).
// With --list it names the targets, one a line.
#include "fuzz/entries/fuzzentries.h"
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc == 2 && QByteArray(argv[1]) == "--list") {
        for (const fuzzing::Target& target : fuzzing::targets())
            std::printf("%s\n", target.name);
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder> [target...] | --list\n", argv[0]);
        return 2;
    }
    fuzzing::ensureApplication();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const fuzzing::Target& target : fuzzing::targets()) {
        bool wanted = argc == 2;
        for (int k = 2; k < argc; ++k)
            wanted = wanted || QByteArray(argv[k]) == target.name;
        if (!wanted)
            continue;
        const QString dir = folder.filePath(QString::fromLatin1(target.name));
        if (!QDir().mkpath(dir)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
            return 1;
        }
        int n = 0;
        for (const QByteArray& seed : target.seeds()) {
            QFile file(QDir(dir).filePath(QStringLiteral("seed-%1").arg(++n)));
            if (!file.open(QIODevice::WriteOnly) || file.write(seed) != seed.size()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
                return 1;
            }
        }
    }
    return 0;
}
