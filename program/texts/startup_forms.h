#pragma once
// The program's windows by name, so that start-up and shut-down can reach them without knowing
// their classes. A window that has been destroyed simply drops out.
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

namespace texts {

class Formen {
public:
    // Registers a window under its objectName.
    void add(QObject* form);
    // The live window of that name, or nullptr when none is loaded.
    QObject* find(const QString& name) const;

private:
    std::vector<QPointer<QObject>> m_forms;
};

// The order in which the program's windows are unloaded when it stops; the main window last.
inline const QStringList UnloadOrder = {
    QStringLiteral("LeistgVorg1_frm"), QStringLiteral("LeistgVorg2_frm"), QStringLiteral("Optionen"),
    QStringLiteral("Info_ProgVers_frm"), QStringLiteral("LuefterVar_frm"), QStringLiteral("Kelto_VX_Menu"),
};

// Closes and destroys the windows of UnloadOrder that are loaded, in that order. A window that is
// not loaded is skipped and does not stop the others.
void Alle_Forms_entladen(Formen& forms);

} // namespace texts
