#include "program/project/projektdatei_datei.h"

#include "common/error.h"
#include "common/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace project {

QString bakDatei(const QString& pfad)
{
    const QFileInfo info(pfad);
    QString name = info.fileName();
    if (name.endsWith(ProjektEndung) && name.size() > ProjektEndung.size())
        name.chop(ProjektEndung.size());
    else
        name += ProjektEndung;
    return info.dir().filePath(name + QStringLiteral(".bak"));
}

Ladeergebnis ladeProjektDatei(const QString& pfad)
{
    Ladeergebnis r;
    const QFileInfo info(pfad);
    if (pfad.isEmpty() || !info.exists()) {
        r.status = LadeStatus::NichtGefunden;
        r.grund = QStringLiteral("File not found");
        return r;
    }
    QFile file(pfad);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        r.status = LadeStatus::NichtLesbar;
        r.grund = info.isFile() ? file.errorString() : QStringLiteral("Not a file");
        return r;
    }
    // Only the record is read; whatever follows it stays on disk, however large it is.
    r.dekodiert = dekodiereProjekt(file);
    if (file.error() != QFileDevice::NoError) {
        r.status = LadeStatus::NichtLesbar;
        r.grund = file.errorString();
        return r;
    }
    r.status = r.dekodiert.angenommen() ? LadeStatus::Geladen : LadeStatus::Abgelehnt;
    if (!r.dekodiert.angenommen())
        r.grund = QStringLiteral("Not a project file of version 1 or 2");
    return r;
}

Speicherergebnis speichereProjektDatei(const QString& pfad, const ProjektSatz& satz)
{
    Speicherergebnis r;
    QByteArray bytes;
    try {
        bytes = kodiereProjekt(satz);
    } catch (const common::Error& e) {
        r.grund = e.description();
        return r;
    }

    const QFileInfo info(pfad);
    std::optional<QByteArray> altBytes;
    if (info.exists()) {
        if (!info.isFile()) {
            r.grund = QStringLiteral("Not a file");
            return r;
        }
        QFile alt(pfad);
        if (!alt.open(QIODevice::ReadOnly)) {
            r.grund = alt.errorString();
            return r;
        }
        altBytes = alt.readAll();
        if (alt.error() != QFileDevice::NoError) {
            r.grund = alt.errorString();
            return r;
        }
    }
    // Both new contents are put on the disk before either file is replaced: a full disk or a
    // write limit then leaves the project and its copy exactly as they were.
    common::StagedFile neu;
    common::StagedFile kopie;
    if (!neu.stage(pfad, bytes)) {
        r.grund = neu.errorString();
        return r;
    }
    // The copy is as private as the project it keeps.
    if (altBytes && !kopie.stage(bakDatei(pfad), *altBytes, pfad)) {
        r.grund = kopie.errorString();
        return r;
    }
    if (altBytes && !kopie.commit()) {
        r.grund = kopie.errorString();
        return r;
    }
    if (!neu.commit()) {
        r.grund = neu.errorString();
        return r;
    }
    r.ok = true;
    return r;
}

} // namespace project
