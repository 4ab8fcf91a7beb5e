#include "fuzz/entries/fuzzentries.h"
#include <QApplication>
#include <QLocale>
#include <array>
#include <cstdlib>

namespace fuzzing {

void require(bool ok, const char* promise)
{
    if (!ok)
        throw Finding(promise);
}

std::span<const Target> targets()
{
    static const std::array<Target, 6> all{{
        {"projectfile", projectFile, projectFileSeeds},
        {"numbers", numbers, numbersSeeds},
        {"chartproperties", chartProperties, chartPropertiesSeeds},
        {"chartinvoke", chartInvoke, chartInvokeSeeds},
        {"templatepackage", templatePackage, templatePackageSeeds},
        {"settingsfile", settingsFile, settingsFileSeeds},
    }};
    return all;
}

const Target* findTarget(std::string_view name)
{
    for (const Target& t : targets())
        if (name == t.name)
            return &t;
    return nullptr;
}

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    static int argc = 1;
    static char name[] = "kelto-fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

} // namespace fuzzing
