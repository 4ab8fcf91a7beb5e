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
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include <algorithm>

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

// A menu-bar title with a picture shows the picture and its caption side by side; the styles
// would draw the picture alone in place of the caption.
class MenuBarStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
        const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type != CT_MenuBarItem || item == nullptr || item->icon.isNull())
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        const QSize text = item->fontMetrics.size(Qt::TextShowMnemonic | Qt::TextSingleLine, item->text);
        const int icon = iconExtent(widget);
        const QSize both(icon + Abstand + text.width(), std::max(icon, text.height()));
        return QProxyStyle::sizeFromContents(type, option, both, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuBarItem || item == nullptr || item->icon.isNull()) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        // The style paints the item's background and highlight; picture and caption go on top.
        QStyleOptionMenuItem leer(*item);
        leer.icon = QIcon();
        leer.text.clear();
        QProxyStyle::drawControl(element, &leer, painter, widget);
        const int icon = iconExtent(widget);
        const QSize text = item->fontMetrics.size(Qt::TextShowMnemonic | Qt::TextSingleLine, item->text);
        const int breite = icon + Abstand + text.width();
        const QRect r = item->rect;
        const int x = r.left() + (r.width() - breite) / 2;
        const bool enabled = (item->state & State_Enabled) != 0;
        const QPixmap pix = item->icon.pixmap(QSize(icon, icon), painter->device()->devicePixelRatio(),
            enabled ? QIcon::Normal : QIcon::Disabled);
        painter->drawPixmap(QRect(x, r.top() + (r.height() - icon) / 2, icon, icon), pix);
        const bool gedrueckt = (item->state & State_Selected) && (item->state & State_Sunken);
        int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine | Qt::TextDontClip;
        if (!styleHint(SH_UnderlineShortcut, item, widget))
            flags |= Qt::TextHideMnemonic;
        drawItemText(painter, QRect(x + icon + Abstand, r.top(), text.width(), r.height()), flags, item->palette,
            enabled, item->text, gedrueckt ? QPalette::HighlightedText : QPalette::ButtonText);
    }

private:
    static constexpr int Abstand = 4;
    int iconExtent(const QWidget* widget) const { return pixelMetric(PM_SmallIconSize, nullptr, widget); }
};

} // namespace

void Kelto_VX_Menu::buildMenuItems(const QString& topKey)
{
    const auto& baum = menuBaum();
    QMenuBar* bar = menuBar();
    if (dynamic_cast<MenuBarStyle*>(bar->style()) == nullptr) {
        auto* style = new MenuBarStyle;
        style->setParent(bar);
        bar->setStyle(style);
    }
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
            // Two separators in a row stay two lines.
            menu->setSeparatorsCollapsible(false);
            m_menus.insert(e.key, menu);
            action = parentMenu ? parentMenu->addMenu(menu) : bar->addMenu(menu);
        } else {
            action = parentMenu->addAction(e.caption);
        }
        action->setObjectName(e.key);
        action->setData(e.key);
        action->setCheckable(e.checkable);
        action->setEnabled(e.enabled);
        // Menu-bar titles show their picture beside the caption (MenuBarStyle), items as usual.
        if (!e.image.isEmpty())
            action->setIcon(QIcon(QStringLiteral(":/menu/%1.svg").arg(e.image)));
        if (!e.shortcut.isEmpty())
            action->setShortcut(QKeySequence(e.shortcut));
        if (!e.hintText.isEmpty() || !e.hintTitle.isEmpty())
            setMenuHint(action, e.hintTitle, e.hintText);
        m_menuItems.insert(e.key, action);
        if (!e.isMenu) {
            const QString key = e.key;
            connect(action, &QAction::triggered, this, [this, key] { MenuBar1_ItemClick(key); });
        }
    }
}

void setMenuHint(QAction* item, const QString& titel, const QString& text)
{
    // The status bar shows the hint text; the tooltip shows the title above it.
    item->setProperty(HintStil, 1);
    item->setProperty(HintTitel, titel);
    item->setProperty(HintText, text);
    item->setStatusTip(text);
    item->setToolTip(titel.isEmpty() ? text.toHtmlEscaped()
                                     : QStringLiteral("<b>%1</b><br>%2").arg(titel.toHtmlEscaped(), text.toHtmlEscaped()));
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
    // The bar takes its colours through its palette, so its own style draws the titles (a style
    // sheet would bypass it); the menus take theirs from a style sheet.
    QPalette barPal = menuBar()->palette();
    barPal.setColor(QPalette::Window, common::toQColor(bar, pal));
    barPal.setColor(QPalette::Button, common::toQColor(bar, pal));
    barPal.setColor(QPalette::Highlight, common::toQColor(highlight, pal));
    menuBar()->setPalette(barPal);
    menuBar()->setAutoFillBackground(true);
    const auto css = [&](common::ColourValue c) { return common::toQColor(c, pal).name(); };
    const QString sheet = QStringLiteral("QMenu { background: %1; } QMenu::item:selected { background: %2; }")
                              .arg(css(menus), css(highlight));
    for (QMenu* menu : std::as_const(m_menus))
        menu->setStyleSheet(sheet);
}

} // namespace ui
