#pragma once
// The recent-project list: nine full paths, most recent first, kept in the settings file under
// Name1 to Name9 of section Projekte. The rule is pure so that it is tested by value.
#include <QString>
#include <QStringList>

namespace ui {

inline constexpr int ProjektHistorieLaenge = 9;

// The list after ProjFile was saved or loaded: ProjFile first, the others in their order behind
// it. The list read from the settings is taken without holes and without repeats (exact,
// case-sensitive comparison), so the result never holds a path twice. Always nine entries; empty
// ones at the end.
QStringList Projekt_History_neu(const QStringList& gelesen, const QString& ProjFile);

// Caption of recent item n (1 to 9) for a path: "n: " and the file name, "&" doubled so that it
// shows as itself and not as an access key. An empty path gives "n: ".
QString Projekt_History_Caption(int n, const QString& pfad);

} // namespace ui
