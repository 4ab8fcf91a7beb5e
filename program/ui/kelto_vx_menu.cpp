#include "program/ui/kelto_vx_menu.h"
#include "program/texts/startup_forms.h"
#include "program/texts/startup_word.h"
#include "program/texts/textcatalogue.h"
#include <QCloseEvent>

namespace ui {

Kelto_VX_Menu::Kelto_VX_Menu(texts::AppState& state, common::MessageBoxes& boxes, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_boxes(boxes)
{
    setObjectName(QStringLiteral("Kelto_VX_Menu"));
    Form_Load();
}

void Kelto_VX_Menu::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void Kelto_VX_Menu::Form_Load()
{
    common::UserActionScope load(m_boxes);
    texts::Init_MeldungsTexte(m_state.Texte);
    texts::Init_SysTexte(m_state.Texte);
    resize(900, 640);
    texts::Setze_FormCaption(this, m_state.Texte, m_state.System);
    texts::Word_Version_pruefen(m_boxes, m_state.Texte);
}

void Kelto_VX_Menu::closeEvent(QCloseEvent* event)
{
    texts::Alle_Forms_entladen(m_state.Forms);
    QMainWindow::closeEvent(event);
}

} // namespace ui
