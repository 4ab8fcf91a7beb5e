#include "program/ui/qt_uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>

namespace ui {

QString qtKatalogSprache(int SprachNr)
{
    // In the order of the program's language numbers; English needs no catalogue.
    static const std::array<const char*, 17> namen = {"de", "", "fr", "zh_CN", "ru", "pl", "fi", "es", "it", "pt_PT",
        "cs", "tr", "ko", "nl", "bg", "ja", "sv"};
    if (SprachNr < 0 || SprachNr >= static_cast<int>(namen.size()))
        return {};
    return QString::fromLatin1(namen[static_cast<std::size_t>(SprachNr)]);
}

QtUebersetzung::QtUebersetzung() = default;

QtUebersetzung::~QtUebersetzung() = default; // the translator removes itself from the application

bool QtUebersetzung::setzen(int SprachNr)
{
    m_translator.reset();
    const QString sprache = qtKatalogSprache(SprachNr);
    if (sprache.isEmpty() || QCoreApplication::instance() == nullptr)
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qt_") + sprache, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    return true;
}

} // namespace ui
