#include "program/project/projektdatei_datei.h"

#include "common/error.h"
#include "common/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <optional>

namespace project {

namespace {

// What the system said when a file could not be opened or read.
common::FileFailure systemReason(const QFile& file)
{
    return {common::FileFailure::Kind::System, file.errorString(), {}};
}

} // namespace

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
        r.grund = common::systemFailure(ENOENT);
        return r;
    }
    QFile file(pfad);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        r.status = LadeStatus::NichtLesbar;
        r.grund = info.isFile() ? systemReason(file) : common::FileFailure{common::FileFailure::Kind::NotAFile, {}, {}};
        return r;
    }
    // Only the record is read; whatever follows it stays on disk, however large it is.
    r.dekodiert = dekodiereProjekt(file);
    if (file.error() != QFileDevice::NoError) {
        r.status = LadeStatus::NichtLesbar;
        r.grund = systemReason(file);
        return r;
    }
    r.status = r.dekodiert.angenommen() ? LadeStatus::Geladen : LadeStatus::Abgelehnt;
    return r;
}

Speicherergebnis speichereProjektDatei(const QString& pfad, const ProjektSatz& satz)
{
    Speicherergebnis r;
    QByteArray bytes;
    try {
        bytes = kodiereProjekt(satz);
    } catch (const common::Error&) { // a text too long for the record: nothing is written
        return r;
    }

    const QFileInfo info(pfad);
    std::optional<QByteArray> altBytes;
    if (info.exists()) {
        if (!info.isFile()) {
            r.grund = {common::FileFailure::Kind::NotAFile, {}, {}};
            return r;
        }
        QFile alt(pfad);
        if (!alt.open(QIODevice::ReadOnly)) {
            r.grund = systemReason(alt);
            return r;
        }
        altBytes = alt.readAll();
        if (alt.error() != QFileDevice::NoError) {
            r.grund = systemReason(alt);
            return r;
        }
    }
    // Both new contents are put on the disk before either file is replaced: a full disk or a
    // write limit then leaves the project and its copy exactly as they were.
    common::StagedFile neu;
    common::StagedFile kopie;
    if (!neu.stage(pfad, bytes)) {
        r.grund = neu.failure();
        return r;
    }
    // The copy is as private as the project it keeps.
    if (altBytes && !kopie.stage(bakDatei(pfad), *altBytes, pfad)) {
        r.grund = kopie.failure();
        return r;
    }
    if (altBytes && !kopie.commit()) {
        r.grund = kopie.failure();
        return r;
    }
    if (!neu.commit()) {
        r.grund = neu.failure();
        return r;
    }
    r.ok = true;
    return r;
}

} // namespace project
