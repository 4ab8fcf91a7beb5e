#pragma once
// Points the user's config (and runtime) folder at a fresh temporary folder for one test and
// restores the environment afterwards.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

class TempConfig {
public:
    TempConfig()
        : m_oldConfig(qgetenv("XDG_CONFIG_HOME")), m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
          m_oldRuntime(qgetenv("XDG_RUNTIME_DIR")), m_hadRuntime(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
    {
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("/config")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8());
    }
    ~TempConfig()
    {
        restore("XDG_CONFIG_HOME", m_hadConfig, m_oldConfig);
        restore("XDG_RUNTIME_DIR", m_hadRuntime, m_oldRuntime);
    }
    TempConfig(const TempConfig&) = delete;
    TempConfig& operator=(const TempConfig&) = delete;

    QString root() const { return m_dir.path(); }
    QString configFolder() const { return m_dir.path() + QStringLiteral("/config/kelto-line"); }
    QString settingsFile() const { return configFolder() + QStringLiteral("/Kelto_VX.ini"); }

    // Writes the settings file with exactly these bytes.
    void writeSettings(const QByteArray& bytes) const
    {
        QDir().mkpath(configFolder());
        QFile f(settingsFile());
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    QByteArray settingsBytes() const
    {
        QFile f(settingsFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    static void restore(const char* name, bool had, const QByteArray& old)
    {
        if (had)
            qputenv(name, old);
        else
            qunsetenv(name);
    }

    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    bool m_hadConfig;
    QByteArray m_oldRuntime;
    bool m_hadRuntime;
};
