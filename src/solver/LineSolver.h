#pragma once
// The line solver: everything the automatic solver does to one row or one
// column, and the state that lives for one solver run.
//
// The solver never guesses and never undoes a decision. Each rule looks for
// one situation on the line (a run anchored at an edge, a stretch that only
// the largest clue can hold, a segment too short for any clue, ...) and marks
// what that situation forces, through MarkFilled, MarkBlank and
// OverlapInSegment only. The rules run in a fixed order on each line:
//
//   RunLineRules:   SweepEnds, FindClueExtremes, SolveSingleClue (one clue
//                   open), FindSecondLargest, SettleEndClues, MatchStretches,
//                   SettleEdgeCell, then RunPatternGroups:
//   RunPatternGroups: ShowPlayTime, EndPatternRules (scans 1-21 from both
//                   ends), SweepEnds, SecondGroup, SweepEnds, ThirdGroup
//   FinishLine:     the caller (the driver) runs it after RunLineRules.
//
// Any SweepEnds between the groups that finds the line complete ends the
// rules; FinishLine then blanks what is left and marks the line complete.
//
// The rules are spread over several files:
//   LineSolver.cpp           line view, primitives, the order of the rules
//   GeneralRules.cpp         SweepEnds ... ScanSegments, FinishLine
//   EndPatternScans1to9.cpp  Scan1 ... Scan9
//   EndPatternScans10to21.cpp Scan10 ... Scan21
//   LaterGroups.cpp          the second and third groups
//
// Conventions for the pattern rules: SetUpPass(+1) / SetUpPass(-1) fills the
// pass notation (d, E, F, k1, kF, N, c1 .. c5); dist(a, b) = (b - a) * d;
// Cell(p) reads position p of the line (0 outside the line); Clue(k) reads
// LineClues(line, k) (0 outside the array). The marking primitives walk in
// Step, which SetUpPass sets to d. A rule's walk over the line steps with
// NextChangeOrLast, from one change of cell code to the next: what it does
// must happen where the code changes or at the walk's last cell (a value
// kept per cell, such as the last filled cell passed, is set at the cell
// after the run as well).
//
// A group runs each of its rules as RunRule(RuleFamily::Rule2a,
// &LineSolver::Rule2a), so that a test can switch the family off and an
// observer sees the rule's name; inside a rule, SetRule("scan6.K") names the
// sub-rule before it marks. A group that meets a complete line returns at
// once after `if (SweepEndsReachedFinish()) return;` (or GoToFinishLine()).
#include "board/BoardModel.h"

#include <bit>
#include <cstdint>
#include <iterator>

namespace velin {

class SolverHost;
class LineSolver;

// Sees every cell a rule is about to decide, before the board changes, so a
// test can name the rule (RuleName()) and read the line as it stood. The
// game runs without one.
class MarkObserver {
public:
    virtual ~MarkObserver() = default;
    virtual void BeforeMark(const LineSolver& solver, int position, int16_t code) = 0;
};

// The rule families that can be switched off one at a time, so that a test
// can check one family with only the general rules beside it. The general
// rules themselves are always on: the others build on their window.
enum class RuleFamily : int {
    General = 0,
    Scan1,
    Scan2,
    Scan3,
    Scan4,
    Scan5,
    Scan6,
    Scan7,
    Scan8,
    Scan9,
    Scan10,
    Scan11,
    Scan12,
    Scan13,
    Scan14,
    Scan15,
    Scan16,
    Scan17,
    Scan18,
    Scan19,
    Scan20,
    Scan21,
    Rule2a,
    Rule2b,
    Rule2c,
    Rule2d,
    Rule2e,
    Rule2f,
    Rule2g,
    ClueReach,
    Rule3a,
    Rule3b,
    Rule3c,
    Rule3d,
    Rule3e,
    Rule3f,
    Rule3g,
    Rule3h,
    Rule3i,
    SmallestClueScan,
    Count
};

class LineSolver {
public:
    static constexpr int kCompleteMarker = 50;
    static constexpr int kRowsPass = 1;
    static constexpr int kColumnsPass = 2;

    // One solver per run: the board, its size and the host that draws.
    LineSolver(BoardModel& model, int rowCount, int columnCount, SolverHost& host);

    // ---- Driving a pass (the driver, AutoSolve.cpp) ---------------------

    // Copies RowRuns (rows pass) or ColumnRuns (columns pass) into LineClues,
    // completion marker included, and sets the pass's line count and length.
    void BeginPass(int passDirection);
    int PassDirection() const { return passDirection_; }
    int PassLines() const { return passLines_; }
    int PassLength() const { return passLength_; }
    // True when LineClues marks the line complete (count 50 or more).
    bool LineMarkedComplete(int line) const { return LineClues[line][0] >= kCompleteMarker; }
    // Makes `line` the current line with a fresh per-line state (SweepState
    // 0); RunLineRules starts with it, tests use it to run single rules.
    void BeginLine(int line);
    // Runs the rules of one line up to, not including, FinishLine.
    void RunLineRules(int line);
    // On (the default), a visit whose window holds no forced cell skips the
    // rules after the first sweep and only leaves the state they would
    // leave: the same marks in the same order for far less work. Off runs
    // every rule on every visit, the plain path the skip is measured and
    // tested against.
    void SetSkipFruitlessVisits(bool skip) { skipFruitlessVisits_ = skip; }
    // False when no rule can decide a cell of the current line; `deduced`
    // tells whether the complete deduction ran, `decided` counts the
    // line's decided cells (when the deduction or the 3i note was looked at).
    bool RulesCanDecide(bool& deduced, int& decided);
    // Leaves the state a visit that decides nothing would leave.
    // statisticsCurrent: the clue statistics were found for the window as it
    // stands (nothing was decided in this visit), so they need no second
    // look.
    void LeaveStateOfFruitlessVisit(bool deduced, int decided, bool statisticsCurrent);
    // Leaves the state of a third group that decides nothing.
    void LeaveStateOfThirdGroup(bool deduced, int decided, bool statisticsCurrent = false);
    // Sets f1s/f1e and f2s/f2e as the end scans of the current pass note
    // the first two stretches that end in the window.
    void NoteFirstStretches();
    // Blanks what is left of a complete line and adds the completion marker
    // to RowRuns / ColumnRuns, or runs ScanSegments on an open line.
    void FinishLine();

    // ---- Observation and switches ----------------------------------------

    void SetObserver(MarkObserver* observer) { observer_ = observer; }
    // The rule that is running, e.g. "SettleEndClues" or "scan6.K".
    const char* RuleName() const { return ruleName_; }
    void SetRule(const char* name) { ruleName_ = name; }
    void SetEnabledFamilies(uint64_t mask) { enabledFamilies_ = mask; }
    bool Enabled(RuleFamily family) const { return (enabledFamilies_ >> static_cast<int>(family)) & 1u; }
    static uint64_t FamilyBit(RuleFamily family) { return uint64_t{1} << static_cast<int>(family); }
    static uint64_t AllFamilies() { return (uint64_t{1} << static_cast<int>(RuleFamily::Count)) - 1; }
    // "general", "scan1" ... "scan21", "rule2a" ... "rule2g", "clueReach",
    // "rule3a" ... "rule3i", "smallestClue".
    static const char* FamilyName(RuleFamily family)
    {
        static constexpr const char* kNames[] = {
            "general", "scan1",  "scan2",  "scan3",  "scan4",  "scan5",  "scan6",  "scan7",  "scan8",  "scan9",
            "scan10",  "scan11", "scan12", "scan13", "scan14", "scan15", "scan16", "scan17", "scan18", "scan19",
            "scan20",  "scan21", "rule2a", "rule2b", "rule2c", "rule2d", "rule2e", "rule2f", "rule2g", "clueReach",
            "rule3a",  "rule3b", "rule3c", "rule3d", "rule3e", "rule3f", "rule3g", "rule3h", "rule3i", "smallestClue",
        };
        static_assert(std::size(kNames) == static_cast<size_t>(RuleFamily::Count));
        const auto index = static_cast<unsigned>(family);
        return index < std::size(kNames) ? kNames[index] : "";
    }
    // Cells decided since the solver was made.
    int CellsDecided() const { return cellsDecided_; }
    // Visits that skipped the pattern groups since the solver was made.
    int VisitsSkipped() const { return visitsSkipped_; }

    // ---- The line view ----------------------------------------------------

    int Line() const { return line_; }
    int LineLength() const { return passLength_; }
    // The code at position p of the current line; 0 (undecided) for any
    // position outside 1..LineLength(), as for the unused border of Board.
    int16_t Cell(int p) const
    {
        // One unsigned compare covers both ends.
        if (static_cast<unsigned>(p - 1) >= static_cast<unsigned>(passLength_))
            return 0;
        return lineView_[p];
    }
    // The next position a walk in `step` (+1 or -1) has to look at after
    // pos, up to `last`: the first cell whose code differs from the cell
    // before it (pos counting as `prev`, the code the walk read there), or
    // `last` itself; past `last` once pos is `last`. A walk that acts only
    // where the code changes, and at its last cell, may step with it: at the
    // cells between it would do nothing. Marks made at pos are seen.
    int NextChangeOrLast(int pos, int prev, int last, int step) const
    {
        const int next = pos + step;
        if (next == last || next == last + step || Cell(next) != prev)
            return next;
        // The first change beyond next, with `last` standing in when there
        // is none before it (lines have at most 60 cells: no shift loses a
        // position).
        if (step > 0)
            return std::countr_zero((changesForward_ | (uint64_t{1} << last)) & (~uint64_t{1} << next));
        return 63 - std::countl_zero((changesBackward_ | (uint64_t{1} << last)) & ((uint64_t{1} << next) - 1));
    }
    // The same for the end scans, which walk in d.
    int NextChangeOrLast(int pos, int prev, int last) const { return NextChangeOrLast(pos, prev, last, d); }
    // LineClues(line, k) of the current line; 0 outside the array.
    int Clue(int k) const { return static_cast<unsigned>(k) <= kMaxLine ? lineClues_[k] : 0; }
    // Number of clues of the current line, without the completion marker.
    int ClueCount() const { return lineClues_[0]; }
    // The board position (row, column) of line position p.
    int RowOf(int p) const { return passDirection_ == kRowsPass ? line_ : p; }
    int ColumnOf(int p) const { return passDirection_ == kRowsPass ? p : line_; }
    // Distance in the pass direction.
    int dist(int a, int b) const { return (b - a) * d; }

    // ---- Marking primitives -----------------------------------------------

    // Walk from..to inclusive in Step (nothing when to lies before from),
    // skip positions outside the line and cells already decided; each
    // undecided cell becomes filled (2) / blank (1) and goes to the host.
    // MarkBlank sets SweepState = 2 when it blanks the first or the last
    // position of its range.
    void MarkFilled(int from, int to);
    void MarkBlank(int from, int to);
    // The clues first..last (ascending) lie in the cells from..to
    // (ascending): marks the cells every packing of them covers. Walks with
    // Step = +1 and restores Step.
    void OverlapInSegment(int firstClue, int lastClue, int from, int to);

    // ---- The general rules ------------------------------------------------

    void SweepEnds();
    void FindClueExtremes();
    void FindSecondLargest();
    void SolveSingleClue();
    void SettleEndClues();
    void MatchStretches();
    void SettleEdgeCell();
    void ScanSegments();

    // ---- The pattern rules: order and pass notation -----------------------

    // ShowPlayTime, EndPatternRules, SweepEnds, SecondGroup, SweepEnds,
    // ThirdGroup; leaves at the first SweepEnds that completes the line or
    // as soon as a group asked for FinishLine.
    void RunPatternGroups();
    // Fills d (and Step), E, F, k1, kF, N and c1..c5 for a forward (+1) or
    // backward (-1) pass over the current window and open clues. c2 is read
    // only when N >= 1, c3 when N >= 2, c4 when N >= 3, c5 when N >= 4;
    // otherwise they keep their earlier values (from the previous pass or
    // line), which some rules rely on.
    void SetUpPass(int direction);
    // Two passes (forward, backward): scans 1-20 when N >= 2, then scan 21.
    void EndPatternRules();
    // Runs one rule when its family is switched on, naming it for observers.
    void RunRule(RuleFamily family, void (LineSolver::*rule)());

    // "Go to FinishLine now", for the groups. SweepEndsReachedFinish runs
    // SweepEnds and returns true (and remembers it) when the line is complete;
    // a group returns at once when it gets true. GoToFinishLine asks for the
    // same without a sweep.
    bool SweepEndsReachedFinish();
    void GoToFinishLine() { finishRequested_ = true; }
    bool FinishLineRequested() const { return finishRequested_; }

    // Scans 1 to 9 (EndPatternScans1to9.cpp); each checks its own
    // preconditions on the clues.
    void Scan1();
    void Scan2();
    void Scan3();
    void Scan4();
    void Scan5();
    void Scan6();
    void Scan7();
    void Scan8();
    void Scan9();
    // Scans 10 to 21 (EndPatternScans10to21.cpp).
    void Scan10();
    void Scan11();
    void Scan12();
    void Scan13();
    void Scan14();
    void Scan15();
    void Scan16();
    void Scan17();
    void Scan18();
    void Scan19();
    void Scan20();
    void Scan21();
    // The second group (LaterGroups.cpp): its two passes, each running
    // 2a .. 2g and the clue-reach scan in their order. The SweepEnds after
    // the group is run by RunPatternGroups.
    void SecondGroup();
    void Rule2a();
    void Rule2b();
    void Rule2c();
    void Rule2d();
    void Rule2e();
    void Rule2f();
    void Rule2g();
    void ClueReachScan();
    // The third group (LaterGroups.cpp): its whole order, from ShowPlayTime
    // to scan 3i; the driver runs FinishLine after it.
    void ThirdGroup();
    void Rule3a();
    void Rule3b();
    void Rule3c();
    void Rule3d();
    void Rule3e();
    void Rule3f();
    void Rule3g();
    void Rule3h();
    void Rule3i();
    void SmallestClueScan();

    // ---- State of the run ---------------------------------------------------

    // The clue lists of the direction being solved, copied by BeginPass with
    // the completion marker. Entries past a line's count keep whatever an
    // earlier pass copied there.
    Grid61 LineClues{};

    // Per-line working state, set afresh for every line.
    int Step = 1;
    int FirstOpenClue = 0;
    int LastOpenClue = 0;
    int WindowStart = 0;
    int WindowEnd = 0;
    int LineComplete = 0;
    // 0 a full sweep is needed, 1 up to date, 2 resume inside the window.
    int SweepState = 0;

    // Clue statistics: they change only when FindClueExtremes or
    // FindSecondLargest runs, so a rule sees the values last computed, which
    // may be those of an earlier line.
    int LargestClue = 0;
    int LargestClueIndex = 0;
    int SmallestClue = 0;
    int SecondLargestClue = 0;
    int LargestClueCount = 0;

    // Pass notation of the pattern rules (SetUpPass).
    int d = 1;
    int E = 0;
    int F = 0;
    int k1 = 0;
    int kF = 0;
    int N = 0;
    int c1 = 0;
    int c2 = 0;
    int c3 = 0;
    int c4 = 0;
    int c5 = 0;

    // Positions the scans remember between scans (the scans' own
    // bookkeeping). Zero at the start of a run; a rule that reads one before
    // setting it sees the value an earlier scan left.
    struct Remembered {
        int start = 0;
        int end = 0; // the blank cell or the cell after the stretch
        int third = 0;
    };
    int S = 0;
    int fs = 0;
    int nf = 0;
    int fe = 0;
    int f1s = 0, f1e = 0, f2s = 0, f2e = 0, f3s = 0, f3e = 0, f4s = 0, f4e = 0;
    Remembered P, Q, G, H, R;
    int X = 0;

    // ======== Scans 1 to 9: members (EndPatternScans1to9.cpp) ========
    // The bookkeeping the end scans do at each cell: S, fs/nf, fe, and the
    // start and after-cell of the first `kept` stretches (f1 .. f4).
    void TrackEndScanCell(int pos, int prev, int cur, int kept);
    // OverlapInSegment with both ranges put in ascending order first.
    void OverlapAscending(int clueA, int clueB, int cellA, int cellB);
    // How many open clues equal `value`.
    int OpenCluesEqualTo(int value) const;
    // True when two neighbouring open clues both equal LargestClue.
    bool LargestCluesAdjacent() const;
    // (add here)
    // ======== end of scans 1 to 9 ========

    // ======== Scans 10 to 21: members (EndPatternScans10to21.cpp) ========
    // (add here)
    // OverlapInSegment with a clue range and a cell range each given in pass
    // order (k1 .. k1 + d, E .. last); a clue range empty in the pass
    // direction marks nothing.
    void OverlapInPass(int clueA, int clueB, int cellA, int cellB);
    // pos, or F when pos lies beyond F in the pass direction.
    int CutToWindow(int pos) const;
    // The number of consecutive open clues equal to 1 from k1 towards kF;
    // allOnes tells whether every open clue is 1.
    int LeadingOnes(bool& allOnes) const;
    // True when every open clue after k1 (towards kF) is longer than room.
    bool NoClueAfterFirstFits(int room) const;
    // ======== end of scans 10 to 21 ========

    // ======== Later groups: members (LaterGroups.cpp) ========
    // (add here)
    // The open clues plus one gap between each two, taken by the third group
    // before its rules 3b and 3c (rule 3h reads it).
    int OpenClueTotal = 0;
    // For rules 3b and 3c, in the pass notation: start = the first position
    // where c1 fits (0 when none), firstFilled = the first filled cell from E
    // (0 when none); true when c1 must cover firstFilled.
    bool FirstClueCovers(int& start, int& firstFilled) const;
    // Decided cells of the current line.
    int DecidedInLine() const;
    // Per pass direction (rows, columns) and line: the decided cells + 1 when
    // rule 3i last left the line at its fixpoint (0: never in this run).
    int16_t Rule3iSeen[2][kMaxLine + 1] = {};
    // What the complete deduction finds over the window: bit i stands for
    // window cell WindowStart + i; each set holds undecided cells only.
    struct WindowDeduction {
        uint64_t mustFill = 0;
        uint64_t mustBlank = 0;
        uint64_t open = 0; // may still be either
    };
    // The complete deduction over the window and the open clues; false when
    // it cannot run (the cells contradict the clues, or there are no cells).
    bool DeduceWindow(WindowDeduction& out) const;
    // ======== end of later groups ========

private:
    // Points the line view at line_ of the pass direction.
    void AimView();
    void SetLineSets(uint64_t filled, uint64_t blank);
    void Mark(int from, int to, int16_t code);
    // One direction of SweepEnds; returns true when every clue of the pass
    // was consumed.
    bool SweepPass(int direction, int rangeStart, int rangeEnd, int firstClue, int lastClue);
    // One pass of MatchStretches; returns false when the stretches cannot be
    // matched to the open clues.
    bool MatchStretchesPhase(bool mark);
    void SettleEndCluesPass(int direction);
    void SettleEdgeCellPass(int direction);
    // True when two neighbouring open clues both equal value.
    bool AdjacentOpenCluesEqual(int value) const;
    // True (and remembered in restFruitless_) when cells were decided since
    // the last check and none is left forced (onlyByCount: looked at only
    // when the visit's count of forced cells tells it without a deduction).
    bool RestOfVisitIsFruitless(bool onlyByCount = false);
    bool TwoCluesCouldHoldApart(int firstLength, int secondLength, int gap) const;

    BoardModel& model_;
    SolverHost& host_;
    int rowCount_;
    int columnCount_;
    int passDirection_ = kRowsPass;
    int passLines_ = 0;
    int passLength_ = 0;
    int line_ = 0;
    // The current line: position p is lineView_[p], a row of the board or
    // columnCells_, the copy of a column that Mark keeps with the board (the
    // solver is the only one to decide cells while it runs).
    const int16_t* lineView_ = nullptr;
    int16_t columnCells_[kMaxLine + 4] = {};
    // LineClues[line_], for Clue().
    const int16_t* lineClues_ = nullptr;
    // The same line as sets: bit p is set when position p is filled, or
    // blank; and where the code changes, walking forward (cell p differs
    // from cell p - 1) and backward (from cell p + 1). AimView reads them
    // from the board and Mark keeps them (SetLineSets).
    uint64_t lineFilled_ = 0;
    uint64_t lineBlank_ = 0;
    uint64_t changesForward_ = 0;
    uint64_t changesBackward_ = 0;
    MarkObserver* observer_ = nullptr;
    const char* ruleName_ = "";
    uint64_t enabledFamilies_ = AllFamilies();
    bool finishRequested_ = false;
    bool skipFruitlessVisits_ = true;
    // The current visit was found to decide nothing (FinishLine skips its
    // segment scan).
    bool visitSkipped_ = false;
    // The checks inside the pattern groups: cells decided at the last one,
    // whether it found the rest of the visit fruitless, and what it found
    // (RulesCanDecide's deduced and decided).
    int decidedAtCheck_ = 0;
    // The undecided cells the complete deduction found forced in this visit
    // (-1: not known, or no cell left open) and cellsDecided_ at the time.
    int forcedCount_ = -1;
    int forcedAt_ = 0;
    bool restFruitless_ = false;
    bool restDeduced_ = false;
    int restDecided_ = 0;
    int cellsDecided_ = 0;
    int visitsSkipped_ = 0;
};

// Names the running rule for the length of a scope and restores the name of
// the rule that called it, so a sweep run from inside a rule does not take
// the blame for that rule's later marks.
class RuleScope {
public:
    RuleScope(LineSolver& solver, const char* name) : solver_(solver), saved_(solver.RuleName())
    {
        solver_.SetRule(name);
    }
    ~RuleScope() { solver_.SetRule(saved_); }
    RuleScope(const RuleScope&) = delete;
    RuleScope& operator=(const RuleScope&) = delete;

private:
    LineSolver& solver_;
    const char* saved_;
};

// The groups run every rule through here, many times per line: inline.
inline void LineSolver::RunRule(RuleFamily family, void (LineSolver::*rule)())
{
    if (!Enabled(family))
        return;
    RuleScope scope(*this, FamilyName(family));
    (this->*rule)();
}

} // namespace velin
