// The general rules of the line solver: the end sweep that places the clues
// already fixed at either end and narrows the window, the clue statistics,
// the rules for one open clue, for the clues at the window's ends, for
// stretches matched one to one with clues, and the segment scan that finishes
// an open line.
#include "app/Shared.h"
#include "solver/LineSolver.h"

namespace velin {

namespace {

// Keeps the walking direction of the caller: a general rule may be run from
// inside a pattern group, whose pass must go on in its own direction.
class StepGuard {
public:
    explicit StepGuard(int& step) : step_(step), saved_(step) {}
    ~StepGuard() { step_ = saved_; }
    StepGuard(const StepGuard&) = delete;
    StepGuard& operator=(const StepGuard&) = delete;

private:
    int& step_;
    int saved_;
};

} // namespace

// ---- End sweep ------------------------------------------------------------

// Walks the line from each end, matching the clues in order with the runs
// found: a run that starts right after a blank (or at the range's start) is
// the clue's run for certain, so an undecided cell inside or just after it is
// decided. The first undecided cell that no run reaches stops the walk; the
// clues and cells passed so far are settled and the window shrinks to what
// remains.
void LineSolver::SweepEnds()
{
    if (SweepState == 1)
        return;
    RuleScope scope(*this, "SweepEnds");
    StepGuard stepGuard(Step);

    int rangeStart = 1;
    int rangeEnd = passLength_;
    int firstClue = 1;
    int lastClue = ClueCount();
    if (SweepState == 2) {
        rangeStart = WindowStart;
        rangeEnd = WindowEnd;
        firstClue = FirstOpenClue;
        lastClue = LastOpenClue;
    }
    LineComplete = 0;
    SweepState = 1;
    WindowStart = rangeStart;
    WindowEnd = rangeEnd;
    FirstOpenClue = firstClue;
    LastOpenClue = lastClue;

    if (SweepPass(+1, rangeStart, rangeEnd, firstClue, lastClue)) {
        LineComplete = 1;
        return;
    }
    // The backward walk goes on to the line's start and clue 1: the runs
    // before the window are already placed, so it meets them in order.
    if (SweepPass(-1, rangeEnd, 1, lastClue, 1))
        LineComplete = 1;
}

bool LineSolver::SweepPass(int direction, int rangeStart, int rangeEnd, int firstClue, int lastClue)
{
    Step = direction;
    int scanStart = rangeStart;
    int segmentStart = rangeStart;
    int prev = kBlank;
    for (int k = firstClue; (lastClue - k) * direction >= 0; k += direction) {
        const int clue = Clue(k);
        int anchor = 0;
        bool nextClue = false;
        for (int here = scanStart; (rangeEnd - here) * direction >= 0;
             here = NextChangeOrLast(here, prev, rangeEnd, direction)) {
            const int cur = Cell(here);
            if (prev == kBlank && cur != kBlank)
                segmentStart = here;
            if (prev == kBlank && cur == kFilled)
                anchor = here;
            if (cur == kUndecided) {
                if (anchor == 0) {
                    // Nothing fixes this cell: the open part of the line
                    // begins with this segment.
                    if (direction > 0) {
                        FirstOpenClue = k;
                        WindowStart = segmentStart;
                    } else {
                        LastOpenClue = k;
                        WindowEnd = segmentStart;
                    }
                    if (LastOpenClue < FirstOpenClue)
                        LineComplete = 1;
                    return false;
                }
                // The run began at the anchor: complete it and close it.
                const int runEnd = anchor + (clue - 1) * direction;
                MarkFilled(here, runEnd);
                MarkBlank(runEnd + direction, runEnd + direction);
                scanStart = runEnd + direction;
                prev = kBlank;
                nextClue = true;
                break;
            }
            if (prev == kFilled && cur == kBlank) {
                // A run already fully decided: taken as this clue's run.
                scanStart = here;
                prev = kBlank;
                nextClue = true;
                break;
            }
            prev = cur;
        }
        if (!nextClue) {
            // The cells ran out without an undecided one: everything up to
            // the range's end is decided, and so is the clue.
            scanStart = rangeEnd + direction;
        }
    }
    return true;
}

// ---- Clue statistics ------------------------------------------------------

void LineSolver::FindClueExtremes()
{
    LargestClue = 0;
    SmallestClue = Clue(FirstOpenClue);
    for (int k = FirstOpenClue; k <= LastOpenClue; ++k) {
        const int clue = Clue(k);
        if (clue > LargestClue) {
            LargestClue = clue;
            LargestClueIndex = k;
        }
        if (clue < SmallestClue)
            SmallestClue = clue;
    }
}

void LineSolver::FindSecondLargest()
{
    LargestClueCount = 0;
    SecondLargestClue = SmallestClue;
    for (int k = FirstOpenClue; k <= LastOpenClue; ++k) {
        const int clue = Clue(k);
        if (clue == LargestClue)
            ++LargestClueCount;
        if (clue > SecondLargestClue && clue < LargestClue)
            SecondLargestClue = clue;
    }
}

// ---- One open clue --------------------------------------------------------

// Only one clue is left for the window, so every filled cell in it belongs to
// that clue's run.
void LineSolver::SolveSingleClue()
{
    RuleScope scope(*this, "SolveSingleClue");
    StepGuard stepGuard(Step);
    Step = 1;
    const int clue = Clue(FirstOpenClue);
    if (Clue(1) == 0) {
        // The line must stay empty.
        MarkBlank(WindowStart, WindowEnd);
        return;
    }
    // The cells that every placement of the run covers.
    MarkFilled(WindowEnd - clue + 1, WindowStart + clue - 1);

    int prev = kBlank;
    bool filledSeen = false;
    int firstFilled = 0;
    for (int here = WindowStart; here <= WindowEnd; ++here) {
        const int cur = Cell(here);
        if (prev == kBlank && cur == kFilled) {
            // The run starts here for certain.
            MarkBlank(WindowStart, here);
            MarkFilled(here, here + clue - 1);
            MarkBlank(here + clue, WindowEnd);
            LineComplete = 1;
            return;
        }
        if ((cur == kFilled && here == WindowEnd) || (prev == kFilled && cur == kBlank)) {
            // The run ends here (or just before) for certain.
            const int beforeRun = here - clue - (cur == kBlank ? 1 : 0);
            MarkBlank(WindowStart, beforeRun);
            MarkFilled(beforeRun + 1, here);
            MarkBlank(here, WindowEnd);
            LineComplete = 1;
            return;
        }
        if (!filledSeen && prev != kFilled && cur == kFilled) {
            firstFilled = here;
            filledSeen = true;
        }
        if (filledSeen && prev == kFilled && cur == kUndecided) {
            // The run holds firstFilled..lastFilled: fill between, and blank
            // what lies farther than the clue's length from either end.
            const int lastFilled = here - 1;
            MarkBlank(WindowStart, lastFilled - clue);
            MarkFilled(firstFilled, lastFilled);
            MarkBlank(firstFilled + clue, WindowEnd);
        }
        prev = cur;
    }
}

// ---- Both end clues -------------------------------------------------------

// The segment that touches the window's edge is too short for the edge clue
// and the next one together, and holds a filled cell: the edge clue lies in
// it, so its overlap there is filled, and a filled reach cell ties the
// stretch through it to the edge clue.
void LineSolver::SettleEndClues()
{
    RuleScope scope(*this, "SettleEndClues");
    {
        StepGuard stepGuard(Step);
        SettleEndCluesPass(+1);
        SettleEndCluesPass(-1);
    }
    SweepEnds();
}

void LineSolver::SettleEndCluesPass(int direction)
{
    Step = direction;
    const bool forward = direction > 0;
    const int edge = forward ? WindowStart : WindowEnd;
    const int farEdge = forward ? WindowEnd : WindowStart;
    const int clueIndex = forward ? FirstOpenClue : LastOpenClue;
    const int first = Clue(clueIndex);
    const int second = Clue(clueIndex + direction);
    const int reach = edge + (first - 1) * direction;
    if (reach < WindowStart || reach > WindowEnd)
        return;
    auto distance = [direction](int from, int to) { return (to - from) * direction; };

    int prev = kBlank;
    int stretchStart = 0;
    int afterStretch = 0;
    for (int here = edge; (farEdge - here) * direction >= 0;
         here = NextChangeOrLast(here, prev, farEdge, direction)) {
        const int cur = Cell(here);
        if (prev != kFilled && cur == kFilled)
            stretchStart = here;
        if (here == edge && cur == kFilled) {
            // The edge clue starts at the edge.
            MarkFilled(edge, reach);
            MarkBlank(reach + direction, reach + direction);
            return;
        }
        if (prev == kFilled && cur != kFilled)
            afterStretch = here;
        if (prev != kBlank && cur == kBlank) {
            const int segmentEnd = here;
            if (first + second < distance(edge, segmentEnd) || stretchStart == 0)
                return;
            // Nothing was marked on the way here: the reach cell is as the
            // walk passed it.
            const bool reachFilled = distance(reach, segmentEnd) > 0 && Cell(reach) == kFilled;
            MarkFilled(segmentEnd - first * direction, reach);
            if (reachFilled && distance(stretchStart, reach) >= 0) {
                if (distance(afterStretch, reach) >= 0) {
                    MarkFilled(afterStretch, reach);
                } else {
                    if (first == distance(stretchStart, afterStretch))
                        MarkBlank(afterStretch, afterStretch);
                    MarkBlank(edge, afterStretch - (first + 1) * direction);
                }
            }
            return;
        }
        prev = cur;
    }
}

// ---- Stretches matched to clues -------------------------------------------

// When the window holds exactly one stretch per open clue and no two
// neighbouring stretches can be one run (they span more than the largest
// clue), the k-th stretch is the k-th clue's run: the cells out of that run's
// reach between two stretches are blank.
void LineSolver::MatchStretches()
{
    RuleScope scope(*this, "MatchStretches");
    StepGuard stepGuard(Step);
    Step = 1;
    if (MatchStretchesPhase(false))
        MatchStretchesPhase(true);
}

bool LineSolver::MatchStretchesPhase(bool mark)
{
    const int openClues = LastOpenClue - FirstOpenClue + 1;
    int scanStart = WindowStart;
    int stretches = 0;
    int prev = kBlank;
    bool stretchClosed = false;
    int stretchStart = 0;
    int afterStretch = 0;
    for (int k = FirstOpenClue; k <= LastOpenClue; ++k) {
        const int clue = Clue(k);
        bool nextClue = false;
        for (int here = scanStart; here <= WindowEnd; here = NextChangeOrLast(here, prev, WindowEnd, 1)) {
            const int cur = Cell(here);
            if (!stretchClosed && prev != kFilled && cur == kFilled)
                stretchStart = here;
            if (prev == kFilled && cur != kFilled) {
                afterStretch = here;
                stretchClosed = true;
                ++stretches;
            }
            if (stretchClosed && prev != kFilled && cur == kFilled) {
                // A second stretch begins: it must be too far from the first
                // for one run, and the first must fit this clue.
                if (here + 1 - stretchStart > LargestClue && clue >= afterStretch - stretchStart) {
                    if (mark)
                        MarkBlank(scanStart, afterStretch - (clue + 1));
                    scanStart = stretchStart + clue;
                    prev = kBlank;
                    stretchClosed = false;
                    nextClue = true;
                    break;
                }
                return false;
            }
            prev = cur;
        }
        if (nextClue)
            continue;
        if (stretches != openClues)
            return false;
        if (mark) {
            MarkBlank(scanStart, afterStretch - (clue + 1));
            MarkBlank(stretchStart + clue, WindowEnd);
        }
    }
    return true;
}

// ---- Edge cell ------------------------------------------------------------

// Two situations near the window's edge: a filled cell one clue length from
// an undecided edge cell means the edge clue cannot start at the edge (the
// edge is blank); and a closed stretch within reach of the first two clues
// that is too long for the second belongs to the first.
void LineSolver::SettleEdgeCell()
{
    RuleScope scope(*this, "SettleEdgeCell");
    StepGuard stepGuard(Step);
    SettleEdgeCellPass(+1);
    SettleEdgeCellPass(-1);
}

void LineSolver::SettleEdgeCellPass(int direction)
{
    Step = direction;
    const bool forward = direction > 0;
    const int edge = forward ? WindowStart : WindowEnd;
    const int clueIndex = forward ? FirstOpenClue : LastOpenClue;
    const int first = Clue(clueIndex);
    const int second = Clue(clueIndex + direction);
    int limit = edge + (first + second) * direction;
    if (limit < 1)
        limit = 1;
    if (limit > passLength_)
        limit = passLength_;
    auto distance = [direction](int from, int to) { return (to - from) * direction; };

    int prev = kBlank;
    bool edgeUndecided = false;
    int stretchStart = 0;
    for (int here = edge; (limit - here) * direction >= 0; here += direction) {
        const int cur = Cell(here);
        if (here == edge && cur == kUndecided)
            edgeUndecided = true;
        if (prev == kFilled && cur == kUndecided)
            return;
        if (prev != kFilled && cur == kFilled)
            stretchStart = here;
        if (here == edge + first * direction && edgeUndecided && cur == kFilled) {
            MarkBlank(edge, edge);
            return;
        }
        if (prev == kFilled && cur == kBlank) {
            const int blankAfter = here;
            if (distance(stretchStart, blankAfter) > second) {
                int from = edge;
                if (first != distance(edge, blankAfter)) {
                    MarkBlank(edge, blankAfter - (first + 1) * direction);
                    from = blankAfter - first * direction;
                }
                MarkFilled(from, stretchStart);
            }
            return;
        }
        prev = cur;
    }
}

// ---- Finishing a line -----------------------------------------------------

void LineSolver::FinishLine()
{
    if (visitSkipped_ && !LineComplete)
        return;
    RuleScope scope(*this, "FinishLine");
    if (LineComplete) {
        // Every clue is placed: what is still undecided is blank.
        StepGuard stepGuard(Step);
        Step = 1;
        MarkBlank(WindowStart, WindowEnd);
        Grid61& runs = passDirection_ == kRowsPass ? model_.RowRuns : model_.ColumnRuns;
        runs[line_][0] = static_cast<int16_t>(runs[line_][0] + kCompleteMarker);
        return;
    }
    ScanSegments();
}

// One forward walk over the window that looks at each segment as it closes:
// too short for any clue, room for the smallest clue only, exactly the
// largest clue's length, or two stretches that must be one run.
void LineSolver::ScanSegments()
{
    RuleScope scope(*this, "ScanSegments");
    StepGuard stepGuard(Step);
    Step = 1;
    int prev = kBlank;
    int stretches = 0;
    int segStart = 0;
    int stretchStart = 0;
    int afterStretch = 0;
    int first1 = 0, after1 = 0, start2 = 0;
    for (int here = WindowStart; here <= WindowEnd; here = NextChangeOrLast(here, prev, WindowEnd, 1)) {
        const int cur = Cell(here);
        if (prev == kBlank && cur != kBlank)
            segStart = here;
        if (prev != kFilled && cur == kFilled) {
            stretchStart = here;
            ++stretches;
        }
        if (prev == kFilled && cur != kFilled) {
            afterStretch = here;
            if (stretches == 1) {
                first1 = stretchStart;
                after1 = afterStretch;
            } else if (stretches == 2) {
                start2 = stretchStart;
            }
        }
        if ((prev != kBlank && cur == kBlank) || here == WindowEnd) {
            const int last = cur == kBlank ? here - 1 : here;
            const int length = last - segStart + 1;
            // Too short for the smallest clue, and nothing filled in it.
            if (length < SmallestClue && stretchStart < segStart)
                MarkBlank(segStart, last);
            // Only one clue fits, and it must be a smallest one; its stretch
            // has that length, so the cells around it are blank.
            if (afterStretch - stretchStart == SmallestClue && SmallestClue == SecondLargestClue &&
                segStart <= stretchStart && length < LargestClue && last - segStart < 2 * SmallestClue)
                MarkBlank(stretchStart - 1, last);
            // A stretch too long for anything but the largest clue, in a
            // segment of exactly that length.
            if (afterStretch - stretchStart > SecondLargestClue && stretches == 1 && length == LargestClue)
                MarkFilled(segStart, last);
            // Two stretches close enough to be one largest run, where no
            // pair of the second-largest clues could hold them apart.
            if (stretches == 2 && after1 - first1 >= SecondLargestClue &&
                afterStretch - stretchStart >= SecondLargestClue && (segStart == first1 || last + 1 == afterStretch) &&
                last + 1 - segStart > LargestClue && afterStretch - first1 <= LargestClue &&
                Clue(LargestClueIndex - 1) != SecondLargestClue && Clue(LargestClueIndex + 1) != SecondLargestClue &&
                !AdjacentOpenCluesEqual(SecondLargestClue) &&
                !TwoCluesCouldHoldApart(after1 - first1, afterStretch - start2, start2 - after1))
                MarkFilled(after1, start2);
            stretches = 0;
        }
        prev = cur;
    }
}

// Whether two open clues, the earlier at least firstLength long and the later
// at least secondLength, could cover two stretches with `gap` cells between
// them, with the clues between those two placed in the gap. The neighbour
// checks of the two-stretch rule look only at the first largest clue and at
// equal neighbours: with clues 3 3 1 3 3 1 3 the segment "???#?#." may hold
// the end of a 3 and a 1 as well as one 3, so its gap must stay open.
bool LineSolver::TwoCluesCouldHoldApart(int firstLength, int secondLength, int gap) const
{
    for (int i = FirstOpenClue; i < LastOpenClue; ++i) {
        if (Clue(i) < firstLength)
            continue;
        int between = 0; // the clues between i and j, each with one blank
        for (int j = i + 1; j <= LastOpenClue; ++j) {
            if (Clue(j) >= secondLength && between + 1 <= gap)
                return true;
            between += Clue(j) + 1;
        }
    }
    return false;
}

bool LineSolver::AdjacentOpenCluesEqual(int value) const
{
    for (int k = FirstOpenClue; k < LastOpenClue; ++k)
        if (Clue(k) == value && Clue(k + 1) == value)
            return true;
    return false;
}

} // namespace velin
