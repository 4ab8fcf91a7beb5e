#include "program/texts/stringtable.h"

#include "common/error.h"
#include "stringtablefixture.h"

#include <gtest/gtest.h>

namespace texts {
namespace {

using testing::StringTableFixture;

TEST(StringTable, IdSelectsLanguageBlockAndTextNumber)
{
    StringTableFixture fixture;
    fixture.write(3, {{263, QStringLiteral("zh263")}});
    fixture.write(4, {{263, QStringLiteral("ru263")}});
    fixture.write(16, {{500, QStringLiteral("sv500")}});
    const StringTable table = fixture.load();

    struct Case { int id; std::optional<QString> expected; };
    const Case cases[] = {
        {263, QStringLiteral("zh263")},
        {1263, QStringLiteral("ru263")},
        {13500, QStringLiteral("sv500")},
        {2263, std::nullopt},   // Polish file absent
        {1500, std::nullopt},   // Russian file lacks 500
        {14263, std::nullopt},  // beyond the last language block
        {-1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(table.entry(c.id), c.expected) << "id " << c.id;
    EXPECT_EQ(table.entry(4, 263), QStringLiteral("ru263"));
    EXPECT_EQ(table.entry(2, 263), std::nullopt) << "French comes from literals, never from the table";
}

TEST(StringTable, KeepsBlanksAndLineBreaksOfEntries)
{
    StringTableFixture fixture;
    fixture.writeRaw(5, R"({"500": "Vantix ", "303": " a\r\nb  "})");
    const StringTable table = fixture.load();
    EXPECT_EQ(table.entry(5, 500), QStringLiteral("Vantix "));
    EXPECT_EQ(table.entry(5, 303), QStringLiteral(" a\r\nb  "));
}

TEST(StringTable, ToleratesMissingBrokenAndStrayContent)
{
    StringTableFixture fixture;
    fixture.writeRaw(3, R"({"100": "ok", "abc": "not a number", "101": 7, "1263": "another block", "-5": "x"})");
    fixture.writeRaw(4, "{ this is not json");
    fixture.writeRaw(5, R"(["an", "array"])");
    const StringTable table = fixture.load();

    EXPECT_EQ(table.fileState(3), StringTable::FileState::Loaded);
    EXPECT_EQ(table.fileState(4), StringTable::FileState::Invalid);
    EXPECT_EQ(table.fileState(5), StringTable::FileState::Invalid);
    EXPECT_EQ(table.fileState(6), StringTable::FileState::Missing);

    EXPECT_EQ(table.textNumbers(3), QList<int>{100});
    EXPECT_EQ(table.entry(101), std::nullopt) << "a non-text value is no entry";
    // A key of 1000 or more in the Chinese file must not stand in for a Russian entry.
    EXPECT_EQ(table.entry(1263), std::nullopt);
    EXPECT_TRUE(table.textNumbers(4).isEmpty());
}

TEST(StringTable, ResStringRaisesForMissingId)
{
    StringTableFixture fixture;
    fixture.write(7, {{201, QStringLiteral("Datos técnicos")}});
    const StringTable table = fixture.load();
    EXPECT_EQ(resString(4201, table), QStringLiteral("Datos técnicos"));
    try {
        resString(4202, table);
        FAIL() << "no error for a missing id";
    } catch (const common::Error& error) {
        EXPECT_EQ(error.number(), ResourceNotFound);
        EXPECT_TRUE(error.description().contains(QStringLiteral("4202")));
    }
}

} // namespace
} // namespace texts
