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

    // Writes bytes to a new temporary file for target, syncs it and keeps it. The file replaced is
    // the one the kernel opens under target: symbolic links are followed, each relative one from
    // the real folder it lies in, and stay links; a link to a missing file creates that file.
    // Temporary files of target that an interrupted save left behind are removed first; the new
    // one stays locked while it lives, so that no other save removes it (saveleftovers.h). False,
    // with failure(), when any step fails; the target is untouched either way. A file the user
    // may not write is refused, as an open() for writing would refuse it.
    // The new file keeps the mode of the file it replaces, and its group where the user may set it;
    // with like given it takes those of that file instead (a copy takes its original's mode).
    bool stage(const QString& target, const QByteArray& bytes, const QString& like = {});

    // Renames the staged file over its target. False, with failure(), when that fails; the
    // target is then as it was.
    bool commit();

    // Removes the staged file, if any.
    void discard();

    // Why the last step failed.
    const FileFailure& failure() const { return m_error; }

private:
    void release();

    QString m_target;
    QString m_temporary;
    FileFailure m_error;
    int m_lock = -1; // holds the temporary file's lock while it lives
};

// Stages bytes for target and commits them at once. No failure on success, else why it failed
// (the target is then as it was).
FileFailure replaceFile(const QString& target, const QByteArray& bytes);

} // namespace common
