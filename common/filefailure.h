#pragma once
// Why a file could not be read or written. The libraries say what failed as a kind, and pass on
// the system's own reason; the program words the kind for the user in the user's language.
#include <QString>

namespace common {

struct FileFailure {
    enum class Kind {
        None,             // nothing failed
        NotAFile,         // the path names a folder or another thing that is no file
        NothingStaged,    // a commit without new contents on the disk
        CannotRead,       // the file exists but cannot be read
        FolderNotCreated, // the folder for the file cannot be created (path names it)
        System,           // the system refused a step; reason says why
    };
    Kind kind = Kind::None;
    QString reason; // the C library's text for the system's error; empty when it gave none
    QString path;   // the folder a FolderNotCreated failure names

    bool failed() const { return kind != Kind::None; }
};

// The failure the system reports with an errno value.
FileFailure systemFailure(int error);

} // namespace common
