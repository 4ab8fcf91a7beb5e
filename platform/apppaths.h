#pragma once
// Where the program finds its own files and keeps the user's: the program folder (the folder of
// the executable), the read-only `system` folder beside it or in the installed share folder, the
// user's config folder for the settings file, the runtime folder for the instance lock and the
// default data folder for projects and reports.
#include <QString>

namespace platform {

class AppPaths {
public:
    // Folder name used under the user's config and runtime folders.
    static inline const QString ApplicationFolder = QStringLiteral("kelto-line");
    static inline const QString SettingsFileName = QStringLiteral("Kelto_VX.ini");

    // Paths of the running executable.
    static AppPaths forRunningProgram();
    // Paths as if the executable lived in programFolder (tests, tools).
    explicit AppPaths(QString programFolder);

    const QString& programFolder() const { return m_programFolder; }
    // <program>/system when it exists (build tree, portable install), else
    // <program>/../share/kelto-line/system (installed).
    QString systemFolder() const;
    // Full path of a file of the system folder, its name matched ignoring case; empty when absent.
    QString systemFile(const QString& name) const;

    // The user's config folder for this program (follows XDG_CONFIG_HOME); not created here.
    static QString configFolder();
    // Full path of the settings file in the config folder.
    static QString settingsFile();
    // The user's runtime folder (XDG_RUNTIME_DIR), where the instance lock lives.
    static QString runtimeFolder();
    // Default folder for projects and report documents: ~/Kelto-Line/Data/ (with the final "/").
    static QString defaultDataFolder();

private:
    QString m_programFolder;
};

} // namespace platform
