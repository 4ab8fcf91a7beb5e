#include "program/texts/startup_word.h"
#include "common/error.h"
#include <exception>

namespace texts {
namespace {

// The major number of a version text "major.minor"; error 13 when there is no "." or no number before it.
int majorVersionOf(const QString& version)
{
    const qsizetype point = version.indexOf(QLatin1Char('.'));
    bool ok = false;
    const int major = point < 0 ? 0 : version.left(point).trimmed().toInt(&ok);
    if (!ok)
        common::raise(common::errc::TypeMismatch, QStringLiteral("Word_Version_pruefen"));
    return major;
}

} // namespace

std::unique_ptr<wp::Application> createWordApplication()
{
    return std::make_unique<wp::Application>();
}

void Word_Version_pruefen(common::MessageBoxes& boxes, const Texte& texte, const WordApplicationFactory& create)
{
    std::unique_ptr<wp::Application> word;
    try {
        word = create();
        if (!word)
            common::raise(common::errc::ObjectDefined, QStringLiteral("Word_Version_pruefen"),
                          QStringLiteral("No word-processor application"));
        const QString version = word->Version();
        if (majorVersionOf(version) < 9)
            boxes.show(QStringLiteral("Word-Version ") + version + textInSprache(texte.Text_113, texte.SprachNr), common::mb::Critical);
        word->Documents().Add();
        word->Quit(false);
    } catch (const std::exception&) {
        boxes.show(textInSprache(texte.Text_112, texte.SprachNr), common::mb::Critical);
    }
    // The application object is released here, quit or not.
}

} // namespace texts
