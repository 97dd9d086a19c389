// Scans 1 to 9 of the end pattern rules: each scan family on shapes it must
// recognise, forward and mirrored; the lines on which a rule as first written
// decided a cell that is not forced (each kept as a case); and the soundness
// property over many random lines dense in the shapes these scans look for.
#include "support/CompleteLineSolver.h"
#include "support/SolverTestSupport.h"

#include "app/Shared.h"
#include "solver/HeadlessHost.h"
#include "solver/LineSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace velin::testing {
namespace {

uint64_t Only(RuleFamily family)
{
    return LineSolver::FamilyBit(RuleFamily::General) | LineSolver::FamilyBit(family);
}

uint64_t ScansOneToNine()
{
    uint64_t mask = LineSolver::FamilyBit(RuleFamily::General);
    for (int f = static_cast<int>(RuleFamily::Scan1); f <= static_cast<int>(RuleFamily::Scan9); ++f)
        mask |= LineSolver::FamilyBit(static_cast<RuleFamily>(f));
    return mask;
}

[[maybe_unused]] std::string Reversed(std::string text)
{
    std::reverse(text.begin(), text.end());
    return text;
}

[[maybe_unused]] std::vector<int> Reversed(std::vector<int> values)
{
    std::reverse(values.begin(), values.end());
    return values;
}

// ---- Checking every mark against the complete line solver ------------------

std::vector<int> LineCells(const LineSolver& solver)
{
    std::vector<int> cells;
    for (int p = 1; p <= solver.LineLength(); ++p)
        cells.push_back(solver.Cell(p));
    return cells;
}

std::vector<int> LineCluesOf(const LineSolver& solver)
{
    std::vector<int> clues;
    for (int k = 1; k <= solver.ClueCount(); ++k)
        clues.push_back(solver.Clue(k));
    return clues;
}

// Holds each mark of a line against the cells forced when the line started,
// and keeps the first mark per line that is not forced.
class ForcedMarks : public MarkObserver {
public:
    void Arm(const LineSolver& solver)
    {
        start_ = LineCells(solver);
        clues_ = LineCluesOf(solver);
        verdict_ = SolveLineCompletely(start_, clues_);
        failedThisLine_ = false;
    }

    void BeforeMark(const LineSolver& solver, int position, int16_t code) override
    {
        ++marks;
        if (!verdict_.consistent || failedThisLine_ || verdict_.forced[position - 1] == code)
            return;
        failedThisLine_ = true;
        std::ostringstream text;
        text << solver.RuleName() << " made " << position << (code == kFilled ? " filled" : " blank") << "; clues "
             << ClueText(clues_) << ", line " << LineText(start_) << ", before the mark " << LineText(LineCells(solver))
             << ", forced " << LineText(verdict_.forced) << ", pass " << (solver.Step > 0 ? "forward" : "backward");
        violations.push_back(text.str());
    }

    int marks = 0;
    std::vector<std::string> violations;

private:
    std::vector<int> start_;
    std::vector<int> clues_;
    LineVerdict verdict_;
    bool failedThisLine_ = false;
};

// Random lines rich in what scans 1 to 9 look for: few distinct run lengths
// (so equal clues, ones and a unique largest clue are common), short gaps,
// and a random share of the cells decided, sometimes only filled ones.
std::vector<int> RandomSolutionLine(std::mt19937& random, int length)
{
    std::uniform_int_distribution<int> maxRunPick(1, 8);
    const int maxRun = maxRunPick(random);
    const int kinds = std::uniform_int_distribution<int>(1, 3)(random);
    std::vector<int> lengths;
    for (int i = 0; i < kinds; ++i)
        lengths.push_back(std::uniform_int_distribution<int>(1, maxRun)(random));
    const int maxGap = std::uniform_int_distribution<int>(1, 4)(random);
    std::vector<int> line(length, kBlank);
    int p = std::uniform_int_distribution<int>(0, 3)(random);
    while (p < length) {
        const int run = lengths[std::uniform_int_distribution<int>(0, kinds - 1)(random)];
        for (int i = 0; i < run && p < length; ++i, ++p)
            line[p] = kFilled;
        p += std::uniform_int_distribution<int>(1, maxGap)(random);
    }
    return line;
}

struct PropertyReport {
    int lines = 0;
    int marks = 0;
    std::vector<std::string> violations;
};

// Boards of 60 independent rows; only the rows pass runs, twice, so that the
// positions the scans remember carry over from line to line and pass to pass
// as they do in the game.
PropertyReport CheckScansOnRandomLines(uint64_t families, uint32_t seed, int boards)
{
    PropertyReport report;
    std::mt19937 random(seed);
    for (int board = 0; board < boards && report.violations.size() < 5; ++board) {
        const int length = std::uniform_int_distribution<int>(4, board % 4 == 0 ? 60 : 30)(random);
        auto model = std::make_unique<BoardModel>();
        for (int row = 1; row <= kMaxLine; ++row) {
            const std::vector<int> solution = RandomSolutionLine(random, length);
            PutClues(model->RowRuns, row, RunsOf(solution));
            const double share = std::uniform_real_distribution<double>(0.0, 0.8)(random);
            const bool filledOnly = std::bernoulli_distribution(0.3)(random);
            std::bernoulli_distribution decide(share);
            for (int p = 1; p <= length; ++p)
                if (decide(random) && (!filledOnly || solution[p - 1] == kFilled))
                    model->Board[row][p] = static_cast<int16_t>(solution[p - 1]);
        }
        HeadlessHost host;
        LineSolver solver(*model, kMaxLine, length, host);
        ForcedMarks observer;
        solver.SetObserver(&observer);
        solver.SetEnabledFamilies(families);
        for (int cycle = 0; cycle < 2; ++cycle) {
            solver.BeginPass(LineSolver::kRowsPass);
            for (int row = 1; row <= kMaxLine; ++row) {
                if (solver.LineMarkedComplete(row))
                    continue;
                solver.BeginLine(row);
                observer.Arm(solver);
                solver.RunLineRules(row);
                solver.FinishLine();
                ++report.lines;
            }
        }
        report.marks += observer.marks;
        for (const std::string& violation : observer.violations)
            report.violations.push_back("seed " + std::to_string(seed) + " board " + std::to_string(board) + ": " +
                                        violation);
    }
    return report;
}

// For a long search away from the everyday run: VELIN_DEEP_SOUNDNESS=n
// multiplies the number of random boards, VELIN_SOUNDNESS_SEED=s moves the
// seeds.
int Boards(int everyday)
{
    const char* deep = std::getenv("VELIN_DEEP_SOUNDNESS");
    const int factor = deep ? std::max(1, std::atoi(deep)) : 1;
    return everyday * factor;
}

uint32_t Seed(uint32_t everyday)
{
    const char* offset = std::getenv("VELIN_SOUNDNESS_SEED");
    return everyday + (offset ? static_cast<uint32_t>(std::atoi(offset)) : 0u);
}

std::string Join(const std::vector<std::string>& texts)
{
    std::string all;
    for (const std::string& text : texts)
        all += text + "\n";
    return all;
}

struct FamilyCase {
    const char* name;
    uint64_t families;
};

class ScanSoundness : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(ScanSoundness, DecidesOnlyForcedCellsOnDenseRandomLines)
{
    const FamilyCase& param = GetParam();
    const PropertyReport report =
        CheckScansOnRandomLines(param.families, Seed(7000 + param.families % 9973), Boards(60));
    EXPECT_TRUE(report.violations.empty()) << Join(report.violations);
    EXPECT_GT(report.lines, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Families, ScanSoundness,
    ::testing::Values(FamilyCase{"scan1", Only(RuleFamily::Scan1)}, FamilyCase{"scan2", Only(RuleFamily::Scan2)},
                      FamilyCase{"scan3", Only(RuleFamily::Scan3)}, FamilyCase{"scan4", Only(RuleFamily::Scan4)},
                      FamilyCase{"scan5", Only(RuleFamily::Scan5)}, FamilyCase{"scan6", Only(RuleFamily::Scan6)},
                      FamilyCase{"scan7", Only(RuleFamily::Scan7)}, FamilyCase{"scan8", Only(RuleFamily::Scan8)},
                      FamilyCase{"scan9", Only(RuleFamily::Scan9)}, FamilyCase{"scans1to9", ScansOneToNine()}),
    [](const ::testing::TestParamInfo<FamilyCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace velin::testing
