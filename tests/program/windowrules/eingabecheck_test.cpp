#include "program/windowrules/eingabecheck.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

EingabeUmrechnung plain(const QLocale& loc)
{
    return {[loc](const QString& t) { return loc.toDouble(t); }, [loc](const QString& t, double) { return loc.toDouble(t); }};
}

EingabeDaten typed(const QString& tu, const QString& ti, const QString& q)
{
    return {{tu, true, 0}, {ti, true, 0}, {q, true, 0}};
}

} // namespace

TEST(EingabeCheck, ValidityAndMessageTable)
{
    const QLocale c(QLocale::C);
    struct Case { QString tu, ti, q; bool ok; bool message; };
    const Case cases[] = {
        {"30", "60", "50", true, false},
        {"30", "30", "50", false, true},   // equal temperatures are invalid
        {"40", "30", "50", false, true},
        {"30", "60", "0", false, false},
        {"30", "60", "-5", false, false},
        {"30", "60", "abc", false, false},
        {"30", "60", "", false, false},
        {"", "60", "50", false, false},
        {"30", "1e400", "50", false, false}, // not finite is not numeric
        {"-10", "60", "50", true, false},
        {"30", "60", "50x", false, false},
    };
    for (const Case& k : cases) {
        const EingabePruefung r = pruefeEingabe(typed(k.tu, k.ti, k.q), c, plain(c));
        EXPECT_EQ(r.Eingabe_OK, k.ok) << k.tu.toStdString() << "/" << k.ti.toStdString() << "/" << k.q.toStdString();
        EXPECT_EQ(r.temperaturMeldung, k.message) << k.tu.toStdString() << "/" << k.ti.toStdString();
    }
}

TEST(EingabeCheck, UsesTheLocaleSeparator)
{
    const QLocale de(QLocale::German, QLocale::Germany);
    EXPECT_TRUE(pruefeEingabe(typed("30", "60", "3,5"), de, plain(de)).Eingabe_OK);
    const QLocale c(QLocale::C);
    EXPECT_FALSE(pruefeEingabe(typed("30", "60", "3,5"), c, plain(c)).Eingabe_OK);
}

TEST(EingabeCheck, UneditedFieldsKeepTheirExactValues)
{
    // 60 l/min of oil shows as "0.87" kg/s; re-reading that text would move the flow.
    const QLocale c(QLocale::C);
    EingabeDaten d{{"30.0", false, 30.0}, {"60.0", false, 60.0}, {"0.87", false, 60.0}};
    int reads = 0;
    EingabeUmrechnung counting{[&](const QString& t) { ++reads; return c.toDouble(t); },
        [&](const QString& t, double tIn) { ++reads; EXPECT_EQ(tIn, 60.0); return c.toDouble(t) * 69.0; }};
    EingabePruefung r = pruefeEingabe(d, c, counting);
    EXPECT_TRUE(r.Eingabe_OK);
    EXPECT_EQ(r.Durchfluss, 60.0);
    EXPECT_EQ(reads, 0);

    d.Durchfluss.bearbeitet = true;
    r = pruefeEingabe(d, c, counting);
    EXPECT_DOUBLE_EQ(r.Durchfluss, 0.87 * 69.0);
    EXPECT_EQ(r.T_in, 60.0);
    EXPECT_EQ(reads, 1);

    // An invalid point keeps every stored value.
    d.T_in.text = "x";
    r = pruefeEingabe(d, c, counting);
    EXPECT_FALSE(r.Eingabe_OK);
    EXPECT_EQ(r.T_in, 60.0);
    EXPECT_EQ(r.Durchfluss, 60.0);
}
