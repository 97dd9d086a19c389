// The soundness properties of the solver, on random lines and pictures.
//
// For a longer soak, VELIN_SOUNDNESS_SCALE multiplies the number of boards
// and VELIN_SOUNDNESS_SEED moves every seed, e.g.
//   VELIN_SOUNDNESS_SCALE=50 VELIN_SOUNDNESS_SEED=1000 solver_core_tests --gtest_filter='*Soundness*'
#include "support/SoundnessHarness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace velin::testing {
namespace {

int Scaled(int boards)
{
    const char* scale = std::getenv("VELIN_SOUNDNESS_SCALE");
    const int factor = scale ? std::atoi(scale) : 1;
    return boards * (factor > 0 ? factor : 1);
}

uint32_t Seed(uint32_t seed)
{
    const char* base = std::getenv("VELIN_SOUNDNESS_SEED");
    return seed + (base ? static_cast<uint32_t>(std::strtoul(base, nullptr, 10)) : 0u);
}

std::string Join(const std::vector<std::string>& texts)
{
    std::string all;
    for (const std::string& text : texts)
        all += text + "\n";
    return all;
}

TEST(LineSoundness, EveryRuleTogetherDecidesOnlyForcedCells)
{
    for (uint32_t seed : {1u, 2u, 3u}) {
        SoundnessOptions options;
        options.seed = Seed(seed);
        options.boards = Scaled(300);
        const SoundnessReport report = CheckLineSoundness(options);
        EXPECT_TRUE(report.violations.empty()) << Join(report.violations);
        EXPECT_GT(report.marks, 0);
    }
}

TEST(LineSoundness, EveryGeneralRuleDecidesCellsOnRandomLines)
{
    // The random lines must give every general rule something to do, or
    // the soundness tests would prove nothing about it.
    SoundnessOptions options;
    options.seed = Seed(31);
    options.boards = Scaled(300);
    options.families = LineSolver::FamilyBit(RuleFamily::General);
    const SoundnessReport report = CheckLineSoundness(options);
    for (const char* rule : {"SweepEnds", "SolveSingleClue", "SettleEndClues", "MatchStretches", "SettleEdgeCell",
                             "FinishLine", "ScanSegments"})
        EXPECT_GT(report.marksByRule.count(rule) ? report.marksByRule.at(rule) : 0, 0) << rule;
}

TEST(LineSoundness, ShortLinesDecideOnlyForcedCells)
{
    SoundnessOptions options;
    options.seed = Seed(11);
    options.boards = Scaled(1500);
    options.minLength = 1;
    options.maxLength = 9;
    options.maxRows = 9;
    const SoundnessReport report = CheckLineSoundness(options);
    EXPECT_TRUE(report.violations.empty()) << Join(report.violations);
}

TEST(LineSoundness, UndecidedLinesDecideOnlyForcedCells)
{
    SoundnessOptions options;
    options.seed = Seed(21);
    options.boards = Scaled(300);
    options.maxDecidedShare = 0.0;
    options.cycles = 4;
    const SoundnessReport report = CheckLineSoundness(options);
    EXPECT_TRUE(report.violations.empty()) << Join(report.violations);
}

// One family at a time beside the general rules, so that a fault is pinned
// on its family: --gtest_filter='*Family*scan6*'.
class FamilySoundness : public ::testing::TestWithParam<RuleFamily> {};

TEST_P(FamilySoundness, DecidesOnlyForcedCells)
{
    SoundnessOptions options;
    options.seed = Seed(100 + static_cast<uint32_t>(GetParam()));
    options.boards = Scaled(150);
    options.families = LineSolver::FamilyBit(RuleFamily::General) | LineSolver::FamilyBit(GetParam());
    const SoundnessReport report = CheckLineSoundness(options);
    EXPECT_TRUE(report.violations.empty()) << Join(report.violations);
}

std::vector<RuleFamily> PatternFamilies()
{
    std::vector<RuleFamily> families;
    for (int f = static_cast<int>(RuleFamily::General); f < static_cast<int>(RuleFamily::Count); ++f)
        families.push_back(static_cast<RuleFamily>(f));
    return families;
}

INSTANTIATE_TEST_SUITE_P(Each, FamilySoundness, ::testing::ValuesIn(PatternFamilies()),
                         [](const ::testing::TestParamInfo<RuleFamily>& info) {
                             return std::string(LineSolver::FamilyName(info.param));
                         });

TEST(PictureSoundness, SolvingRandomPicturesNeverContradictsThem)
{
    PictureOptions options;
    options.seed = Seed(7);
    options.pictures = Scaled(150);
    const PictureReport report = CheckPictureSolving(options);
    EXPECT_TRUE(report.violations.empty()) << Join(report.violations);
    EXPECT_GT(report.solved, 0);
}

} // namespace
} // namespace velin::testing
