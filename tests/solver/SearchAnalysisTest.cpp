// The uniqueness analysis of the tools: the bit-mask line logic against
// every placement of a clue, the verdicts against a count of every picture
// of small boards, and the pictures it prints against the clues.
#include "QtPrinters.h"
#include "solver/search/Analysis.h"
#include "solver/search/Difficulty.h"
#include "solver/search/LineBits.h"

#include <QSet>
#include <gtest/gtest.h>
#include <random>

namespace {

using namespace velin::search;

std::vector<int> RunsOf(uint64_t cells, int length)
{
    std::vector<int> runs;
    int run = 0;
    for (int i = 0; i <= length; ++i) {
        if (i < length && (cells >> i & 1)) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

LineClue ClueOf(const std::vector<int>& runs)
{
    LineClue clue;
    for (int n : runs)
        clue.length[clue.count++] = static_cast<uint8_t>(n);
    return clue;
}

// Every cell that all fillings of the line agreeing with the decided cells
// give the same value, by trying all 2^length fillings.
bool BruteForceLine(const std::vector<int>& runs, int length, uint64_t& filled, uint64_t& blank)
{
    uint64_t canFill = 0;
    uint64_t canBlank = 0;
    bool any = false;
    const uint64_t all = LineMask(length);
    for (uint64_t cells = 0; cells <= all; ++cells) {
        if ((cells & blank) || (filled & ~cells) || RunsOf(cells, length) != runs)
            continue;
        any = true;
        canFill |= cells;
        canBlank |= all & ~cells;
    }
    if (!any)
        return false;
    filled |= all & ~canBlank;
    blank |= all & ~canFill;
    return true;
}

TEST(LineBits, AgreesWithEveryPlacementOnRandomLines)
{
    std::mt19937 random(14);
    for (int trial = 0; trial < 4000; ++trial) {
        const int length = 1 + static_cast<int>(random() % 12);
        // The clue of a random picture, or of a random other line (often
        // impossible with the decided cells), and random decided cells.
        const uint64_t picture = random() & LineMask(length);
        const std::vector<int> runs = RunsOf(trial % 3 ? picture : random() & LineMask(length), length);
        const uint64_t decided = random() & random() & LineMask(length);
        uint64_t filled = picture & decided;
        uint64_t blank = ~picture & decided;
        uint64_t expectedFilled = filled;
        uint64_t expectedBlank = blank;
        const bool possible = BruteForceLine(runs, length, expectedFilled, expectedBlank);
        ASSERT_EQ(SolveLineBits(ClueOf(runs), length, filled, blank), possible) << "trial " << trial;
        if (possible) {
            ASSERT_EQ(filled, expectedFilled) << "trial " << trial;
            ASSERT_EQ(blank, expectedBlank) << "trial " << trial;
        }
    }
}

TEST(LineBits, SixtyCellLines)
{
    // The widest line: one run filling it, and runs of one with one gap each.
    uint64_t filled = 0;
    uint64_t blank = 0;
    LineClue whole = ClueOf({60});
    ASSERT_TRUE(SolveLineBits(whole, 60, filled, blank));
    EXPECT_EQ(filled, LineMask(60));
    std::vector<int> ones(30, 1);
    filled = 0;
    blank = 0;
    ASSERT_TRUE(SolveLineBits(ClueOf(ones), 59, filled, blank));
    EXPECT_EQ(filled, 0x5555555555555555ULL & LineMask(59));
    EXPECT_FALSE(SolveLineBits(ClueOf(ones), 58, filled = 0, blank = 0));
}

PuzzleClues CluesOfPicture(const std::vector<uint64_t>& rows, int columns)
{
    PuzzleClues puzzle;
    puzzle.rows = static_cast<int>(rows.size());
    puzzle.columns = columns;
    for (uint64_t row : rows)
        puzzle.rowClues.push_back(RunsOf(row, columns));
    for (int c = 0; c < columns; ++c) {
        uint64_t column = 0;
        for (int r = 0; r < puzzle.rows; ++r)
            column |= (rows[r] >> c & 1) << r;
        puzzle.columnClues.push_back(RunsOf(column, puzzle.rows));
    }
    return puzzle;
}

// The number of pictures that fit, counted by trying every filling of the
// rows that agrees with the row clues, up to 2.
int CountPictures(const PuzzleClues& puzzle)
{
    std::vector<std::vector<uint64_t>> choices(puzzle.rows);
    for (int r = 0; r < puzzle.rows; ++r)
        for (uint64_t cells = 0; cells <= LineMask(puzzle.columns); ++cells)
            if (RunsOf(cells, puzzle.columns) == puzzle.rowClues[r])
                choices[r].push_back(cells);
    int found = 0;
    std::vector<uint64_t> rows(puzzle.rows);
    const auto walk = [&](auto&& self, int r) -> void {
        if (found >= 2)
            return;
        if (r == puzzle.rows) {
            found += CluesOfPicture(rows, puzzle.columns).columnClues == puzzle.columnClues;
            return;
        }
        for (uint64_t cells : choices[r]) {
            rows[r] = cells;
            self(self, r + 1);
        }
    };
    walk(walk, 0);
    return found;
}

TEST(Analysis, VerdictsAgreeWithCountingEveryPicture)
{
    // Random small boards, from pictures (one or several fit) and from
    // clues of two different pictures (often none fits), under every
    // branching choice: the verdict must be the count, every picture must
    // keep every clue, and two pictures must differ.
    std::mt19937 random(2026);
    const Branching choices[] = {Branching::MostDecidedLearnt, Branching::MostDecided, Branching::Balanced,
                                 Branching::FirstCell};
    int seen[3] = {};
    for (int trial = 0; trial < 300; ++trial) {
        const int rows = 3 + static_cast<int>(random() % 3);
        const int columns = 3 + static_cast<int>(random() % 3);
        std::vector<uint64_t> picture(rows);
        for (uint64_t& row : picture)
            row = random() & LineMask(columns);
        PuzzleClues puzzle = CluesOfPicture(picture, columns);
        if (trial % 4 == 0) {
            for (uint64_t& row : picture)
                row = random() & LineMask(columns);
            puzzle.columnClues = CluesOfPicture(picture, columns).columnClues;
        }
        const int count = CountPictures(puzzle);
        ++seen[count];
        AnalysisOptions options;
        // Shifted every four trials, so that each choice meets both kinds of clue.
        options.branching = choices[(trial + trial / 4) % 4];
        options.probing = trial % 5 != 0;
        options.interleave = trial % 7 == 0;
        const Analysis analysis = Analyse(puzzle, options);
        const Verdict expected = count == 0 ? Verdict::None : count == 1 ? Verdict::Unique : Verdict::Multiple;
        ASSERT_EQ(analysis.verdict, expected) << "trial " << trial;
        ASSERT_EQ(static_cast<int>(analysis.solutions.size()), count) << "trial " << trial;
        for (const QStringList& solution : analysis.solutions)
            EXPECT_TRUE(SatisfiesClues(puzzle, solution)) << "trial " << trial;
        if (count == 2) {
            EXPECT_NE(analysis.solutions[0], analysis.solutions[1]);
        }
    }
    // The table covered all three verdicts.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
}

PuzzleClues Clues(int rows, int columns, std::vector<std::vector<int>> rowClues,
                  std::vector<std::vector<int>> columnClues)
{
    return {rows, columns, std::move(rowClues), std::move(columnClues)};
}

TEST(Analysis, HandMadePuzzles)
{
    // Two diagonals fit 1, 1 | 1, 1.
    Analysis two = Analyse(Clues(2, 2, {{1}, {1}}, {{1}, {1}}));
    EXPECT_EQ(two.verdict, Verdict::Multiple);
    ASSERT_EQ(two.solutions.size(), 2u);
    EXPECT_EQ(QSet<QString>({two.solutions[0].join(u'/'), two.solutions[1].join(u'/')}),
              QSet<QString>({QStringLiteral("#./.#"), QStringLiteral(".#/#.")}));
    EXPECT_EQ(DifficultyOf(two), 7);

    // The rows want two cells, the columns four: no picture.
    const Analysis none = Analyse(Clues(2, 2, {{1}, {1}}, {{2}, {2}}));
    EXPECT_EQ(none.verdict, Verdict::None);
    EXPECT_TRUE(none.solutions.empty());
    // A clue longer than its line, and a 0 among the numbers: no picture.
    EXPECT_EQ(Analyse(Clues(2, 2, {{3}, {}}, {{1}, {1}})).verdict, Verdict::None);
    EXPECT_EQ(Analyse(Clues(2, 2, {{1, 0}, {}}, {{1}, {}})).verdict, Verdict::None);

    // A plus sign: line logic alone, in one sweep.
    const Analysis plus = Analyse(Clues(3, 3, {{1}, {3}, {1}}, {{1}, {3}, {1}}));
    EXPECT_EQ(plus.verdict, Verdict::Unique);
    EXPECT_TRUE(plus.solvedByLines);
    EXPECT_EQ(plus.nodes, 0);
    EXPECT_EQ(plus.solutions, (std::vector<QStringList>{{".#.", "###", ".#."}}));
    EXPECT_EQ(DifficultyOf(plus), 1);
}

TEST(Analysis, ABudgetSpentIsUnknown)
{
    // A random 30 x 30 picture needs far more than the few tries made
    // before the first look at the clock.
    std::mt19937 random(30);
    std::vector<uint64_t> picture(30);
    for (uint64_t& row : picture)
        row = random() & LineMask(30);
    AnalysisOptions options;
    options.budgetMs = 0;
    const Analysis analysis = Analyse(CluesOfPicture(picture, 30), options);
    EXPECT_EQ(analysis.verdict, Verdict::Unknown);
    EXPECT_EQ(DifficultyOf(analysis), 7);
}

TEST(Difficulty, FromTheWorkMeasured)
{
    // {line sweeps, by lines, without search, verdict} -> difficulty
    struct Case {
        int sweeps;
        bool byLines;
        bool withoutSearch;
        Verdict verdict;
        int difficulty;
    };
    const Case cases[] = {
        {1, true, true, Verdict::Unique, 1},
        {kSweepLimits[0], true, true, Verdict::Unique, 1},
        {kSweepLimits[0] + 1, true, true, Verdict::Unique, 2},
        {kSweepLimits[3], true, true, Verdict::Unique, 4},
        {kSweepLimits[3] + 1, true, true, Verdict::Unique, 5},
        {4, false, true, Verdict::Unique, 6},
        {4, false, false, Verdict::Unique, 7},
        {4, false, false, Verdict::Multiple, 7},
    };
    for (const Case& c : cases) {
        Analysis analysis;
        analysis.lineCycles = c.sweeps;
        analysis.solvedByLines = c.byLines;
        analysis.solvedWithoutSearch = c.withoutSearch;
        analysis.verdict = c.verdict;
        EXPECT_EQ(DifficultyOf(analysis), c.difficulty) << c.sweeps << ' ' << c.byLines << ' ' << c.withoutSearch;
    }
}

} // namespace
