#pragma once
// The one way the program and its libraries replace a file. The new bytes go to a hidden temporary
// file beside the target (see saveleftovers.h), are written, flushed and synced to the disk, and
// only then renamed over the target; every step is checked. So either the target holds the new
// bytes, or it is as it was, byte for byte, and the caller learns why. QSaveFile is not used: its
// commit() can report success after its buffered write failed, and put an empty file in place of
// the old one.
#include "common/filefailure.h"
#include <QByteArray>
#include <QString>

namespace common {

// New contents of a file, on the disk beside it but not yet in its place. Destroying a staged file
// that was not committed removes its temporary file.
class StagedFile {
public:
    StagedFile() = default;
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Writes bytes to a new temporary file for target (a symbolic link is followed to the file it
    // names), syncs it and keeps it. Temporary files of target that an interrupted save left
    // behind are removed first. False, with failure(), when any step fails; the target is
    // untouched either way.
    bool stage(const QString& target, const QByteArray& bytes);

    // Renames the staged file over its target. False, with failure(), when that fails; the
    // target is then as it was.
    bool commit();

    // Removes the staged file, if any.
    void discard();

    // Why the last step failed.
    const FileFailure& failure() const { return m_error; }

private:
    QString m_target;
    QString m_temporary;
    FileFailure m_error;
};

// Stages bytes for target and commits them at once. No failure on success, else why it failed
// (the target is then as it was).
FileFailure replaceFile(const QString& target, const QByteArray& bytes);

} // namespace common
