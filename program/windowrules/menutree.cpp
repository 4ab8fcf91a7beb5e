#include "program/windowrules/menutree.h"

#include <QHash>

namespace ui {

namespace {

MenuEintrag item(QString key, QString parent, QString caption, int textNr = 0, QString image = {},
    QString shortcut = {})
{
    MenuEintrag e;
    e.key = std::move(key);
    e.parent = std::move(parent);
    e.caption = std::move(caption);
    e.textNr = textNr;
    e.image = std::move(image);
    e.shortcut = std::move(shortcut);
    return e;
}

MenuEintrag menu(QString key, QString parent, QString caption, int textNr = 0, QString image = {})
{
    MenuEintrag e = item(std::move(key), std::move(parent), std::move(caption), textNr, std::move(image));
    e.isMenu = true;
    return e;
}

MenuEintrag check(QString key, QString parent, QString caption)
{
    MenuEintrag e = item(std::move(key), std::move(parent), std::move(caption));
    e.checkable = true;
    return e;
}

MenuEintrag separator(QString parent)
{
    return item({}, std::move(parent), QStringLiteral("-"));
}

struct Sprache {
    const char* key;
    const char* caption;
    int nummer;
};

// Menu order; the number is the language the item selects.
constexpr Sprache Sprachen[] = {
    {"Menu_Ex_Sp_dt", "Deutsch", 0},        {"Menu_Ex_Sp_Engl", "English", 1},
    {"Menu_Ex_Sp_Fran", "Français", 2},     {"Menu_Ex_Sp_Russisch", "Russian", 4},
    {"Menu_Ex_Sp_PL", "Polish", 5},         {"Menu_Ex_Sp_FI", "Finnish", 6},
    {"Menu_Ex_Sp_Espa", "Español", 7},      {"Menu_Ex_Sp_Ital", "Italiano", 8},
    {"Menu_Ex_Sp_Portg", "Portuguese", 9},  {"Menu_Ex_Sp_Tsch", "Czech", 10},
    {"Menu_Ex_Sp_Tuerk", "Turkish", 11},    {"Menu_Ex_Sp_NL", "Dutch", 13},
    {"Menu_Ex_Sp_Bulg", "Bulgarian", 14},   {"Menu_Ex_Sp_Swed", "Swedish", 16},
    {nullptr, nullptr, -1},                 {"Menu_Ex_Sp_China", "Chinese", 3},
    {"Menu_Ex_Sp_Korea", "Korean", 12},     {"Menu_Ex_Sp_Japan", "Japanese", 15},
};

std::vector<MenuEintrag> baueBaum()
{
    std::vector<MenuEintrag> t;
    const QString datei = QStringLiteral("Menu-Datei");
    t.push_back(menu(datei, {}, QStringLiteral("Projekt"), 250));
    t.push_back(item(QStringLiteral("ProjNeu"), datei, QStringLiteral("Projekt-&Neu"), 251));
    t.push_back(item(QStringLiteral("ProjLoad"), datei, QStringLiteral("Projekt-&Laden"), 252, {}, QStringLiteral("Ctrl+L")));
    t.push_back(item(QStringLiteral("ProjSave"), datei, QStringLiteral("&Speichern"), 253, QStringLiteral("save"), QStringLiteral("Ctrl+S")));
    t.push_back(item(QStringLiteral("ProjSaveAs"), datei, QStringLiteral("Speichern &unter"), 254, QStringLiteral("save"), QStringLiteral("Ctrl+U")));
    for (int n = 1; n <= 9; ++n) {
        MenuEintrag e = item(QStringLiteral("Projekt%1").arg(n), datei, QStringLiteral("&%1: ").arg(n));
        e.enabled = false;
        t.push_back(e);
    }
    t.push_back(separator(datei));
    t.push_back(separator(datei));
    MenuEintrag exit = item(QStringLiteral("Progexit"), datei, QStringLiteral("&Beenden"), 255, QStringLiteral("exit"), QStringLiteral("Alt+F4"));
    exit.hintTitle = QStringLiteral("Beenden");
    exit.hintText = QStringLiteral("Beendet das Programm");
    t.push_back(exit);

    const QString eh = QStringLiteral("Menu-Einheiten");
    t.push_back(menu(eh, {}, QStringLiteral("Einheiten"), 257));
    t.push_back(menu(QStringLiteral("Menu_EH_Temp"), eh, QStringLiteral("Temperatur"), 258));
    t.push_back(menu(QStringLiteral("Menu_EH_Q"), eh, QStringLiteral("Durchfluss"), 259));
    t.push_back(menu(QStringLiteral("Menu_EH_Leist"), eh, QStringLiteral("Leistung"), 260));
    t.push_back(menu(QStringLiteral("Menu_EH_Druck"), eh, QStringLiteral("Druck"), 261));
    t.push_back(check(QStringLiteral("Menu_EH_Temp_C"), QStringLiteral("Menu_EH_Temp"), QStringLiteral("Celsius")));
    t.push_back(check(QStringLiteral("Menu_EH_Temp_F"), QStringLiteral("Menu_EH_Temp"), QStringLiteral("Fahrenheit")));
    t.push_back(check(QStringLiteral("Menu_EH_Temp_K"), QStringLiteral("Menu_EH_Temp"), QStringLiteral("Kelvin")));
    const char* q[][2] = {{"Menu_EH_Q_lm", "l/min"}, {"Menu_EH_Q_kgs", "kg/s"}, {"Menu_EH_Q_kgh", "kg/h"},
        {"Menu_EH_Q_ls", "l/s"}, {"Menu_EH_Q_lh", "l/h"}, {"Menu_EH_Q_gpm", "gpm"}};
    for (const auto& e : q)
        t.push_back(check(QString::fromLatin1(e[0]), QStringLiteral("Menu_EH_Q"), QString::fromLatin1(e[1])));
    const char* l[][2] = {{"Menu_EH_Leist_kW", "kW"}, {"Menu_EH_Leist_kch", "kcal/h"},
        {"Menu_EH_Leist_BTUh", "BTU/h"}, {"Menu_EH_Leist_HP", "HP"}};
    for (const auto& e : l)
        t.push_back(check(QString::fromLatin1(e[0]), QStringLiteral("Menu_EH_Leist"), QString::fromLatin1(e[1])));
    const char* p[][2] = {{"Menu_EH_Druck_pa", "Pa"}, {"Menu_EH_Druck_mbar", "mbar"}, {"Menu_EH_Druck_bar", "Bar"},
        {"Menu_EH_Druck_mmHg", "mmHg"}, {"Menu_EH_Druck_mmWS", "mmWS"}, {"Menu_EH_Druck_psi", "psi"}};
    for (const auto& e : p)
        t.push_back(check(QString::fromLatin1(e[0]), QStringLiteral("Menu_EH_Druck"), QString::fromLatin1(e[1])));

    const QString drk = QStringLiteral("Menu_Drucken");
    t.push_back(menu(drk, {}, QStringLiteral("&Drucken"), 262, QStringLiteral("print")));
    t.push_back(item(QStringLiteral("Menu_DRK_Preview"), drk, QStringLiteral("Datenblatt (Vorschau)"), 263, {}, QStringLiteral("Ctrl+P")));
    t.push_back(item(QStringLiteral("Menu_DRK_Lstg_Diagramm"), drk, QStringLiteral("Leistung"), 266));
    t.push_back(item(QStringLiteral("Menu_DRK_Drk_Diagramm"), drk, QStringLiteral("Druckverlust"), 267));

    const QString ex = QStringLiteral("Menu-Extras");
    t.push_back(menu(ex, {}, QStringLiteral("Extras"), 270));
    t.push_back(menu(QStringLiteral("Menu_Ex_Sp"), ex, QStringLiteral("Sprache"), 271));
    t.push_back(item(QStringLiteral("Menu_Ex_Opt"), ex, QStringLiteral("&Optionen"), 272, {}, QStringLiteral("Ctrl+O")));
    for (const Sprache& s : Sprachen) {
        if (s.key == nullptr) {
            t.push_back(separator(QStringLiteral("Menu_Ex_Sp")));
            continue;
        }
        MenuEintrag e = check(QString::fromLatin1(s.key), QStringLiteral("Menu_Ex_Sp"), QString::fromUtf8(s.caption));
        if (e.key == QLatin1String("Menu_Ex_Sp_dt")) {
            e.hintTitle = QStringLiteral("Sprachauswahl");
            e.hintText = QStringLiteral("Wählt deutsch als Menüsprache aus");
        } else if (e.key == QLatin1String("Menu_Ex_Sp_Russisch") || e.key == QLatin1String("Menu_Ex_Sp_China")) {
            e.hintText = QStringLiteral("Special-Fonts");
        }
        t.push_back(e);
    }

    const QString info = QStringLiteral("Menu-Info");
    t.push_back(menu(info, {}, QStringLiteral("&?"), 273, QStringLiteral("info")));
    t.push_back(item(QStringLiteral("Menu_In_about"), info, QStringLiteral("Über"), 274));
    MenuEintrag descr = item(QStringLiteral("Menu_In_Descript"), info, QStringLiteral("Beschreibung"), 275);
    descr.hintText = QStringLiteral("Programmbeschreibung");
    t.push_back(descr);
    return t;
}

QHash<QString, MenuBefehl> baueBefehle()
{
    QHash<QString, MenuBefehl> b;
    b.insert(QStringLiteral("ProjNeu"), {Befehl::ProjektNeu, 0});
    b.insert(QStringLiteral("ProjLoad"), {Befehl::ProjektLaden, 0});
    b.insert(QStringLiteral("ProjSave"), {Befehl::ProjektSpeichern, 0});
    b.insert(QStringLiteral("ProjSaveAs"), {Befehl::ProjektSpeichernUnter, 0});
    b.insert(QStringLiteral("Progexit"), {Befehl::Beenden, 0});
    for (int n = 1; n <= 9; ++n)
        b.insert(QStringLiteral("Projekt%1").arg(n), {Befehl::ProjektListe, n});
    const Befehl je[] = {Befehl::Temperatur, Befehl::Durchfluss, Befehl::Leistung, Befehl::Druck};
    for (int g = 0; g < 4; ++g) {
        const auto& keys = einheitSchluessel(g);
        for (int i = 0; i < static_cast<int>(keys.size()); ++i)
            b.insert(keys[i], {je[g], i});
    }
    const auto& sp = sprachSchluessel();
    for (int i = 0; i < static_cast<int>(sp.size()); ++i)
        b.insert(sp[i], {Befehl::Sprache, i});
    b.insert(QStringLiteral("Menu_DRK_Preview"), {Befehl::Datenblatt, 0});
    b.insert(QStringLiteral("Menu_DRK_Drk_Diagramm"), {Befehl::DruckDiagramm, 0});
    b.insert(QStringLiteral("Menu_DRK_Lstg_Diagramm"), {Befehl::LeistungDiagramm, 0});
    b.insert(QStringLiteral("Menu_Ex_Opt"), {Befehl::Optionen, 0});
    b.insert(QStringLiteral("Menu_In_about"), {Befehl::Info, 0});
    b.insert(QStringLiteral("Menu_In_Descript"), {Befehl::Beschreibung, 0});
    return b;
}

} // namespace

const std::vector<MenuEintrag>& menuBaum()
{
    static const std::vector<MenuEintrag> baum = baueBaum();
    return baum;
}

const std::vector<QString>& sprachSchluessel()
{
    static const std::vector<QString> keys = [] {
        std::vector<QString> k(17);
        for (const Sprache& s : Sprachen)
            if (s.key != nullptr)
                k[s.nummer] = QString::fromLatin1(s.key);
        return k;
    }();
    return keys;
}

const std::vector<QString>& einheitSchluessel(int groesse)
{
    static const std::vector<std::vector<QString>> keys = {
        {"Menu_EH_Temp_C", "Menu_EH_Temp_F", "Menu_EH_Temp_K"},
        {"Menu_EH_Q_kgs", "Menu_EH_Q_ls", "Menu_EH_Q_lm", "Menu_EH_Q_lh", "Menu_EH_Q_kgh", "Menu_EH_Q_gpm"},
        {"Menu_EH_Leist_kW", "Menu_EH_Leist_kch", "Menu_EH_Leist_BTUh", "Menu_EH_Leist_HP"},
        {"Menu_EH_Druck_pa", "Menu_EH_Druck_mbar", "Menu_EH_Druck_mmHg", "Menu_EH_Druck_mmWS",
            "Menu_EH_Druck_psi", "Menu_EH_Druck_bar"},
    };
    static const std::vector<QString> none;
    return (groesse >= 0 && groesse < 4) ? keys[groesse] : none;
}

MenuBefehl befehlFuer(const QString& key)
{
    static const QHash<QString, MenuBefehl> befehle = baueBefehle();
    return befehle.value(key);
}

} // namespace ui
