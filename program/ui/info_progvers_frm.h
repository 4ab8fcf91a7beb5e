#pragma once
// The about box: program title, version text and date, rights line and the program's own
// version numbers, in one multi-line label.
#include <QDialog>

class QLabel;
class QPushButton;

namespace texts {
struct Texte;
}

namespace ui {

// The version numbers the build gives the program.
struct ProgrammVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The numbers of this build (the project version; revision 0 when the build names none).
ProgrammVersion buildVersion();

// "(01.04.0012)" for version 1.4 revision 12.
QString versionInKlammern(const ProgrammVersion& v);

// The about text: title of the language, version text with its date, rights line, version numbers.
QString aboutText(const QString& titel, const ProgrammVersion& v);

class Info_ProgVers_frm : public QDialog {
    Q_OBJECT
public:
    Info_ProgVers_frm(const texts::Texte& texte, const ProgrammVersion& version, QWidget* parent = nullptr);

    // Loads the box, shows it modally and unloads it (the main window's command "Info_ProgVers_frm").
    static void zeigen(const texts::Texte& texte, QWidget* parent);

    void KB_Okay_Click();
    void LA_Version_Click() {}

    int fontCharset() const { return m_fontCharset; }

    QLabel* LA_Version = nullptr;
    QPushButton* KB_Okay = nullptr;

private:
    void Form_Load(const texts::Texte& texte, const ProgrammVersion& version);

    int m_fontCharset = 0;
};

} // namespace ui
