#include "program/texts/dateifehler.h"

#include <QDir>

namespace texts {

QString DateiFehlerText(const Texte& texte, const common::FileFailure& fehler)
{
    const auto text = [&](const SprachText& t) { return textInSprache(t, texte.SprachNr); };
    using Kind = common::FileFailure::Kind;
    QString satz;
    switch (fehler.kind) {
    case Kind::None: return {};
    case Kind::NotAFile: satz = text(texte.Text_604); break;
    case Kind::NothingStaged: satz = text(texte.Text_605); break;
    case Kind::CannotRead: satz = text(texte.Text_602); break;
    case Kind::FolderNotCreated: satz = text(texte.Text_603).arg(QDir::toNativeSeparators(fehler.path)); break;
    case Kind::System: break; // the system's reason says it all
    }
    if (fehler.reason.isEmpty())
        return satz;
    return satz.isEmpty() ? fehler.reason : satz + QStringLiteral(": ") + fehler.reason;
}

} // namespace texts
