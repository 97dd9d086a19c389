// The line view, the marking primitives and the order of the rules on a line.
#include "solver/LineSolver.h"

#include "app/Shared.h"
#include "solver/SolverHost.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace velin {

LineSolver::LineSolver(BoardModel& model, int rowCount, int columnCount, SolverHost& host)
    : model_(model), host_(host), rowCount_(rowCount), columnCount_(columnCount)
{
    AimView();
}

void LineSolver::BeginPass(int passDirection)
{
    passDirection_ = passDirection;
    const bool rows = passDirection == kRowsPass;
    passLines_ = rows ? rowCount_ : columnCount_;
    passLength_ = rows ? columnCount_ : rowCount_;
    const Grid61& runs = rows ? model_.RowRuns : model_.ColumnRuns;
    for (int line = 1; line <= passLines_; ++line) {
        int count = runs[line][0];
        if (count > kCompleteMarker)
            count -= kCompleteMarker;
        // Only the count and the clues are copied: what lies beyond stays from
        // the other direction's pass.
        for (int k = 0; k <= count && k <= kMaxLine; ++k)
            LineClues[line][k] = runs[line][k];
    }
    AimView();
}

// Cell() is the solver's most frequent call: it reads the line side by side,
// a row in the board itself and a column from a copy, and spares the pass
// direction and the 2-D index on every read.
void LineSolver::AimView()
{
    lineClues_ = LineClues[line_].data();
    const bool rows = passDirection_ == kRowsPass;
    if (rows) {
        lineView_ = model_.Board[line_].data();
    } else {
        for (int p = 1; p <= passLength_; ++p)
            columnCells_[p] = model_.Board[p][line_];
        lineView_ = columnCells_;
    }
    // Four cells at a time, one 16-bit lane each. The codes are 0, 1 (blank)
    // and 2 (filled); the product gathers the chosen bit of the four lanes
    // into bits 48 to 51.
    static_assert(std::endian::native == std::endian::little, "lane i holds the i-th cell");
    constexpr uint64_t kLanes = 0x0001000100010001;
    constexpr uint64_t kGather = (uint64_t{1} << 48) | (uint64_t{1} << 33) | (uint64_t{1} << 18) | (uint64_t{1} << 3);
    uint64_t filled = 0;
    uint64_t blank = 0;
    for (int p = 1; p <= passLength_; p += 4) { // p + 3 <= kMaxLine
        uint64_t four;
        std::memcpy(&four, lineView_ + p, sizeof four);
        filled |= (((four >> 1) & kLanes) * kGather >> 48) << p;
        blank |= ((four & kLanes) * kGather >> 48) << p;
    }
    // The lanes past the line's end read the board's unused border (or what
    // a longer column left in the copy).
    const uint64_t line = (uint64_t{2} << passLength_) - 2;
    SetLineSets(filled & line, blank & line);
}

void LineSolver::SetLineSets(uint64_t filled, uint64_t blank)
{
    lineFilled_ = filled;
    lineBlank_ = blank;
    changesForward_ = (filled ^ (filled << 1)) | (blank ^ (blank << 1));
    changesBackward_ = (filled ^ (filled >> 1)) | (blank ^ (blank >> 1));
}

void LineSolver::BeginLine(int line)
{
    line_ = line;
    AimView();
    visitSkipped_ = false;
    forcedCount_ = -1;
    SweepState = 0;
    LineComplete = 0;
    Step = 1;
    finishRequested_ = false;
}

void LineSolver::RunLineRules(int line)
{
    BeginLine(line);

    SweepEnds();
    if (LineComplete)
        return;

    FindClueExtremes();
    if (FirstOpenClue == LastOpenClue) {
        SolveSingleClue();
        return;
    }

    FindSecondLargest();
    // Most visits to a line drawn by a person decide nothing, and the rules
    // cost the same whether they act or not.
    bool deduced = false;
    int decided = 0;
    if (skipFruitlessVisits_ && !RulesCanDecide(deduced, decided)) {
        LeaveStateOfFruitlessVisit(deduced, decided, /*statisticsCurrent=*/true);
        return;
    }
    const int decidedBefore = cellsDecided_;

    SettleEndClues();
    if (LineComplete)
        return;

    MatchStretches();
    SweepEnds();
    if (LineComplete)
        return;

    SettleEdgeCell();
    SweepEnds();
    if (LineComplete)
        return;

    // The general rules may have decided every cell that was forced.
    if (skipFruitlessVisits_ && cellsDecided_ != decidedBefore && !RulesCanDecide(deduced, decided)) {
        LeaveStateOfFruitlessVisit(deduced, decided, /*statisticsCurrent=*/false);
        return;
    }
    RunPatternGroups();
}

// Every rule marks only cells that all placements of the clues agree on, and
// the complete deduction over the window finds every such cell: when it finds
// none, the rules would decide nothing. A window it cannot judge (the cells
// contradict the clues) or one without an undecided cell (3i would complete
// the line) goes through the rules.
bool LineSolver::RulesCanDecide(bool& deduced, int& decided)
{
    deduced = false;
    decided = 0;
    // Without scan 2 the first two stretches a skipped visit would note are
    // not known (LeaveStateOfFruitlessVisit): only a window where no stretch
    // ends, so that no scan notes one, may skip then.
    if (!Enabled(RuleFamily::Scan2) && LastOpenClue - FirstOpenClue >= 2) {
        for (int p = WindowStart + 1; p <= WindowEnd; ++p)
            if ((Cell(p - 1) == kFilled) != (Cell(p) == kFilled))
                return true;
    }
    // The rules mark forced cells only, and marking a forced cell forces
    // no other: once as many cells were decided as the deduction earlier in
    // this visit found forced, none is left.
    if (forcedCount_ >= 0) {
        if (cellsDecided_ - forcedAt_ < forcedCount_)
            return true;
        deduced = true;
        decided = DecidedInLine();
        return false;
    }
    // 3i left the line at its fixpoint and nothing changed since.
    decided = DecidedInLine();
    if (Rule3iSeen[passDirection_ == kRowsPass ? 0 : 1][line_] == decided + 1)
        return false;
    WindowDeduction deduction;
    if (!DeduceWindow(deduction))
        return true;
    deduced = true;
    if (deduction.open != 0) {
        forcedCount_ = std::popcount(deduction.mustFill | deduction.mustBlank);
        forcedAt_ = cellsDecided_;
    }
    return (deduction.mustFill | deduction.mustBlank) != 0 || deduction.open == 0;
}

// The first two stretches that end inside the window, walking from E in
// direction d as the end scans do (TrackEndScanCell): start and after-cell.
void LineSolver::NoteFirstStretches()
{
    if (dist(E, F) < 0)
        return;
    const int low = std::min(E, F);
    const int high = std::max(E, F);
    const uint64_t window = ((uint64_t{2} << high) - 1) & ~((uint64_t{1} << low) - 1);
    const uint64_t filled = lineFilled_ & window;
    // Bit p: the cell before p in the walk is filled (none before E).
    const uint64_t afterFilled = d > 0 ? filled << 1 : filled >> 1;
    const uint64_t starts = filled & ~afterFilled;
    uint64_t ends = window & ~filled & afterFilled;
    for (int ended = 1; ended <= 2 && ends != 0; ++ended) {
        // The nearest end to E, and the nearest start before it.
        const int end = d > 0 ? std::countr_zero(ends) : 63 - std::countl_zero(ends);
        const uint64_t walked = d > 0 ? (uint64_t{1} << end) - 1 : ~((uint64_t{2} << end) - 1);
        const int start = d > 0 ? 63 - std::countl_zero(starts & walked) : std::countr_zero(starts & walked);
        if (ended == 1) {
            f1s = start;
            f1e = end;
        } else {
            f2s = start;
            f2e = end;
        }
        ends &= ~(uint64_t{1} << end);
    }
}

// What the rules leave behind on a visit that decides nothing, for the rules
// of later lines that read it. The general rules leave nothing but marks,
// and FinishLine's segment scan nothing at all; the pattern groups
// (RunPatternGroups) leave the host calls, the clue statistics of the third
// group, its OpenClueTotal, the pass notation of its last pass
// (SetUpPass(-1); c2 .. c5 as that pass leaves them), 3i's fixpoint note and
// the first two stretches the end scans note (f1, f2).
//
// Scans 7 and 9 may read f1 and f2 before setting them (scan 7's rule C at
// its second segment end with one stretch met or the second still open at
// F, scan 9's rule A with the first stretch open at F), and so see what a
// scan on an earlier line left. With three or more clues open, scan 2 walks
// past the second stretch end of each pass (its rule B lives until then), so
// each pass notes them, the backward pass last; a stretch end that is not
// there leaves the value of the pass before, or of the visit before.
//
// The other positions the scans remember (S, fs, fe, nf, f3, f4, P, Q, G, H,
// R, X) are not replayed: a visit sets each before its reading matters
// (FruitlessVisitTest scrambles them before every visit and finds the same
// marks).
void LineSolver::LeaveStateOfFruitlessVisit(bool deduced, int decided, bool statisticsCurrent)
{
    ++visitsSkipped_;
    visitSkipped_ = true;
    host_.ShowPlayTime(); // RunPatternGroups
    for (int direction : {+1, -1}) {
        SetUpPass(direction);
        if (N >= 2 && Enabled(RuleFamily::Scan2))
            NoteFirstStretches();
    }
    LeaveStateOfThirdGroup(deduced, decided, statisticsCurrent);
}

// What the third group leaves when it decides nothing: its host call, the
// clue statistics, OpenClueTotal, the pass notation of its last pass (3f's
// backward pass) and 3i's fixpoint note.
void LineSolver::LeaveStateOfThirdGroup(bool deduced, int decided, bool statisticsCurrent)
{
    host_.ShowPlayTime();
    // With the statistics current, the passes were just set up from the same
    // window and clues (LeaveStateOfFruitlessVisit): doing both again would
    // leave the same values.
    if (!statisticsCurrent) {
        FindClueExtremes();
        FindSecondLargest();
    }
    OpenClueTotal = 0;
    for (int k = FirstOpenClue; k <= LastOpenClue; ++k)
        OpenClueTotal += Clue(k) + (k > FirstOpenClue ? 1 : 0);
    if (!statisticsCurrent) {
        for (int direction : {+1, -1})
            SetUpPass(direction);
    }
    Step = 1;
    // 3i, the group's last rule, would have run its deduction and noted the
    // fixpoint.
    if (deduced && Enabled(RuleFamily::Rule3i))
        Rule3iSeen[passDirection_ == kRowsPass ? 0 : 1][line_] = static_cast<int16_t>(decided + 1);
}

// After a pass of a group (or, with onlyByCount, a rule) that decided cells,
// the rest of the visit may have nothing left to force: it then only leaves
// its state. A pass that decided nothing leaves the window as the last check
// found it. onlyByCount checks only when the count of forced cells is known,
// which costs no deduction.
bool LineSolver::RestOfVisitIsFruitless(bool onlyByCount)
{
    if (!skipFruitlessVisits_ || cellsDecided_ == decidedAtCheck_ || (onlyByCount && forcedCount_ < 0))
        return false;
    decidedAtCheck_ = cellsDecided_;
    if (RulesCanDecide(restDeduced_, restDecided_))
        return false;
    // FinishLine's segment scan has nothing to decide either.
    visitSkipped_ = true;
    restFruitless_ = true;
    return true;
}

void LineSolver::RunPatternGroups()
{
    host_.ShowPlayTime();
    decidedAtCheck_ = cellsDecided_;
    restFruitless_ = false;
    EndPatternRules();
    if (finishRequested_ || SweepEndsReachedFinish())
        return;
    // The second group leaves nothing a later line reads, only positions its
    // own rules set before they read them.
    if (!restFruitless_ && !RestOfVisitIsFruitless()) {
        SecondGroup();
        if (finishRequested_ || SweepEndsReachedFinish())
            return;
        if (!restFruitless_ && !RestOfVisitIsFruitless()) {
            ThirdGroup();
            return;
        }
    }
    LeaveStateOfThirdGroup(restDeduced_, restDecided_);
}

bool LineSolver::SweepEndsReachedFinish()
{
    SweepEnds();
    if (LineComplete)
        finishRequested_ = true;
    return finishRequested_;
}

void LineSolver::SetUpPass(int direction)
{
    d = direction;
    Step = direction;
    const bool forward = direction > 0;
    E = forward ? WindowStart : WindowEnd;
    F = forward ? WindowEnd : WindowStart;
    k1 = forward ? FirstOpenClue : LastOpenClue;
    kF = forward ? LastOpenClue : FirstOpenClue;
    N = LastOpenClue - FirstOpenClue;
    c1 = Clue(k1);
    if (N >= 1)
        c2 = Clue(k1 + d);
    if (N >= 2)
        c3 = Clue(k1 + 2 * d);
    if (N >= 3)
        c4 = Clue(k1 + 3 * d);
    if (N >= 4)
        c5 = Clue(k1 + 4 * d);
}

void LineSolver::EndPatternRules()
{
    using RF = RuleFamily;
    static constexpr struct {
        RuleFamily family;
        void (LineSolver::*rule)();
    } scans[] = {
        {RF::Scan1, &LineSolver::Scan1},   {RF::Scan2, &LineSolver::Scan2},   {RF::Scan3, &LineSolver::Scan3},
        {RF::Scan4, &LineSolver::Scan4},   {RF::Scan5, &LineSolver::Scan5},   {RF::Scan6, &LineSolver::Scan6},
        {RF::Scan7, &LineSolver::Scan7},   {RF::Scan8, &LineSolver::Scan8},   {RF::Scan9, &LineSolver::Scan9},
        {RF::Scan10, &LineSolver::Scan10}, {RF::Scan11, &LineSolver::Scan11}, {RF::Scan12, &LineSolver::Scan12},
        {RF::Scan13, &LineSolver::Scan13}, {RF::Scan14, &LineSolver::Scan14}, {RF::Scan15, &LineSolver::Scan15},
        {RF::Scan16, &LineSolver::Scan16}, {RF::Scan17, &LineSolver::Scan17}, {RF::Scan18, &LineSolver::Scan18},
        {RF::Scan19, &LineSolver::Scan19}, {RF::Scan20, &LineSolver::Scan20},
    };
    for (int direction : {+1, -1}) {
        SetUpPass(direction);
        // With one or two clues open the catalogue has nothing to match;
        // only scan 21 looks at the line.
        if (N >= 2) {
            for (const auto& scan : scans) {
                // A scan may have left Step elsewhere (OverlapInSegment
                // restores it, but be safe): every scan walks in d.
                Step = d;
                RunRule(scan.family, scan.rule);
            }
        }
        Step = d;
        RunRule(RF::Scan21, &LineSolver::Scan21);
        if (direction > 0 && RestOfVisitIsFruitless()) {
            // The backward pass would decide nothing; its scans would note
            // the first two stretches from the other end.
            SetUpPass(-1);
            if (N >= 2 && Enabled(RF::Scan2))
                NoteFirstStretches();
            return;
        }
    }
}

// ---- Marking primitives -------------------------------------------------

void LineSolver::Mark(int from, int to, int16_t code)
{
    const int step = Step;
    // Nothing happens when `to` lies before `from` in the walking direction.
    if ((to - from) * step < 0)
        return;
    for (int p = from;; p += step) {
        if (p >= 1 && p <= passLength_ && Cell(p) == kUndecided) {
            if (observer_)
                observer_->BeforeMark(*this, p, code);
            const int row = RowOf(p);
            const int column = ColumnOf(p);
            model_.Board[row][column] = code;
            if (lineView_ == columnCells_)
                columnCells_[p] = code;
            if (code == kFilled)
                SetLineSets(lineFilled_ | uint64_t{1} << p, lineBlank_);
            else
                SetLineSets(lineFilled_, lineBlank_ | uint64_t{1} << p);
            ++cellsDecided_;
            // A blank at either end of the range may end a run or a segment
            // that SweepEnds has to look at again.
            if (code == kBlank && (p == from || p == to))
                SweepState = 2;
            host_.CellDecided(row, column, code);
        }
        if (p == to)
            break;
    }
}

void LineSolver::MarkFilled(int from, int to)
{
    Mark(from, to, kFilled);
}

void LineSolver::MarkBlank(int from, int to)
{
    Mark(from, to, kBlank);
}

void LineSolver::OverlapInSegment(int firstClue, int lastClue, int from, int to)
{
    const int savedStep = Step;
    Step = 1;
    int sum = 0;
    int largest = 0;
    for (int k = firstClue; k <= lastClue; ++k) {
        sum += Clue(k);
        if (Clue(k) > largest)
            largest = Clue(k);
    }
    // A segment this roomy leaves every clue free to move past its overlap.
    if (to - from >= sum + largest + (lastClue - firstClue)) {
        Step = savedStep;
        return;
    }
    int packedBefore = 0; // clues firstClue..j summed
    for (int j = firstClue; j <= lastClue; ++j) {
        const int clue = Clue(j);
        const int packedAfter = sum - packedBefore; // clues j..lastClue summed
        packedBefore += clue;
        const int leftEnd = from - 1 + packedBefore + (j - firstClue);
        const int rightStart = to + 1 - packedAfter - (lastClue - j);
        if (leftEnd - rightStart > clue || rightStart > leftEnd)
            continue;
        MarkFilled(rightStart, leftEnd);
        if (clue == leftEnd - rightStart) {
            if (WindowStart < rightStart)
                MarkBlank(rightStart - 1, rightStart - 1);
            if (leftEnd < WindowEnd)
                MarkBlank(leftEnd + 1, leftEnd + 1);
        }
    }
    Step = savedStep;
}

} // namespace velin
