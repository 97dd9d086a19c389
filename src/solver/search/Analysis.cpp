#include "solver/search/Analysis.h"

#include "solver/search/LineBits.h"

#include <QElapsedTimer>
#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

namespace velin::search {

namespace {

constexpr int kMax = kMaxLineCells;

// The board as four sets of masks, so that a row and a column are each one
// word: bit c of rowFilled[r] and bit r of columnFilled[c] are the same cell.
struct Grid {
    uint64_t rowFilled[kMax];
    uint64_t rowBlank[kMax];
    uint64_t columnFilled[kMax];
    uint64_t columnBlank[kMax];

    void Set(int row, int column, bool filled)
    {
        if (filled) {
            rowFilled[row] |= uint64_t{1} << column;
            columnFilled[column] |= uint64_t{1} << row;
        } else {
            rowBlank[row] |= uint64_t{1} << column;
            columnBlank[column] |= uint64_t{1} << row;
        }
    }
};

// One level of the depth-first search: the board at that level and, once it
// has branched, the cell and the value still to be tried.
struct Frame {
    Grid grid;
    int row = 0;
    int column = 0;
    bool firstFilled = true;
    bool pending = false;
};

enum class NodeResult { Contradiction, Solved, Open };

// Set bits of a word, inline: without a processor-specific build flag the
// compiler makes std::popcount a library call, which showed in the profile
// of the probing (it counts what every try decided).
inline int CountBits(uint64_t x)
{
    x -= (x >> 1) & 0x5555555555555555;
    x = (x & 0x3333333333333333) + ((x >> 2) & 0x3333333333333333);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0f;
    return static_cast<int>((x * 0x0101010101010101) >> 56);
}

struct Strategy {
    Branching branching = Branching::MostDecidedLearnt;
    FirstValue firstValue = FirstValue::Poorer;
};

// A depth-first search in progress: one frame per level, allocated before it
// starts (one level per undecided cell at most), so that it never allocates.
struct SearchState {
    Strategy strategy;
    std::vector<Frame> frames;
    int top = 0;
};

class Analyser {
public:
    Analyser(const PuzzleClues& puzzle, const AnalysisOptions& options) : options_(options)
    {
        rows_ = puzzle.rows;
        columns_ = puzzle.columns;
        rowMask_ = LineMask(rows_);
        columnMask_ = LineMask(columns_);
        valid_ = rows_ >= 1 && columns_ >= 1 && rows_ <= kMax && columns_ <= kMax &&
                 static_cast<int>(puzzle.rowClues.size()) == rows_ &&
                 static_cast<int>(puzzle.columnClues.size()) == columns_;
        if (!valid_)
            return;
        for (int r = 0; r < rows_ && valid_; ++r)
            valid_ = Convert(puzzle.rowClues[r], columns_, rowClues_[r]);
        for (int c = 0; c < columns_ && valid_; ++c)
            valid_ = Convert(puzzle.columnClues[c], rows_, columnClues_[c]);
    }

    Analysis Run()
    {
        timer_.start();
        Analysis result;
        result.verdict = Solve(result);
        result.nodes = nodes_;
        result.probes = probes_;
        for (int i = 0; i < solutionCount_; ++i)
            result.solutions.push_back(Picture(solutions_[i]));
        result.micros = timer_.nsecsElapsed() / 1000;
        return result;
    }

private:
    static bool Convert(const std::vector<int>& numbers, int cells, LineClue& clue)
    {
        int need = -1;
        clue.count = 0;
        for (int n : numbers) {
            if (n < 1 || n > cells || clue.count == kMaxClueNumbers)
                return false;
            need += n + 1;
            clue.length[clue.count++] = static_cast<uint8_t>(n);
        }
        return need <= cells;
    }

    Verdict Solve(Analysis& result)
    {
        if (!valid_)
            return Verdict::None;
        Grid& root = rootGrid_;
        std::memset(&root, 0, sizeof root);
        if (!SweepLines(root, result.lineCycles))
            return Verdict::None;
        if (Complete(root)) {
            result.solvedByLines = true;
            result.solvedWithoutSearch = true;
            Record(root);
            return Verdict::Unique;
        }
        // The cache of line results is allocated here once, and the search's
        // frames (one level per undecided cell at most) as it starts, so that
        // the probing and the search themselves never allocate.
        lineCache_.assign(kLineCacheSize, LineCacheEntry{});
        const bool exhausted = Search(root);
        if (timedOut_)
            return Verdict::Unknown;
        if (solutionCount_ >= 2)
            return Verdict::Multiple;
        if (!exhausted)
            return Verdict::Unknown;
        result.solvedWithoutSearch = nodes_ == 0 && solutionCount_ == 1;
        return solutionCount_ == 1 ? Verdict::Unique : Verdict::None;
    }

    // Line logic in sweeps, all rows then all columns, as a person (and the
    // game's solver) works; counts the sweeps that decided something.
    bool SweepLines(Grid& grid, int& cycles)
    {
        uint64_t dirtyRows = rowMask_;
        uint64_t dirtyColumns = columnMask_;
        cycles = 0;
        while (dirtyRows | dirtyColumns) {
            uint64_t nextRows = 0;
            uint64_t nextColumns = 0;
            bool changed = false;
            for (uint64_t d = dirtyRows; d; d &= d - 1) {
                const int r = std::countr_zero(d);
                uint64_t changedCells = 0;
                if (!SolveRow(grid, r, changedCells))
                    return false;
                nextColumns |= changedCells;
                changed |= changedCells != 0;
            }
            dirtyColumns |= nextColumns;
            for (uint64_t d = dirtyColumns; d; d &= d - 1) {
                const int c = std::countr_zero(d);
                uint64_t changedCells = 0;
                if (!SolveColumn(grid, c, changedCells))
                    return false;
                nextRows |= changedCells;
                changed |= changedCells != 0;
            }
            if (!changed)
                break;
            ++cycles;
            dirtyRows = nextRows;
            dirtyColumns = 0;
        }
        return true;
    }

    // Line logic through the cache of line results, once the probing has
    // made one. The tries of probing and the nodes of the search meet the
    // same line states again and again: about two lines in three are found
    // in the cache on the slowest puzzles, which halved their time. The
    // sweeps from the empty board rarely meet a line twice, so they solve
    // directly. `line` is the row, or kMax + the column.
    bool SolveLine(const LineClue& clue, int cells, int line, uint64_t& filled, uint64_t& blank)
    {
        if (lineCache_.empty())
            return SolveLineBits(clue, cells, filled, blank);
        // A line has at most 60 cells: the line's number goes in the top
        // four bits of each word of the key.
        const uint64_t keyFilled = filled | uint64_t(line & 15) << 60;
        const uint64_t keyBlank = blank | uint64_t(line >> 4) << 60;
        uint64_t hash = keyFilled * 0x9e3779b97f4a7c15 ^ keyBlank * 0xc2b2ae3d27d4eb4f;
        hash ^= hash >> 29;
        LineCacheEntry& entry = lineCache_[hash & (kLineCacheSize - 1)];
        if (entry.keyFilled == keyFilled && entry.keyBlank == keyBlank) {
            if (entry.filled & entry.blank)
                return false;
            filled = entry.filled;
            blank = entry.blank;
            return true;
        }
        entry.keyFilled = keyFilled;
        entry.keyBlank = keyBlank;
        if (!SolveLineBits(clue, cells, filled, blank)) {
            entry.filled = entry.blank = ~uint64_t{0};
            return false;
        }
        entry.filled = filled;
        entry.blank = blank;
        return true;
    }

    bool SolveRow(Grid& grid, int r, uint64_t& changedCells)
    {
        uint64_t filled = grid.rowFilled[r];
        uint64_t blank = grid.rowBlank[r];
        if (!SolveLine(rowClues_[r], columns_, r, filled, blank)) {
            ++contradictions_[r];
            return false;
        }
        const uint64_t newFilled = filled & ~grid.rowFilled[r];
        const uint64_t newBlank = blank & ~grid.rowBlank[r];
        changedCells = newFilled | newBlank;
        if (!changedCells)
            return true;
        grid.rowFilled[r] = filled;
        grid.rowBlank[r] = blank;
        const uint64_t bit = uint64_t{1} << r;
        for (uint64_t m = newFilled; m; m &= m - 1)
            grid.columnFilled[std::countr_zero(m)] |= bit;
        for (uint64_t m = newBlank; m; m &= m - 1)
            grid.columnBlank[std::countr_zero(m)] |= bit;
        return true;
    }

    bool SolveColumn(Grid& grid, int c, uint64_t& changedCells)
    {
        uint64_t filled = grid.columnFilled[c];
        uint64_t blank = grid.columnBlank[c];
        if (!SolveLine(columnClues_[c], rows_, kMax + c, filled, blank)) {
            ++contradictions_[kMax + c];
            return false;
        }
        const uint64_t newFilled = filled & ~grid.columnFilled[c];
        const uint64_t newBlank = blank & ~grid.columnBlank[c];
        changedCells = newFilled | newBlank;
        if (!changedCells)
            return true;
        grid.columnFilled[c] = filled;
        grid.columnBlank[c] = blank;
        const uint64_t bit = uint64_t{1} << c;
        for (uint64_t m = newFilled; m; m &= m - 1)
            grid.rowFilled[std::countr_zero(m)] |= bit;
        for (uint64_t m = newBlank; m; m &= m - 1)
            grid.rowBlank[std::countr_zero(m)] |= bit;
        return true;
    }

    // Line logic from the given dirty lines until nothing changes; false on
    // a contradiction.
    bool Propagate(Grid& grid, uint64_t dirtyRows, uint64_t dirtyColumns)
    {
        while (dirtyRows | dirtyColumns) {
            for (; dirtyRows; dirtyRows &= dirtyRows - 1) {
                uint64_t changedCells = 0;
                if (!SolveRow(grid, std::countr_zero(dirtyRows), changedCells))
                    return false;
                dirtyColumns |= changedCells;
            }
            for (; dirtyColumns; dirtyColumns &= dirtyColumns - 1) {
                uint64_t changedCells = 0;
                if (!SolveColumn(grid, std::countr_zero(dirtyColumns), changedCells))
                    return false;
                dirtyRows |= changedCells;
            }
        }
        return true;
    }

    bool Try(Grid& grid, int row, int column, bool filled)
    {
        grid.Set(row, column, filled);
        return Propagate(grid, uint64_t{1} << row, uint64_t{1} << column);
    }

    int Decided(const Grid& grid) const
    {
        int n = 0;
        for (int r = 0; r < rows_; ++r)
            n += CountBits(grid.rowFilled[r] | grid.rowBlank[r]);
        return n;
    }

    // Copies the lines of this puzzle only: a grid holds room for 60 x 60,
    // and a probe copies one for every try.
    void Copy(Grid& to, const Grid& from) const
    {
        const size_t rowBytes = sizeof(uint64_t) * rows_;
        const size_t columnBytes = sizeof(uint64_t) * columns_;
        std::memcpy(to.rowFilled, from.rowFilled, rowBytes);
        std::memcpy(to.rowBlank, from.rowBlank, rowBytes);
        std::memcpy(to.columnFilled, from.columnFilled, columnBytes);
        std::memcpy(to.columnBlank, from.columnBlank, columnBytes);
    }

    bool Complete(const Grid& grid) const
    {
        for (int r = 0; r < rows_; ++r)
            if ((grid.rowFilled[r] | grid.rowBlank[r]) != columnMask_)
                return false;
        return true;
    }

    bool OutOfTime()
    {
        if ((++ticks_ & 15) == 0 && timer_.elapsed() >= options_.budgetMs)
            timedOut_ = true;
        return timedOut_;
    }

    // Keeps a complete, consistent board as a picture unless it is one
    // already kept; two different pictures end the search.
    void Record(const Grid& grid)
    {
        for (int i = 0; i < solutionCount_; ++i)
            if (std::memcmp(solutions_[i], grid.rowFilled, sizeof(uint64_t) * rows_) == 0)
                return;
        if (solutionCount_ < 2)
            std::memcpy(solutions_[solutionCount_++], grid.rowFilled, sizeof(uint64_t) * rows_);
    }

    bool Stop() const { return timedOut_ || solutionCount_ >= 2; }

    // Probes and chooses the branching cell. `grid` is propagated on entry.
    NodeResult Evaluate(Frame& frame)
    {
        Grid& grid = frame.grid;
        if (Complete(grid)) {
            Record(grid);
            return NodeResult::Solved;
        }
        if (OutOfTime())
            return NodeResult::Open;
        if (options_.probing)
            return Probe(frame); // which also chooses the branching cell
        for (int r = 0; r < rows_; ++r) {
            const uint64_t open = columnMask_ & ~(grid.rowFilled[r] | grid.rowBlank[r]);
            if (open) {
                frame.row = r;
                frame.column = std::countr_zero(open);
                frame.firstFilled = FirstValueAt(r, frame.column, true);
                return NodeResult::Open;
            }
        }
        return NodeResult::Solved; // unreachable: the grid was not complete
    }

    // Tries every undecided cell both ways until a whole round proves
    // nothing. A try that fails fixes the other value; what both tries of a
    // cell decide alike is fixed too; a try that completes the board is a
    // picture. A try is skipped when an earlier successful try of this round
    // already decided that cell the same way: line logic only ever adds to
    // what it is given, so that try cannot fail either.
    NodeResult Probe(Frame& frame)
    {
        Grid& grid = frame.grid;
        bool changed = true;
        while (changed) {
            changed = false;
            ClearSkips();
            long bestScore = std::numeric_limits<long>::min();
            int before = Decided(grid);
            for (int r = 0; r < rows_; ++r) {
                for (uint64_t open = columnMask_ & ~(grid.rowFilled[r] | grid.rowBlank[r]); open; open &= open - 1) {
                    const int c = std::countr_zero(open);
                    const uint64_t bit = uint64_t{1} << c;
                    if ((grid.rowFilled[r] | grid.rowBlank[r]) & bit)
                        continue;           // decided earlier in this round
                    int gained[2] = {0, 0}; // blank, filled
                    bool tried[2] = {false, false};
                    bool failed = false;
                    for (int value = 1; value >= 0 && !failed; --value) {
                        const uint64_t* skip = value ? skipFilled_ : skipBlank_;
                        if (skip[r] & bit)
                            continue;
                        if (OutOfTime())
                            return NodeResult::Open;
                        ++probes_;
                        Grid& trial = trials_[value];
                        Copy(trial, grid);
                        if (!Try(trial, r, c, value == 1)) {
                            if (!Try(grid, r, c, value == 0))
                                return NodeResult::Contradiction;
                            failed = true;
                            break;
                        }
                        tried[value] = true;
                        if (Complete(trial)) {
                            Record(trial);
                            if (Stop())
                                return NodeResult::Open;
                        }
                        for (int rr = 0; rr < rows_; ++rr) {
                            skipFilled_[rr] |= trial.rowFilled[rr] & ~grid.rowFilled[rr];
                            skipBlank_[rr] |= trial.rowBlank[rr] & ~grid.rowBlank[rr];
                        }
                        gained[value] = Decided(trial) - before;
                    }
                    if (!failed && tried[0] && tried[1] && options_.intersect)
                        failed = TakeCommon(grid);
                    if (failed) {
                        if (Complete(grid)) {
                            Record(grid);
                            return NodeResult::Solved;
                        }
                        changed = true;
                        ClearSkips();
                        before = Decided(grid);
                        continue;
                    }
                    const long score = Score(gained[0], gained[1], r, c);
                    if (score > bestScore) {
                        bestScore = score;
                        frame.row = r;
                        frame.column = c;
                        frame.firstFilled = FirstValueAt(r, c, gained[1] >= gained[0]);
                        if (strategy_->branching == Branching::FirstCell)
                            bestScore = std::numeric_limits<long>::max(); // the first cell stays
                    }
                }
            }
        }
        return NodeResult::Open;
    }

    // How much the branching choice wants the cell at `row`, `column` whose
    // two tries decided `blank` and `filled` more cells; higher is better.
    long Score(int blank, int filled, int row, int column) const
    {
        const long product = long{blank + 1} * (filled + 1);
        switch (strategy_->branching) {
        case Branching::MostDecided:
            return product;
        case Branching::MostDecidedLearnt: {
            // The product is below 2^24 and the weight is capped at 2^36
            // (only a budget of hours could reach it), so the score stays
            // within 64 bits.
            const int64_t weight = 1 + contradictions_[row] + contradictions_[kMax + column];
            return product * std::min<int64_t>(weight, int64_t{1} << 36);
        }
        case Branching::LeastDecided:
            return -product;
        case Branching::Balanced:
            return -long{std::abs(blank - filled)} * 4096 - product;
        case Branching::LargestMinimum:
            return long{std::min(blank, filled)} * 4096 + product;
        case Branching::FirstCell:
            break;
        }
        return 0;
    }

    void ClearSkips()
    {
        std::memset(skipFilled_, 0, sizeof(uint64_t) * rows_);
        std::memset(skipBlank_, 0, sizeof(uint64_t) * rows_);
    }

    // Fixes in `grid` the cells that both tries of a cell decided alike;
    // true when there were any. Both tries are consistent supersets of
    // `grid`, so the propagation cannot fail.
    bool TakeCommon(Grid& grid)
    {
        uint64_t dirtyRows = 0;
        uint64_t dirtyColumns = 0;
        for (int r = 0; r < rows_; ++r) {
            const uint64_t filled = trials_[0].rowFilled[r] & trials_[1].rowFilled[r] & ~grid.rowFilled[r];
            const uint64_t blank = trials_[0].rowBlank[r] & trials_[1].rowBlank[r] & ~grid.rowBlank[r];
            if (!(filled | blank))
                continue;
            dirtyRows |= uint64_t{1} << r;
            dirtyColumns |= filled | blank;
            for (uint64_t m = filled; m; m &= m - 1)
                grid.Set(r, std::countr_zero(m), true);
            for (uint64_t m = blank; m; m &= m - 1)
                grid.Set(r, std::countr_zero(m), false);
        }
        if (!dirtyRows)
            return false;
        Propagate(grid, dirtyRows, dirtyColumns);
        return true;
    }

    // The value to try first at a branch. Once a picture is known, the value
    // that differs from it leads to a second picture soonest; before that,
    // the choice measured best.
    bool FirstValueAt(int row, int column, bool richerFilled) const
    {
        if (solutionCount_ > 0)
            return !(solutions_[0][row] & (uint64_t{1} << column));
        switch (strategy_->firstValue) {
        case FirstValue::Filled:
            return true;
        case FirstValue::Richer:
            return richerFilled;
        case FirstValue::Poorer:
            break;
        }
        return !richerFilled;
    }

    // One node of a depth-first search: evaluates the node on top and
    // moves to the next one. True once the search is exhausted.
    bool Step(SearchState& search)
    {
        std::vector<Frame>& frames = search.frames;
        const NodeResult result = Evaluate(frames[search.top]);
        if (Stop())
            return false;
        if (result == NodeResult::Open) {
            // Each level decides the undecided cell it branches on, so the
            // frames allocated before the search always suffice; should that
            // ever fail, the verdict is "unknown" rather than a write past them.
            if (search.top + 1 >= static_cast<int>(frames.size())) {
                timedOut_ = true;
                return false;
            }
            Frame& parent = frames[search.top];
            parent.pending = true;
            Frame& child = frames[++search.top];
            Copy(child.grid, parent.grid);
            ++nodes_;
            if (Try(child.grid, parent.row, parent.column, parent.firstFilled))
                return false;
        }
        // The node on top is finished: go back to the nearest level with a
        // value still to try, and try it in that level's own frame.
        for (;;) {
            if (search.top == 0)
                return true;
            Frame& parent = frames[--search.top];
            if (!parent.pending)
                continue;
            parent.pending = false;
            ++nodes_;
            if (Try(parent.grid, parent.row, parent.column, !parent.firstFilled))
                return false;
        }
    }

    // The search from the probed root, or two searches node by node in turn,
    // until one is exhausted or the analysis must stop; true when one was
    // exhausted. Two branching choices side by side cost twice the better
    // one at most.
    bool Search(const Grid& root)
    {
        const size_t levels = static_cast<size_t>(rows_ * columns_ - Decided(root) + 2);
        searches_[0].strategy = {options_.branching, options_.firstValue};
        searches_[1].strategy = {options_.alongside, options_.firstValue};
        const int count = options_.probing && options_.interleave ? 2 : 1;
        for (int i = 0; i < count; ++i) {
            searches_[i].frames.resize(levels);
            searches_[i].top = 0;
        }
        searches_[0].frames[0].grid = root;
        strategy_ = &searches_[0].strategy;
        if (Step(searches_[0]))
            return true;
        // The second search starts from the root as the first one's probing
        // left it, so the root is probed to the end only once.
        if (count == 2)
            searches_[1].frames[0].grid = searches_[0].frames[0].grid;
        for (int turn = count == 2 ? 1 : 0; !Stop(); turn = (turn + 1) % count) {
            strategy_ = &searches_[turn].strategy;
            if (Step(searches_[turn]))
                return true;
        }
        return false;
    }

    QStringList Picture(const uint64_t* rows) const
    {
        QStringList picture;
        for (int r = 0; r < rows_; ++r) {
            QString line(columns_, u'.');
            for (int c = 0; c < columns_; ++c)
                if (rows[r] & (uint64_t{1} << c))
                    line[c] = u'#';
            picture << line;
        }
        return picture;
    }

    // A result of line logic, in a table indexed by a hash of the key (a
    // newer result replaces an older one in its slot): the decided cells
    // before, with the line's number, and after; after is all ones when the
    // line had no placement. The empty entry has all ones as its key, which
    // no line state has.
    struct LineCacheEntry {
        uint64_t keyFilled = ~uint64_t{0};
        uint64_t keyBlank = ~uint64_t{0};
        uint64_t filled = 0;
        uint64_t blank = 0;
    };
    static constexpr size_t kLineCacheSize = size_t{1} << 14;
    std::vector<LineCacheEntry> lineCache_;

    // How often line logic found each line (the rows, then kMax + the
    // columns) without a placement, in probing and in the search alike:
    // what MostDecidedLearnt learns from.
    int64_t contradictions_[2 * kMax] = {};

    AnalysisOptions options_;
    int rows_ = 0;
    int columns_ = 0;
    uint64_t rowMask_ = 0;
    uint64_t columnMask_ = 0;
    bool valid_ = false;
    LineClue rowClues_[kMax];
    LineClue columnClues_[kMax];
    Grid rootGrid_;
    Grid trials_[2]; // the tries of one cell: blank, filled
    uint64_t skipFilled_[kMax] = {};
    uint64_t skipBlank_[kMax] = {};
    // The two searches and the one being stepped.
    SearchState searches_[2];
    const Strategy* strategy_ = &searches_[0].strategy;
    uint64_t solutions_[2][kMax] = {};
    int solutionCount_ = 0;
    long nodes_ = 0;
    long probes_ = 0;
    unsigned ticks_ = 0;
    bool timedOut_ = false;
    QElapsedTimer timer_;
};

} // namespace

QString VerdictWord(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Unique:
        return QStringLiteral("unique");
    case Verdict::Multiple:
        return QStringLiteral("multiple");
    case Verdict::None:
        return QStringLiteral("none");
    case Verdict::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

PuzzleClues CluesOf(const BoardModel& model, int rows, int columns)
{
    PuzzleClues puzzle;
    puzzle.rows = rows;
    puzzle.columns = columns;
    const auto line = [](const Grid61& clues, int index) {
        std::vector<int> numbers;
        const int count = clues[index][0];
        for (int k = 1; k <= count && k <= kMaxLine; ++k)
            numbers.push_back(clues[index][k]);
        if (numbers.size() == 1 && numbers[0] == 0)
            numbers.clear(); // "0": an empty line
        return numbers;
    };
    for (int r = 1; r <= rows && r <= kMaxLine; ++r)
        puzzle.rowClues.push_back(line(model.RowClues, r));
    for (int c = 1; c <= columns && c <= kMaxLine; ++c)
        puzzle.columnClues.push_back(line(model.ColumnClues, c));
    return puzzle;
}

Analysis Analyse(const PuzzleClues& puzzle, const AnalysisOptions& options)
{
    // Large (about 4 KB per search level) and used once: on the heap.
    auto analyser = std::make_unique<Analyser>(puzzle, options);
    return analyser->Run();
}

bool SatisfiesClues(const PuzzleClues& puzzle, const QStringList& picture)
{
    if (picture.size() != puzzle.rows || static_cast<int>(puzzle.rowClues.size()) != puzzle.rows ||
        static_cast<int>(puzzle.columnClues.size()) != puzzle.columns)
        return false;
    const auto runs = [](auto cellAt, int cells) {
        std::vector<int> found;
        int run = 0;
        for (int i = 0; i <= cells; ++i) {
            if (i < cells && cellAt(i)) {
                ++run;
            } else if (run > 0) {
                found.push_back(run);
                run = 0;
            }
        }
        return found;
    };
    for (int r = 0; r < puzzle.rows; ++r) {
        if (picture[r].size() != puzzle.columns)
            return false;
        if (runs([&](int c) { return picture[r][c] == u'#'; }, puzzle.columns) != puzzle.rowClues[r])
            return false;
    }
    for (int c = 0; c < puzzle.columns; ++c)
        if (runs([&](int r) { return picture[r][c] == u'#'; }, puzzle.rows) != puzzle.columnClues[c])
            return false;
    return true;
}

} // namespace velin::search
