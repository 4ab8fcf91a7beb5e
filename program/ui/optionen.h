#pragma once
// The program's settings window: the user's address for the report, the data folder, the
// report template, black-and-white graphics, the dealer printed in the report and the report's
// optional sections. A setting kept in the settings file is written by its control's handler the
// moment it changes; KB_close stores the report sections and the user's address and closes.
// Closing by the window's close box stores neither.
#include "program/texts/sprachtext.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace app {
struct AppState;
}

namespace ui {

class OptionenBerichtDaten;
class OptionenDateiauswahl;

class Optionen : public QDialog {
    Q_OBJECT
public:
    Optionen(app::AppState& state, OptionenBerichtDaten& bericht, OptionenDateiauswahl& dateien,
             QWidget* parent = nullptr);

    // Loads the window, shows it modally and unloads it when it closes (the main window's
    // command "Optionen").
    static void zeigen(app::AppState& state, OptionenBerichtDaten& bericht, OptionenDateiauswahl& dateien,
                       QWidget* parent);

    // The window's own texts 400 to 409 in every language.
    void Init_OptionenTexte();
    // Keeps the font character set of the window's controls (Qt draws every script with any font).
    void Setze_FontCharset(int& ChrSetNr);
    int fontCharset() const { return m_fontCharset; }

    // --- handlers ---
    void KB_close_Click();
    void CB_all_select_Click();
    void CB_AnzAuswahl_Standard_Click();
    void TB_UserPfad_DblClick();
    void TB_DokVorlage_DblClick();
    void TB_DokVorlage_KeyPress(int KeyAscii);
    void CBox_DokVorlage_Click();
    void CBox_DokVorlage_LostFocus();
    void CBox_SW_graphik_Click();
    void ChkBox_Dealer_Click();
    void CBox_Dealer_Click();
    void CBox_Dealer_Change();

    // The window's texts 400 to 409 (index 0 = text 400).
    std::array<texts::SprachText, 10> OptionenTexte{};

    // --- controls ---
    QTabWidget* SST_Optionen = nullptr;
    QLabel* LA_UserPfad = nullptr;
    QLineEdit* TB_UserPfad = nullptr;
    QPushButton* CB_VerzPfad_Sel = nullptr;
    QLabel* LA_Userinfo = nullptr;
    QLabel* LA_Firma = nullptr;
    QLabel* LA_Abt = nullptr;
    QLabel* LA_Name = nullptr;
    QLabel* LA_Strasse = nullptr;
    QLabel* LA_PLZ = nullptr;
    QLabel* LA_Land = nullptr;
    QLabel* LA_Phone = nullptr;
    QLabel* LA_Fax = nullptr;
    QLabel* LA_Email = nullptr;
    QLabel* LA_Web = nullptr; // "Web" in every language: no text of its own exists
    std::array<QLineEdit*, 12> TB_Userinfo{};
    QLabel* LB_Anz_Optionen = nullptr;
    std::array<QCheckBox*, 9> CBox_Anz_Optionen{};
    QPushButton* CB_all_select = nullptr;
    QPushButton* CB_AnzAuswahl_Standard = nullptr;
    QCheckBox* CBox_DokVorlage = nullptr;
    QLineEdit* TB_DokVorlage = nullptr;
    QPushButton* CB_VorlDatei_Sel = nullptr;
    QCheckBox* CBox_SW_graphik = nullptr;
    QCheckBox* ChkBox_Dealer = nullptr;
    QComboBox* CBox_Dealer = nullptr;
    QPushButton* KB_close = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void Form_Load();
    void Form_Activate();
    const QString& text(const texts::SprachText& s) const;
    const QString& eigenerText(int nummer) const { return text(OptionenTexte[static_cast<std::size_t>(nummer - 400)]); }
    void setVorlagenOptionenFrei(bool frei);
    bool regionUS() const;

    app::AppState& m_state;
    OptionenBerichtDaten& m_bericht;
    OptionenDateiauswahl& m_dateien;
    int m_fontCharset = 0;
};

} // namespace ui
