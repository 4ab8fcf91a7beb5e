#pragma once
// What the two heat-load dialogs share: the result row (label, field, power unit), the
// temperature-unit label, the take-over button, the quiet property functions used while the user
// types and the hand-over of the result to the main window.
//
// The dialogs compute into their own members. The operating point is written only when the user
// takes the result over; a dialog closed any other way leaves it as it was. What is handed over
// is exactly the heat load the result field shows.
#include "common/messages.h"
#include "program/rating/kuehlerdaten.h"
#include "program/texts/texte.h"
#include "program/windowrules/leistgvorg_rechnung.h"

#include <QDialog>
#include <QLocale>
#include <array>
#include <functional>
#include <optional>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class LeistgVorgBasis : public QDialog {
    Q_OBJECT
public:
    // What a dialog needs of the program: the operating point it reads and, on take-over, writes;
    // the texts; the message interface; the user's locale for numbers; and the main window's
    // take-over, called after KLeistung holds the new load and the dialog is hidden: it shows
    // KLeistung in TB_KLeistung (as a program write) and runs the search.
    struct Umgebung {
        rating::KuehlerDaten& KuehlerDaten;
        const texts::Texte& Texte;
        common::MessageBoxes& boxes;
        QLocale locale;
        std::function<void()> leistungUebernommen;
    };

    // The heat load the dialog last computed and shows, W (0 before the first computation).
    double gespeicherteLeistung() const { return m_leistung; }
    // The font character set of the current language, taken on each showing.
    int fontCharset() const { return m_fontCharset; }
    // Replaces the medium's property functions (tests use fixed values).
    void setStoffwerte(Stoffwertfunktionen stoff) { m_festeStoffwerte = std::move(stoff); }

    // Shows the temperature unit EH_Temp in LA_Temp_EH element 0; the argument is not used.
    void Temp_EH_setzen(int& Index);
    // Takes the result over (see the dialogs).
    virtual void CB_zurueck_Click() = 0;

    QGroupBox* FR_LeistgVorgabe = nullptr;
    QLabel* LA_LeistgVorgabe = nullptr;
    QLineEdit* TB_VLeistg = nullptr;
    std::array<QLabel*, 1> LA_Leistung_EH{};
    std::array<QLabel*, 1> LA_Temp_EH{};
    QPushButton* CB_zurueck = nullptr;

protected:
    LeistgVorgBasis(Umgebung umgebung, const QString& objectName, QWidget* parent);

    // Runs the dialog's activation on every showing.
    void showEvent(QShowEvent* event) override;
    // Enter in an entry field confirms that field and moves on to the next, as in the main
    // window; only Enter on the take-over button (or a click) takes the result over.
    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual void Form_Activate() = 0;

    // The text of the current language (any other language number counts as English).
    const QString& text(const texts::SprachText& s) const;
    // Adds a row of label, entry field and unit to the input frame.
    void eingabeZeile(int row, QLabel* label, QLineEdit* field, QLabel* unit);
    // Captions of the shared controls, the character set and the temperature unit.
    void gemeinsameTexteSetzen();
    // The medium's properties: quiet while typing, with the engine's messages on take-over.
    Stoffwertfunktionen stoffwerte(bool mitMeldungen);
    // Stores the load and shows it in the display power unit.
    void leistungZeigen(double watt);
    // Whether a field holds a number in the user's locale.
    bool numerisch(const QLineEdit* field) const;
    // KLeistung := the shown load; hides the dialog; hands over to the main window.
    void leistungUebergeben();

    Umgebung m_u;

private:
    // A message interface that shows nothing, for the property functions while the user types.
    class StilleMeldungen : public common::MessageBoxes {
    protected:
        int present(const QString&, int style, const QString&) override { return common::mb::firstAnswer(style); }
    };

    double m_leistung = 0;
    int m_fontCharset = 0;
    QGridLayout* m_eingaben = nullptr;
    std::optional<Stoffwertfunktionen> m_festeStoffwerte;
    StilleMeldungen m_still;
    rating::KuehlerDaten m_schmierzettel; // receives the quiet calls' error flag
};

} // namespace ui
