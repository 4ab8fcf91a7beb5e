#pragma once
// The folder and file choosers the options window opens. Cancel gives an empty path. The Qt
// implementation uses the toolkit's dialogs; tests answer from a script.
#include <QString>

class QWidget;

namespace ui {

class OptionenDateiauswahl {
public:
    virtual ~OptionenDateiauswahl() = default;
    // The user's choice of a folder, titled "Bitte wählen Sie ein Verzeichnis aus"; empty on cancel.
    virtual QString GetPath(QWidget* owner) = 0;
    // The user's choice of an existing file to open; empty on cancel.
    virtual QString dateiOeffnen(QWidget* owner, const QString& titel, const QString& startOrdner,
                                 const QString& filter) = 0;
};

class QtOptionenDateiauswahl : public OptionenDateiauswahl {
public:
    QString GetPath(QWidget* owner) override;
    QString dateiOeffnen(QWidget* owner, const QString& titel, const QString& startOrdner,
                         const QString& filter) override;
};

} // namespace ui
