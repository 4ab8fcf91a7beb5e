// The menu bar: built item by item from the menu table, one slot for every click, the command
// dispatch by key, and the menu-bar colours.
#include "program/ui/kelto_vx_menu.h"

#include "common/messages.h"
#include "common/widgets/qtcolour.h"
#include "program/ui/programmzustand.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace ui {

void Kelto_VX_Menu::InitMenu_Datei() { buildMenuItems(QStringLiteral("Menu-Datei")); }
void Kelto_VX_Menu::InitMenu_Einheiten() { buildMenuItems(QStringLiteral("Menu-Einheiten")); }
void Kelto_VX_Menu::InitMenu_Drucken() { buildMenuItems(QStringLiteral("Menu_Drucken")); }
void Kelto_VX_Menu::InitMenu_Extras() { buildMenuItems(QStringLiteral("Menu-Extras")); }
void Kelto_VX_Menu::InitMenu_Info() { buildMenuItems(QStringLiteral("Menu-Info")); }

namespace {

// The top-level menu an item belongs to.
QString topOf(const QString& key, const std::vector<MenuEintrag>& baum)
{
    QString k = key;
    for (;;) {
        const auto it = std::find_if(baum.begin(), baum.end(), [&](const MenuEintrag& e) { return e.key == k; });
        if (it == baum.end() || it->parent.isEmpty())
            return k;
        k = it->parent;
    }
}

} // namespace

void Kelto_VX_Menu::buildMenuItems(const QString& topKey)
{
    const auto& baum = menuBaum();
    QMenuBar* bar = menuBar();
    for (const MenuEintrag& e : baum) {
        const QString owner = e.key.isEmpty() ? e.parent : e.key;
        if (topOf(owner, baum) != topKey)
            continue;
        QMenu* parentMenu = e.parent.isEmpty() ? nullptr : m_menus.value(e.parent);
        if (!e.parent.isEmpty() && parentMenu == nullptr)
            continue;
        if (e.key.isEmpty()) {
            parentMenu->addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (e.isMenu) {
            auto* menu = new QMenu(e.caption, bar);
            menu->setObjectName(e.key);
            menu->setToolTipsVisible(true);
            m_menus.insert(e.key, menu);
            action = parentMenu ? parentMenu->addMenu(menu) : bar->addMenu(menu);
        } else {
            action = parentMenu->addAction(e.caption);
        }
        action->setObjectName(e.key);
        action->setData(e.key);
        action->setCheckable(e.checkable);
        action->setEnabled(e.enabled);
        // A picture on a menu-bar title would replace its caption; items show theirs beside the text.
        if (!e.image.isEmpty() && !e.parent.isEmpty())
            action->setIcon(QIcon(QStringLiteral(":/menu/%1.svg").arg(e.image)));
        if (!e.shortcut.isEmpty())
            action->setShortcut(QKeySequence(e.shortcut));
        if (!e.hintText.isEmpty() || !e.hintTitle.isEmpty()) {
            const QString hint = e.hintTitle.isEmpty() ? e.hintText : e.hintTitle + QStringLiteral(": ") + e.hintText;
            action->setStatusTip(hint);
            action->setToolTip(hint);
        }
        m_menuItems.insert(e.key, action);
        if (!e.isMenu) {
            const QString key = e.key;
            connect(action, &QAction::triggered, this, [this, key] { MenuBar1_ItemClick(key); });
        }
    }
}

void Kelto_VX_Menu::MenuBar1_ItemClick(const QString& key)
{
    common::UserActionScope scope(m_boxes);
    const MenuBefehl b = befehlFuer(key);
    // A menu or its shortcut takes no focus from the field being typed in: the command must work
    // on the value the window shows, not on the one before (a save would store the old one).
    if (b.befehl != Befehl::Keiner)
        offeneEingabeUebernehmen();
    switch (b.befehl) {
    case Befehl::Keiner: break;
    case Befehl::ProjektNeu: Projekt_Neu(); break;
    case Befehl::ProjektLaden: Projekt_Load(); break;
    case Befehl::ProjektSpeichern: Projekt_Save(); break;
    case Befehl::ProjektSpeichernUnter: Projekt_SaveAs(); break;
    case Befehl::ProjektListe: Projekt_load_Liste(b.arg); break;
    case Befehl::Beenden: Progexit(); break;
    case Befehl::Temperatur: {
        int i = b.arg;
        Temp_EH_setzen(i);
        break;
    }
    case Befehl::Durchfluss: {
        int i = b.arg;
        Q_EH_setzen(i);
        break;
    }
    case Befehl::Leistung: {
        long i = b.arg;
        Leistg_EH_setzen(i);
        break;
    }
    case Befehl::Druck: {
        int i = b.arg;
        Druck_EH_setzen(i);
        break;
    }
    case Befehl::Sprache: Sprache_setzen(b.arg); break;
    case Befehl::Datenblatt: showModal(QStringLiteral("Word_Dokument_erstellen 0")); break;
    case Befehl::DruckDiagramm: Ausdruck_DrkVerlust(); break;
    case Befehl::LeistungDiagramm: Ausdruck_Leistg(); break;
    case Befehl::Optionen: showModal(QStringLiteral("Optionen")); break;
    case Befehl::Info: showModal(QStringLiteral("Info_ProgVers_frm")); break;
    case Befehl::Beschreibung: Word_Beschreibung_anzeigen(); break;
    }
}

void Kelto_VX_Menu::setMenuBarColours(common::ColourValue bar, common::ColourValue menus, common::ColourValue highlight)
{
    m_menuBarColours = {bar, menus, highlight};
    const QPalette pal = palette();
    const auto css = [&](common::ColourValue c) { return common::toQColor(c, pal).name(); };
    menuBar()->setStyleSheet(QStringLiteral("QMenuBar { background: %1; } QMenuBar::item:selected { background: %3; }"
                                            "QMenu { background: %2; } QMenu::item:selected { background: %3; }")
                                 .arg(css(bar), css(menus), css(highlight)));
}

} // namespace ui
