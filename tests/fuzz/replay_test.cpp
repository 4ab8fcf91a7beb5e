// Every input that ever made a fuzz target fail is kept in fuzz/regressions/<target>/ and runs
// here through the same entry function; so does every starting input the program's writers make.
#include "fuzz/entries/fuzzentries.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cctype>
#include <gtest/gtest.h>

namespace {

struct KeptInput {
    std::string target;
    QString path;
};

std::vector<KeptInput> keptInputs()
{
    std::vector<KeptInput> kept;
    const QDir root(QStringLiteral(KELTO_FUZZ_REGRESSIONS));
    for (const QString& target : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QDirIterator files(root.filePath(target), QDir::Files);
        while (files.hasNext())
            kept.push_back({target.toStdString(), files.next()});
    }
    return kept;
}

// The promise the input broke, or empty.
std::string findingOf(const fuzzing::Target& target, const QByteArray& input)
{
    try {
        target.run(reinterpret_cast<const std::uint8_t*>(input.constData()), static_cast<std::size_t>(input.size()));
    } catch (const fuzzing::Finding& f) {
        return f.what();
    }
    return {};
}

class FuzzRegression : public ::testing::TestWithParam<KeptInput> {};

TEST_P(FuzzRegression, RunsWithoutFinding)
{
    const KeptInput& kept = GetParam();
    const fuzzing::Target* target = fuzzing::findTarget(kept.target);
    ASSERT_NE(target, nullptr) << "no fuzz target named " << kept.target;
    QFile file(kept.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << kept.path.toStdString();
    EXPECT_EQ(findingOf(*target, file.readAll()), "") << kept.path.toStdString();
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FuzzRegression);
INSTANTIATE_TEST_SUITE_P(Kept, FuzzRegression, ::testing::ValuesIn(keptInputs()),
    [](const ::testing::TestParamInfo<KeptInput>& info) {
        std::string name = info.param.target + "_" + QFileInfo(info.param.path).fileName().toStdString();
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

class FuzzSeeds : public ::testing::TestWithParam<fuzzing::Target> {};

// The writers' own output keeps every promise the target checks (read back unchanged, and so on).
TEST_P(FuzzSeeds, WritersOutputKeepsThePromises)
{
    const fuzzing::Target& target = GetParam();
    const std::vector<QByteArray> seeds = target.seeds();
    ASSERT_FALSE(seeds.empty());
    for (const QByteArray& seed : seeds)
        EXPECT_EQ(findingOf(target, seed), "") << target.name << " seed of " << seed.size() << " bytes";
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzSeeds, ::testing::ValuesIn(fuzzing::targets().begin(), fuzzing::targets().end()),
    [](const ::testing::TestParamInfo<fuzzing::Target>& info) { return std::string(info.param.name); });

} // namespace
