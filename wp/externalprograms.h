#pragma once
// The programs outside the layer that a document meets: the desktop's viewer that shows a saved
// document, a printing program, and the lock files office programs leave beside open documents.
#include <QString>
#include <memory>

namespace wp {

// Errors of printing.
inline constexpr long NoPrintingProgram = 4605;
inline constexpr long PrintingFailed = 4606;
inline constexpr long ViewerFailed = 4607;

class ExternalPrograms {
public:
    virtual ~ExternalPrograms() = default;
    // Opens the file with the desktop's default program; false when that fails.
    virtual bool openInViewer(const QString& path) = 0;
    // Prints the file at once. Raises NoPrintingProgram when no printing program is installed,
    // PrintingFailed when it fails.
    virtual void print(const QString& path) = 0;
    // True when an office program holds the file open (its lock file lies beside it).
    virtual bool isOpenElsewhere(const QString& path) = 0;
};

// The real programs: QDesktopServices for viewing, LibreOffice headless for printing.
class DesktopPrograms final : public ExternalPrograms {
public:
    bool openInViewer(const QString& path) override;
    void print(const QString& path) override;
    bool isOpenElsewhere(const QString& path) override;
};

// Opens a file with the desktop's default program for its kind. False when the desktop has no
// program for it: no opener at all, or (where the desktop's MIME tool answers) no program set for
// the file's type, a case the opener itself would start and then fail without a word.
bool openWithDesktop(const QString& path);

// The lock-file test alone (".~lock.<name>#" of LibreOffice, "~$<name>" of other office programs).
bool officeLockFilePresent(const QString& path);

} // namespace wp
