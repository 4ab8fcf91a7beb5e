#include "program/texts/startup_main.h"
#include "program/texts/startup_sysdaten.h"

namespace texts {

StartResult Main(AppState& state, platform::SingleInstance& instance, common::MessageBoxes& boxes,
                 const QLocale& userLocale, const std::function<void()>& loadAndShowMainWindow)
{
    common::UserActionScope start(boxes);
    state.System.BildID_Offset = 10;
    if (!instance.tryAcquire()) {
        boxes.show(SchonGestartetMeldung, common::mb::Information);
        return StartResult::AlreadyRunning;
    }
    state.System.Init_aktiv = true;
    state.System.Word_aktiv = false;
    Init_SysDaten(state, userLocale);
    if (loadAndShowMainWindow)
        loadAndShowMainWindow();
    state.System.Init_aktiv = false;
    return StartResult::Started;
}

} // namespace texts
