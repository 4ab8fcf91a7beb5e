#include "program/app/startup_main.h"
#include "program/app/startup_sysdaten.h"
#include "program/texts/settings.h"
#include <QtGlobal>

namespace app {

StartResult Main(AppState& state, platform::SingleInstance& instance, common::MessageBoxes& boxes,
                 const QLocale& userLocale, const std::function<void()>& loadAndShowMainWindow)
{
    common::UserActionScope start(boxes);
    state.System.BildID_Offset = 10;
    switch (instance.tryAcquire()) {
    case platform::SingleInstance::Outcome::Acquired:
        break;
    case platform::SingleInstance::Outcome::AlreadyHeld:
        boxes.show(SchonGestartetMeldung, common::mb::Information);
        return StartResult::AlreadyRunning;
    case platform::SingleInstance::Outcome::Unavailable:
        // A lock that no running copy holds must not keep the user out: start without it.
        qWarning("Kelto-Line: single-instance lock not taken (%s); starting without it",
                 qUtf8Printable(instance.problem()));
        break;
    }
    // A settings file that cannot be written loses the user's settings: say so once, not on every write.
    state.System.IniFehlerText = [texte = &state.Texte](const QString& datei, const common::FileFailure& grund) {
        return texts::IniFehlerMeldung(*texte, datei, grund);
    };
    state.System.IniFehlerMelden = [shown = &boxes](const QString& meldung) {
        shown->show(meldung, common::mb::Exclamation);
    };
    state.System.Init_aktiv = true;
    state.System.Word_aktiv = false;
    Init_SysDaten(state, userLocale);
    if (loadAndShowMainWindow)
        loadAndShowMainWindow();
    state.System.Init_aktiv = false;
    return StartResult::Started;
}

} // namespace app
