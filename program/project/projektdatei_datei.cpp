#include "program/project/projektdatei_datei.h"

#include "common/error.h"
#include "platform/saveleftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace project {

namespace {

// Replaces target with exactly these bytes, or leaves it as it was. Temporary files of target's
// name that an earlier, interrupted save left behind are removed first.
QString schreibeAtomar(const QString& target, const QByteArray& bytes)
{
    platform::removeSaveLeftovers(target);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace

QString bakDatei(const QString& pfad)
{
    const QFileInfo info(pfad);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".bak"));
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
        const QByteArray altBytes = alt.readAll();
        if (alt.error() != QFileDevice::NoError) {
            r.grund = alt.errorString();
            return r;
        }
        // The copy replaces an older one atomically too, so a failure keeps that older copy.
        if (const QString why = schreibeAtomar(bakDatei(pfad), altBytes); !why.isEmpty()) {
            r.grund = why;
            return r;
        }
    }
    if (const QString why = schreibeAtomar(pfad, bytes); !why.isEmpty()) {
        r.grund = why;
        return r;
    }
    r.ok = true;
    return r;
}

} // namespace project
