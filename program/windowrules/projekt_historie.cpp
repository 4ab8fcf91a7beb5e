#include "program/windowrules/projekt_historie.h"

#include <QFileInfo>

namespace ui {

QStringList Projekt_History_neu(const QStringList& gelesen, const QString& ProjFile)
{
    QStringList liste;
    if (!ProjFile.isEmpty())
        liste << ProjFile;
    for (const QString& e : gelesen)
        if (!e.isEmpty() && !liste.contains(e, Qt::CaseSensitive))
            liste << e;
    while (liste.size() > ProjektHistorieLaenge)
        liste.removeLast();
    while (liste.size() < ProjektHistorieLaenge)
        liste << QString();
    return liste;
}

QString Projekt_History_Caption(int n, const QString& pfad)
{
    QString name = pfad.isEmpty() ? QString() : QFileInfo(pfad).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("%1: %2").arg(n).arg(name);
}

} // namespace ui
