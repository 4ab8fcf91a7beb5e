// The windows the main window opens by command: the report run, the options window, the about
// box and the two heat-load dialogs.
#include "program/ui/kelto_vx_menu.h"

#include "common/messages.h"
#include "platform/apppaths.h"
#include "program/report/writer/reportwriter.h"
#include "program/ui/bericht_fenster.h"
#include "program/ui/info_hilfsfenster.h"
#include "program/ui/programmzustand.h"

#include <QtGlobal>

namespace ui {

namespace {
const QString reportCommand = QStringLiteral("Word_Dokument_erstellen ");
}

bool Kelto_VX_Menu::runCommand(const QString& command)
{
    if (command.startsWith(reportCommand)) {
        bool ok = false;
        const int flag = command.mid(reportCommand.size()).toInt(&ok);
        if (!ok)
            return false;
        Word_Dokument_erstellen(flag);
        return true;
    }
    return hilfsfenster().zeigen(command);
}

void Kelto_VX_Menu::Word_Dokument_erstellen(int printFlag)
{
    common::UserActionScope scope(m_boxes);
    // Numbers in the document as in the window's fields.
    report::ReportContext ctx{app::reportDaten(m_zustand.Start), berichtFenster(), m_boxes, platform::AppPaths::forRunningProgram(),
        m_zustand.locale};
    ctx.defaultDataFolder = m_services.dataFolderDefault();
    m_services.berichtKontext(ctx);
    report::Word_Dokument_erstellen(ctx, printFlag);
}

BerichtFenster& Kelto_VX_Menu::berichtFenster()
{
    if (!m_berichtFenster)
        m_berichtFenster = std::make_shared<BerichtFenster>(*this, m_zustand);
    return *m_berichtFenster;
}

Hilfsfenster& Kelto_VX_Menu::hilfsfenster()
{
    if (!m_hilfsfenster)
        m_hilfsfenster = std::make_shared<Hilfsfenster>(*this, m_zustand, m_boxes);
    return *m_hilfsfenster;
}

void Kelto_VX_Menu::KLeistung_uebernehmen()
{
    Hilfsfenster::KLeistungUebernehmen(*this, m_zustand);
}

} // namespace ui
