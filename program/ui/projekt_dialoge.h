#pragma once
// The project commands' dialogs on the desktop: Qt's file dialogs and its one-line input box.
#include "program/windowrules/projekt_befehle.h"

class QWidget;

namespace ui {

class QtProjektDialoge final : public ProjektDialoge {
public:
    explicit QtProjektDialoge(QWidget* owner) : m_owner(owner) {}
    QString speichernUnter(const QString& titel, const QString& ordner, const QString& vorschlag) override;
    QString oeffnen(const QString& titel, const QString& ordner) override;
    QString eingabe(const QString& titel, const QString& frage) override;

private:
    QWidget* m_owner;
};

} // namespace ui
