#include "program/app/startup_main.h"
#include "program/app/startup_sysdaten.h"
#include "program/texts/settings.h"
#include "program/texts/textcatalogue.h"
#include <QDir>
#include <QtGlobal>

namespace app {

QString OhneSperreMeldung(const platform::SingleInstance& instance, qint16 SprachNr)
{
    // The main window fills the program's texts later; this one message takes them on its own.
    texts::Texte t;
    texts::Init_MeldungsTexte(t);
    const auto text = [&](const texts::SprachText& s) { return texts::textInSprache(s, SprachNr); };
    using Problem = platform::SingleInstance::Problem;
    QString grund;
    switch (instance.problem()) {
    case Problem::None: break;
    case Problem::NotAFile: grund = text(t.Text_604); break;
    case Problem::NotALockFile: grund = text(t.Text_618); break;
    case Problem::OtherHost: grund = text(t.Text_619).arg(instance.problemDetail()); break;
    case Problem::DeadOwnerLockKept: grund = text(t.Text_620).arg(instance.problemDetail()); break;
    case Problem::NoPermission: grund = text(t.Text_621); break;
    case Problem::CannotCreate: grund = text(t.Text_622); break;
    }
    return text(t.Text_617).arg(QDir::toNativeSeparators(instance.lockPath()), grund);
}

StartResult Main(AppState& state, platform::SingleInstance& instance, common::MessageBoxes& boxes,
                 const QLocale& userLocale, const std::function<void()>& loadAndShowMainWindow)
{
    common::UserActionScope start(boxes);
    bool ohneSperre = false;
    state.System.BildID_Offset = 10;
    switch (instance.tryAcquire()) {
    case platform::SingleInstance::Outcome::Acquired:
        break;
    case platform::SingleInstance::Outcome::AlreadyHeld:
        boxes.show(SchonGestartetMeldung, common::mb::Information);
        return StartResult::AlreadyRunning;
    case platform::SingleInstance::Outcome::Unavailable:
        // A lock that no running copy holds must not keep the user out: start without it, and
        // say so once the settings have told the user's language.
        ohneSperre = true;
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
    if (ohneSperre)
        qWarning("%s", qUtf8Printable(OhneSperreMeldung(instance, state.Texte.SprachNr)));
    if (loadAndShowMainWindow)
        loadAndShowMainWindow();
    state.System.Init_aktiv = false;
    return StartResult::Started;
}

} // namespace app
