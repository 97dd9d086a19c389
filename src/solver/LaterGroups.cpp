// The rule groups that follow the end pattern rules on a line: the second
// group (rules 2a-2g and the clue-reach scan, from both ends) and the third
// group (rules 3a-3i and the smallest-clue scan, in their fixed order).
//
// The third group ends with a complete deduction over the window (3i): every
// undecided cell that has the same value in all placements of the open clues
// that agree with the decided cells is marked. With it the solver finishes
// every puzzle that line logic alone can finish; the hand-made rules before
// it only get there sooner on the common shapes.
#include "app/Shared.h"
#include "solver/LineSolver.h"
#include "solver/SolverHost.h"

#include <algorithm>
#include <bit>

namespace velin {

namespace {

// The positions p whose c cells p .. p + c - 1 all lie in `open` (with the
// complete deduction below).
uint64_t RoomFor(uint64_t open, int c);

} // namespace

// ==== The second group ========================================================

void LineSolver::SecondGroup()
{
    using RF = RuleFamily;
    for (int direction : {+1, -1}) {
        // The group leaves nothing a later line reads: once no cell is left
        // to force, the rest of it can only read the line.
        if (restFruitless_)
            break;
        SetUpPass(direction);
        auto run = [this](RuleFamily family, void (LineSolver::*rule)()) {
            if (restFruitless_)
                return;
            Step = d;
            RunRule(family, rule);
            RestOfVisitIsFruitless(true);
        };
        run(RF::Rule2a, &LineSolver::Rule2a);
        if (k1 != kF)
            run(RF::Rule2b, &LineSolver::Rule2b);
        run(RF::Rule2c, &LineSolver::Rule2c);
        if (c1 < c2) {
            run(RF::Rule2d, &LineSolver::Rule2d);
            run(RF::Rule2e, &LineSolver::Rule2e);
        }
        if (N > 0)
            run(RF::Rule2f, &LineSolver::Rule2f);
        if (N > 1)
            run(RF::Rule2g, &LineSolver::Rule2g);
        run(RF::ClueReach, &LineSolver::ClueReachScan);
        if (direction > 0)
            RestOfVisitIsFruitless();
    }
    Step = 1;
}

// Rule 2a: the stretches from E matched one by one to the clues. A stretch
// that the next clue, packed against the last matched stretch, already
// reaches is that clue's (a later clue would leave it no room); one that only
// a later clue reaches is matched when it is longer than every clue it skips.
void LineSolver::Rule2a()
{
    int kc = k1;
    int base = E;
    int s = 0;
    int sp = 0;
    int cur = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cell = Cell(pos);
        if (prev != kFilled && cell == kFilled) {
            sp = s;
            s = pos;
        }
        if (prev == kFilled && cell != kFilled) {
            const int a = pos;
            int sum = 0;
            int mx = 0;
            for (int k = kc; dist(k, kF) >= 0; k += d) {
                const int prevc = cur;
                cur = Clue(k);
                sum += cur;
                if (cur < dist(s, a) && s == base + (cur + 1) * d)
                    return;
                // The stretch may still belong to the clue matched last (prevc
                // here), whose run can reach past its stretch: asked before
                // the walk passes on to a later clue, not only where it stops.
                if (k == kc && sp != 0 && dist(sp, s) <= prevc - 1)
                    return;
                if (sum < dist(base, s)) {
                    sum += 1;
                    mx = std::max(mx, cur);
                    continue;
                }
                // Close enough to the last matched stretch to be the same run.
                if (sp != 0 && dist(sp, s) <= prevc - 1)
                    return;
                if (k == kc) {
                    MarkFilled(a, base + (cur - 1) * d);
                    base = a + d;
                    kc = k + d;
                    if (dist(s, a) == cur)
                        MarkBlank(s - d, a);
                } else if (dist(s, a) > mx) {
                    base = a + d;
                    kc = k + d;
                } else {
                    return;
                }
                break;
            }
        }
        prev = cell;
    }
}

// Rule 2b: when the open clues, packed greedily into the segments after the
// first one, do not all fit, the first segment holds c1: its overlap there
// is filled.
void LineSolver::Rule2b()
{
    bool first = true;
    int kc = k1;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cell = Cell(pos);
        if (prev == kBlank && cell != kBlank)
            S = pos;
        const bool atF = pos == F && cell != kBlank;
        if ((prev != kBlank && cell == kBlank) || atF) {
            const int b = atF ? pos + d : pos;
            const int seg = dist(S, b);
            if (first) {
                first = false;
                if (atF)
                    return;
                P = {S, b, 0};
                if (!(2 * c1 > seg))
                    return;
            } else {
                int sum = 0;
                for (int k = kc; dist(k, kF) >= 0; k += d) {
                    sum += Clue(k);
                    if (sum > seg) {
                        if (k == k1)
                            break;
                        if (!atF) {
                            kc = k;
                            break;
                        }
                        MarkFilled(P.end - c1 * d, P.start + (c1 - 1) * d);
                        return;
                    }
                    if (k == kF)
                        return;
                    sum += 1;
                }
            }
        }
        prev = cell;
    }
}

// Rule 2c: the open clues packed greedily into the segments from E; those
// left over for the last segment (the one at F) all lie in it, so their
// overlap there is filled.
void LineSolver::Rule2c()
{
    int kc = k1;
    int sum = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cell = Cell(pos);
        if (prev == kBlank && cell != kBlank)
            S = pos;
        const bool atF = pos == F && cell != kBlank;
        if ((prev != kBlank && cell == kBlank) || atF) {
            const int b = atF ? pos + d : pos;
            const int seg = dist(S, b);
            for (int k = kc; dist(k, kF) >= 0; k += d) {
                sum += Clue(k);
                if (!atF && k == kF)
                    return;
                if (seg < sum) {
                    sum = 0;
                    kc = k;
                    break;
                }
                if (atF && k == kF) {
                    if (2 * sum >= seg)
                        OverlapInPass(kc, kF, S, F);
                    return;
                }
                sum += 1;
            }
        }
        prev = cell;
    }
}

// Rule 2d (c1 < c2): with the clues growing from E, a stretch longer than a
// clue and starting too near E for the clue after the next is the next
// clue's; the clues after it lie beyond the stretch.
void LineSolver::Rule2d()
{
    int cur = c1;
    int s = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cell = Cell(pos);
        if (prev != kFilled && cell == kFilled)
            s = pos;
        if (prev == kFilled && cell != kFilled) {
            const int a = pos;
            for (int k = k1 + d; dist(k, kF) >= 0; k += d) {
                const int prevc = cur;
                cur = Clue(k);
                if (dist(E, s) < prevc || cur < prevc)
                    return;
                if (dist(E, s) > prevc + cur + 1)
                    continue;
                if (dist(s, a) > prevc)
                    OverlapInPass(k + d, kF, a + d, F);
                return;
            }
        }
        prev = cell;
    }
}

// Rule 2e (c1 < c2): the first stretch from E, when longer than c1, is not
// c1's run; c1 then lies wholly between E and the cell before the stretch's
// blank neighbour, and its overlap in that room is filled.
void LineSolver::Rule2e()
{
    int first = 0;
    int after = 0;
    for (int pos = E; dist(pos, F) >= 0; pos += d) {
        const int cell = Cell(pos);
        if (first == 0 && cell == kFilled)
            first = pos;
        if (first != 0 && cell != kFilled) {
            after = pos;
            break;
        }
    }
    if (first == 0)
        return;
    if (after == 0)
        after = F + d;
    if (dist(first, after) > c1)
        MarkFilled(first - (c1 + 1) * d, E + (c1 - 1) * d);
}

// Rule 2f (two or more open clues): over a blank-free stretch of the window,
// each clue in turn takes the first stretch after its starting point when
// that stretch starts within the clue's length from it and fits the clue;
// the last clue's run then ends within its length from its stretch's start.
void LineSolver::Rule2f()
{
    int from = E;
    for (int k = k1; dist(k, kF) >= 0; k += d) {
        const int c = Clue(k);
        if (dist(from, F) < 0 || Cell(from) == kFilled)
            return;
        int s = 0;
        int prev = Cell(from - d);
        int pos = from;
        bool matched = false;
        for (; dist(pos, F) >= 0; pos += d) {
            const int cell = Cell(pos);
            if (cell == kBlank)
                return;
            if (prev != kFilled && cell == kFilled)
                s = pos;
            if (prev == kFilled && cell != kFilled && s != 0) {
                const int a = pos;
                if (!(c > dist(from, s) && c >= dist(s, a)))
                    return;
                if (k == kF) {
                    MarkBlank(s + c * d, F);
                    return;
                }
                matched = true;
                break;
            }
            prev = cell;
        }
        if (!matched)
            return;
        // The walk goes on to s + (c + 1)d, still ending the rule at a blank;
        // the next clue's scan starts one cell after that.
        const int stop = s + (c + 1) * d;
        for (pos += d; dist(pos, stop) >= 0; pos += d) {
            if (dist(pos, F) < 0 || Cell(pos) == kBlank)
                return;
        }
        from = s + (c + 2) * d;
    }
}

// Rule 2g (three or more open clues): a segment without a filled cell that
// no clue able to reach it fits into is blank. A clue's reach is bounded by
// packing the clues towards each end of the window around the blanks (the
// filled cells only narrow the real placements further). The rule looks at
// the whole window at once, so only the forward pass runs it.
void LineSolver::Rule2g()
{
    if (d != 1)
        return;
    const int count = LastOpenClue - FirstOpenClue + 1;
    if (count < 1 || count > kMaxLine || WindowStart < 1 || WindowEnd > kMaxLine)
        return;
    // The window's cells that are not blank, by position.
    const uint64_t window = ((uint64_t{2} << WindowEnd) - 1) & ~((uint64_t{1} << WindowStart) - 1);
    const uint64_t open = window & ~lineBlank_;
    int lo[kMaxLine + 1];
    int hi[kMaxLine + 1];
    // room[j]: where clue j's run may start, its cells all open.
    uint64_t room[kMaxLine + 1];
    // Leftmost starts: each clue at the first place from pos it fits.
    int pos = WindowStart;
    for (int j = 0; j < count; ++j) {
        const int c = Clue(FirstOpenClue + j);
        if (c <= 0) {
            lo[j] = pos++;
            continue;
        }
        room[j] = RoomFor(open, c);
        const uint64_t from = pos <= 63 ? room[j] & (~uint64_t{0} << pos) : 0;
        if (from == 0)
            return;
        lo[j] = std::countr_zero(from);
        pos = lo[j] + c + 1;
    }
    // Rightmost ends: each clue at the last place up to pos it fits.
    pos = WindowEnd;
    for (int j = count - 1; j >= 0; --j) {
        const int c = Clue(FirstOpenClue + j);
        if (c <= 0) {
            hi[j] = pos--;
            continue;
        }
        const int latestStart = pos - c + 1;
        const uint64_t upTo = latestStart >= 0 ? room[j] & ((uint64_t{2} << latestStart) - 1) : 0;
        if (upTo == 0)
            return;
        const int start = 63 - std::countl_zero(upTo);
        hi[j] = start + c - 1;
        pos = start - 2;
    }
    // The segments (open cells between blanks), as they were before this
    // rule blanked any.
    for (uint64_t rest = open; rest != 0;) {
        const int start = std::countr_zero(rest);
        const int last = start + std::countr_one(rest >> start) - 1;
        const uint64_t segment = ((uint64_t{2} << last) - 1) & ~((uint64_t{1} << start) - 1);
        rest &= ~segment;
        if ((lineFilled_ & segment) != 0)
            continue;
        bool fits = false;
        for (int j = 0; j < count && !fits; ++j) {
            const int c = Clue(FirstOpenClue + j);
            fits = c <= last - start + 1 && std::max(start, lo[j]) + c - 1 <= std::min(last, hi[j]);
        }
        if (!fits)
            MarkBlank(start, last);
    }
}

// The clue-reach scan: walking the clues from E, the zone up to one cell past
// clue j's end (the clues packed against E) can hold no clue after j; a
// segment there without a filled cell and shorter than every clue walked so
// far is blank.
void LineSolver::ClueReachScan()
{
    int smallest = 0;
    int prev = kBlank;
    bool filledSeen = false;
    int pieceEnd = E - d;
    for (int k = k1; dist(k, kF) >= 0; k += d) {
        const int c = Clue(k);
        if (c == 1)
            return;
        smallest = k == k1 ? c : std::min(smallest, c);
        const int from = pieceEnd + d;
        pieceEnd = CutToWindow(k == k1 ? E + c1 * d : pieceEnd + (1 + c) * d);
        for (int pos = from; dist(pos, pieceEnd) >= 0; pos = NextChangeOrLast(pos, prev, pieceEnd)) {
            const int cur = Cell(pos);
            if (cur == kFilled)
                filledSeen = true;
            if (prev == kBlank && cur != kBlank)
                S = pos;
            if (prev != kBlank && cur == kBlank) {
                if (dist(S, pos) < smallest && !filledSeen)
                    MarkBlank(S, pos);
                else
                    filledSeen = false;
            }
            prev = cur;
        }
        if (pieceEnd == F)
            return;
    }
}

// ==== The third group =========================================================

void LineSolver::ThirdGroup()
{
    using RF = RuleFamily;
    host_.ShowPlayTime();
    FindClueExtremes();
    if (LargestClue != SmallestClue) {
        for (int direction : {+1, -1}) {
            SetUpPass(direction);
            if (c1 == SmallestClue)
                RunRule(RF::Rule3a, &LineSolver::Rule3a);
        }
    }
    Step = 1;
    RunRule(RF::SmallestClueScan, &LineSolver::SmallestClueScan);

    OpenClueTotal = 0;
    for (int k = FirstOpenClue; k <= LastOpenClue; ++k)
        OpenClueTotal += Clue(k) + (k > FirstOpenClue ? 1 : 0);
    for (int direction : {+1, -1}) {
        SetUpPass(direction);
        if (N > 1)
            RunRule(RF::Rule3b, &LineSolver::Rule3b);
        Step = d;
        RunRule(RF::Rule3c, &LineSolver::Rule3c);
    }
    Step = 1;
    if (N == 3)
        RunRule(RF::Rule3d, &LineSolver::Rule3d);
    if (SweepEndsReachedFinish())
        return;

    FindClueExtremes();
    FindSecondLargest();
    Step = 1;
    RunRule(RF::Rule3e, &LineSolver::Rule3e);
    for (int direction : {+1, -1}) {
        SetUpPass(direction);
        RunRule(RF::Rule3f, &LineSolver::Rule3f);
    }
    Step = 1;
    if (SweepEndsReachedFinish())
        return;

    RunRule(RF::Rule3g, &LineSolver::Rule3g);
    Step = 1;
    RunRule(RF::Rule3h, &LineSolver::Rule3h);
    Step = 1;
    SettleEndClues();
    if (LineComplete) {
        GoToFinishLine();
        return;
    }
    if (FirstOpenClue == LastOpenClue) {
        SolveSingleClue();
        if (LineComplete)
            return;
    }
    Step = 1;
    RunRule(RF::Rule3i, &LineSolver::Rule3i);
    Step = 1;
}

// The smallest-clue scan, forward over the window: a run is at least as
// long as the smallest open clue, so a stretch closed by a blank on one side
// reaches that far on the other; and two stretches one cell apart that
// together exceed the largest clue are two runs, the second closed by a
// blank being a whole run whose clue tells the length of the one before.
void LineSolver::SmallestClueScan()
{
    const int smallest = SmallestClue;
    int prev = kBlank;
    int s = 0;
    bool havePair = false;
    for (int pos = WindowStart; pos <= WindowEnd; pos = NextChangeOrLast(pos, prev, WindowEnd, 1)) {
        const int cur = Cell(pos);
        if (prev == kFilled && cur == kBlank)
            MarkFilled(pos - smallest, pos);
        if (prev == kBlank && cur == kFilled)
            MarkFilled(pos, pos + smallest - 1);
        if (prev != kFilled && cur == kFilled)
            s = pos;
        if (prev == kFilled && cur != kFilled) {
            const int a = pos;
            if (!havePair) {
                P = {s, a, 0};
                havePair = true;
            } else {
                if (s == P.end + 1 && a - P.start > LargestClue) {
                    MarkBlank(P.end, P.end);
                    if (cur == kBlank) {
                        const int length = a - s;
                        int m = LargestClue;
                        for (int k = FirstOpenClue + 1; k <= LastOpenClue; ++k)
                            if (Clue(k) == length && Clue(k - 1) < m)
                                m = Clue(k - 1);
                        MarkFilled(P.end - m, P.start);
                    }
                }
                // Pair this stretch with the next one: resume at the cell
                // before it, taken as undecided.
                havePair = false;
                pos = s - 1;
                prev = kUndecided;
                continue;
            }
        }
        prev = cur;
    }
}

// Rule 3a (c1 is the smallest open clue): segments at the edge too short for
// c1 hold nothing, since no clue comes before c1.
void LineSolver::Rule3a()
{
    int start = 0;
    for (int pos = E;; pos += d) {
        const bool beyond = dist(pos, F) < 0;
        const int cell = beyond ? kBlank : Cell(pos);
        if (cell == kFilled)
            return;
        if (cell != kBlank) {
            if (start == 0)
                start = pos;
        } else if (start != 0) {
            if (dist(start, pos) >= c1)
                return;
            MarkBlank(start, pos - d);
            start = 0;
        }
        if (beyond)
            return;
    }
}

bool LineSolver::FirstClueCovers(int& start, int& firstFilled) const
{
    start = 0;
    firstFilled = 0;
    for (int pos = E; dist(pos, F) >= 0; pos += d) {
        if (Cell(pos) == kFilled) {
            firstFilled = pos;
            break;
        }
    }
    // The first position where c1 fits: no blank under it, no filled cell
    // just after it, and no filled cell before it (nothing comes before c1).
    for (int x = E; dist(x, F) >= 0; x += d) {
        if (firstFilled != 0 && dist(x, firstFilled) < 0)
            return false;
        const int end = x + (c1 - 1) * d;
        if (dist(end, F) < 0)
            return false;
        bool fits = Cell(end + d) != kFilled;
        for (int p = x; fits && dist(p, end) >= 0; p += d)
            fits = Cell(p) != kBlank;
        if (fits) {
            start = x;
            // c1 cannot lie wholly before the first filled cell.
            return firstFilled != 0 && dist(x, firstFilled) <= c1;
        }
    }
    return false;
}

// Rule 3b: c1 cannot start before the first place it fits, so the cells
// before that are blank; when c1 must cover the first filled cell it reaches
// at least c1 cells from that place.
void LineSolver::Rule3b()
{
    int start = 0;
    int firstFilled = 0;
    const bool covers = FirstClueCovers(start, firstFilled);
    if (start == 0)
        return;
    MarkBlank(E, start - d);
    if (covers)
        MarkFilled(firstFilled, start + (c1 - 1) * d);
}

// Rule 3c: when c1 covers the first stretch, it starts no earlier than c1
// cells before the stretch's end, so the cells before that are blank; a
// stretch of exactly c1 cells is the whole run.
void LineSolver::Rule3c()
{
    int start = 0;
    int firstFilled = 0;
    if (!FirstClueCovers(start, firstFilled))
        return;
    int last = firstFilled;
    while (dist(last + d, F) >= 0 && Cell(last + d) == kFilled)
        last += d;
    MarkBlank(E, last - c1 * d);
    if (dist(firstFilled, last) + 1 == c1) {
        MarkBlank(firstFilled - d, firstFilled - d);
        MarkBlank(last + d, last + d);
    }
}

// Rule 3d (four open clues) does nothing: a fixed block for four clues would
// only repeat what the overlap (3h) and the complete deduction (3i) find.
void LineSolver::Rule3d() {}

// Rule 3e, over the inner part of the window (the edges have their own
// rules): a stretch as long as the largest open clue is a whole run, so its
// neighbours are blank.
void LineSolver::Rule3e()
{
    const int from = WindowStart + 3;
    const int to = WindowEnd - 3;
    for (int pos = from; pos <= to; ++pos) {
        if (Cell(pos) != kFilled || Cell(pos - 1) == kFilled)
            continue;
        int last = pos;
        while (last + 1 <= WindowEnd && Cell(last + 1) == kFilled)
            ++last;
        if (last - pos + 1 == LargestClue) {
            MarkBlank(pos - 1, pos - 1);
            MarkBlank(last + 1, last + 1);
        }
        pos = last;
    }
}

// Rule 3f does nothing: the edge shapes it could look for are covered by 3a
// to 3c, and everything else by the complete deduction (3i).
void LineSolver::Rule3f() {}

// Rule 3g does nothing: the segments too short for the smallest clue are
// blanked by the second group's reach rules and by the segment scan of
// FinishLine, and 3i finds the rest.
void LineSolver::Rule3g() {}

// Rule 3h: the classic overlap of all open clues packed towards either end of
// the window.
void LineSolver::Rule3h()
{
    if (FirstOpenClue > LastOpenClue || WindowStart > WindowEnd)
        return;
    // A clue overlaps itself only when it is longer than the room the others
    // leave (the slack); OpenClueTotal, taken before this group's sweeps, can
    // only understate the slack.
    const int slack = WindowEnd - WindowStart + 1 - OpenClueTotal;
    if (slack >= LargestClue)
        return;
    OverlapInSegment(FirstOpenClue, LastOpenClue, WindowStart, WindowEnd);
}

int LineSolver::DecidedInLine() const
{
    return std::popcount(lineFilled_ | lineBlank_);
}

// ---- Rule 3i: the complete deduction over the window -----------------------
//
// The window has at most 60 cells, so each set of positions is one 64-bit
// word: bit i of a cell set stands for window cell i (WindowStart + i), and
// bit i of a "prefix" set for the first i cells (0 .. i - 1).

namespace {

using Bits = uint64_t;

Bits Bit(int i)
{
    return Bits{1} << i;
}

// The positions reachable from `seeds` by steps from i to i + 1 allowed where
// `allowed` has bit i: an addition carries each seed through a run of allowed
// bits and one bit past it.
Bits Spread(Bits seeds, Bits allowed)
{
    const Bits moving = seeds & allowed;
    return seeds | ((allowed + moving) ^ allowed ^ moving);
}

// Bits 0 .. n of x in reverse order (bit i goes to bit n - i).
Bits Reverse(Bits x, int n)
{
    x = ((x >> 1) & 0x5555555555555555ULL) | ((x & 0x5555555555555555ULL) << 1);
    x = ((x >> 2) & 0x3333333333333333ULL) | ((x & 0x3333333333333333ULL) << 2);
    x = ((x >> 4) & 0x0F0F0F0F0F0F0F0FULL) | ((x & 0x0F0F0F0F0F0F0F0FULL) << 4);
    // The bytes in reverse order: one instruction where the machine has it.
    x = __builtin_bswap64(x);
    return x >> (63 - n);
}

// The cells p for which the c cells p .. p + c - 1 are all in `open`: each
// step doubles the length of the runs known to start at a bit.
Bits RoomFor(Bits open, int c)
{
    Bits starts = open;
    for (int have = 1; have < c;) {
        const int more = std::min(have, c - have);
        starts &= starts >> more;
        have += more;
    }
    return starts;
}

// Every cell covered by a run of c cells starting at a bit of `starts`.
Bits Cover(Bits starts, int c)
{
    Bits cover = starts;
    for (int have = 1; have < c && cover;) {
        const int more = std::min(have, c - have);
        cover |= cover << more;
        have += more;
    }
    return cover;
}

// fits[j], j = 0 .. count: the prefixes i of the window (cells 0 .. i - 1)
// that can hold the first j clues with every filled cell among them covered;
// the cells are given by their non-blank and non-filled sets.
// room[j], when asked for: where clue j may start with no blank under it.
void PrefixFits(const int* clue, int count, Bits nonBlank, Bits nonFilled, Bits* fits, Bits* room = nullptr)
{
    fits[0] = Spread(Bit(0), nonFilled);
    for (int j = 1; j <= count; ++j) {
        const int c = clue[j - 1];
        // Where clue j - 1 may start: after a gap that may be blank, with the
        // clues before it fitting in front of the gap (or at cell 0 for the
        // first clue).
        const Bits canStart = ((fits[j - 1] & nonFilled) << 1) | (j == 1 ? Bit(0) : 0);
        const Bits starts = RoomFor(nonBlank, c);
        if (room)
            room[j - 1] = starts;
        fits[j] = Spread((starts & canStart) << c, nonFilled);
    }
}

} // namespace

// The open clues lie in the window (the cells outside it are decided and
// hold the other clues). For each j, before[j] tells which prefixes of the
// window can hold the first j open clues and after[j] which suffixes can hold
// the rest; a cell can be blank when some j fits on both sides of it, and
// filled when some clue has a start covering it that both sides allow.
bool LineSolver::DeduceWindow(WindowDeduction& out) const
{
    const int length = WindowEnd - WindowStart + 1;
    int count = LastOpenClue - FirstOpenClue + 1;
    if (length < 1 || WindowStart < 1 || WindowEnd > passLength_ || count < 0 || count > kMaxLine)
        return false;
    if (count == 1 && Clue(FirstOpenClue) == 0)
        count = 0;

    const Bits cells = Bit(length) - 1;
    const Bits filled = (lineFilled_ >> WindowStart) & cells;
    const Bits blank = (lineBlank_ >> WindowStart) & cells;
    const Bits filledReversed = Reverse(filled, length - 1);
    const Bits blankReversed = Reverse(blank, length - 1);
    int clue[kMaxLine + 1];
    int clueReversed[kMaxLine + 1];
    for (int j = 0; j < count; ++j) {
        clue[j] = Clue(FirstOpenClue + j);
        clueReversed[count - 1 - j] = clue[j];
        if (clue[j] < 1 || clue[j] > length)
            return false; // cannot be placed: the line contradicts its clues
    }

    Bits before[kMaxLine + 2];
    Bits beforeReversed[kMaxLine + 2];
    Bits room[kMaxLine + 1];
    PrefixFits(clue, count, cells & ~blank, cells & ~filled, before, room);
    if (!(before[count] & Bit(length)))
        return false; // the decided cells contradict the clues: nothing is forced
    PrefixFits(clueReversed, count, cells & ~blankReversed, cells & ~filledReversed, beforeReversed);

    // after[j]: the positions i from which cells i .. length - 1 can hold the
    // open clues j .. count - 1, read off the reversed line.
    Bits after[kMaxLine + 2];
    for (int j = 0; j <= count; ++j)
        after[j] = Reverse(beforeReversed[count - j], length);

    const Bits nonFilled = cells & ~filled;
    Bits canBlank = 0;
    Bits canFill = 0;
    for (int j = 0; j <= count; ++j)
        canBlank |= before[j] & (after[j] >> 1);
    canBlank &= nonFilled;
    for (int j = 0; j < count; ++j) {
        const int c = clue[j];
        const Bits leftFits = ((before[j] & nonFilled) << 1) | (j == 0 ? Bit(0) : 0);
        // After the clue: a gap that may be blank and the rest fitting, or
        // the window's end for the last clue.
        const Bits rightFits = ((nonFilled & (after[j + 1] >> 1)) | (j == count - 1 ? Bit(length) : 0)) >> c;
        canFill |= Cover(room[j] & leftFits & rightFits, c);
    }
    const Bits undecided = cells & ~filled & ~blank;
    out.mustFill = undecided & canFill & ~canBlank;
    out.mustBlank = undecided & canBlank & ~canFill;
    out.open = undecided & ~out.mustFill & ~out.mustBlank;
    return true;
}

// Rule 3i: the complete deduction over the window (DeduceWindow). Every
// undecided cell that can be only filled or only blank is marked so.
void LineSolver::Rule3i()
{
    // Nothing in the line changed since 3i left it at the fixpoint: the same
    // cells give the same verdict.
    const int decided = DecidedInLine();
    int16_t& seen = Rule3iSeen[passDirection_ == kRowsPass ? 0 : 1][line_];
    if (seen == decided + 1)
        return;

    WindowDeduction deduction;
    if (!DeduceWindow(deduction))
        return;
    const int length = WindowEnd - WindowStart + 1;
    for (int i = 0; i < length; ++i) {
        const int pos = WindowStart + i;
        if (deduction.mustFill & Bit(i))
            MarkFilled(pos, pos);
        else if (deduction.mustBlank & Bit(i))
            MarkBlank(pos, pos);
    }
    // Every cell of the window decided: every open clue is placed.
    if (!deduction.open)
        LineComplete = 1;
    seen = static_cast<int16_t>(DecidedInLine() + 1);
}

} // namespace velin
