// Scans 10 to 21 of the end pattern rules, run in each pass after scan 9.
//
// Every scan walks the window from the near edge E towards the far edge F in
// direction d and keeps the previous cell's code (prev, blank before E) and
// the current one (cur). Positions are never 0, so 0 stands for "unset".
// The positions a scan names in common with the other scans (S, fs, nf, fe,
// f1s, P, Q) are the solver's members and keep their values between scans;
// a scan sets only those it keeps. Everything else a scan keeps is its own
// and starts afresh.
#include "app/Shared.h"
#include "solver/LineSolver.h"

#include <algorithm>

namespace velin {

void LineSolver::OverlapInPass(int clueA, int clueB, int cellA, int cellB)
{
    // A clue range that is empty in the pass direction holds nothing.
    if ((clueB - clueA) * d < 0)
        return;
    OverlapInSegment(std::min(clueA, clueB), std::max(clueA, clueB), std::min(cellA, cellB), std::max(cellA, cellB));
}

int LineSolver::CutToWindow(int pos) const
{
    return dist(pos, F) < 0 ? F : pos;
}

int LineSolver::LeadingOnes(bool& allOnes) const
{
    int ones = 0;
    int k = k1;
    while (dist(k, kF) >= 0 && Clue(k) == 1) {
        ++ones;
        k += d;
    }
    allOnes = dist(k, kF) < 0;
    return ones;
}

// ---- Scan 10: the first segment holds the first two clues -----------------

// A first segment with room for c1 and c2 but not for c3 as well holds c1
// and c2 when two of its filled cells lie too far apart for c1 alone, or
// when the next closed stretch has c3's length (it cannot be c2's).
void LineSolver::Scan10()
{
    const int both = c1 + c2;
    int u1 = 0;
    int u2 = 0;
    int s = 0;
    int last = 0;
    int phase = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        if (phase == 0) {
            if (prev == kUndecided && cur == kFilled) {
                if (u1 == 0)
                    u1 = pos;
                else
                    u2 = pos;
            }
            if (prev != kBlank && cur == kBlank) {
                last = pos - d;
                const int length = dist(E, last);
                if (!(both <= length && length <= both + c3 && u1 != 0))
                    return;
                phase = 1;
                if (u2 != 0 && c1 <= dist(u1, u2)) {
                    OverlapInPass(k1, k1 + d, E, last);
                    return;
                }
                if (c2 == c3)
                    return;
            }
        } else {
            if (cur == kUndecided)
                return;
            if (prev == kBlank && cur == kFilled)
                s = pos;
            if (prev == kFilled && cur == kBlank) {
                if (dist(s, pos) == c3)
                    OverlapInPass(k1, k1 + d, E, last);
                return;
            }
        }
        prev = cur;
    }
}

// ---- Scan 11 ----------------------------------------------------------------

// A first segment with a filled cell and too short for three clues, followed
// (over decided cells only) by a closed stretch: with c2 != c3 a stretch of
// c2's length shows that the segment holds c1 alone; with c2 = c3 the next
// stretch after the segment is a run of that common length.
void LineSolver::Scan11()
{
    int lastF = 0;
    fs = 0;
    int s2 = 0;
    int b = 0;
    int phase = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        if (phase == 0) {
            if (prev == kBlank && cur != kBlank)
                S = pos;
            if (cur == kFilled)
                lastF = pos;
            else if (prev == kFilled)
                lastF = pos - d; // the walk steps over a run to the cell after it
            if (prev != kFilled && cur == kFilled) {
                if (c2 != c3)
                    fs = pos;
                else if (fs == 0)
                    fs = pos;
                else
                    return;
            }
            if (prev != kBlank && cur == kBlank) {
                b = pos;
                if (c2 != c3) {
                    phase = 1;
                    if (c1 + c2 + c3 + 1 < dist(S, b) || lastF == 0)
                        return;
                } else {
                    phase = 2;
                    if (fs == 0 || lastF == 0 || c1 + c2 + 1 < dist(S, fs) || c3 + 1 < dist(lastF, b))
                        return;
                }
            }
        } else if (phase == 1) {
            if (cur == kUndecided)
                return;
            if (prev == kBlank && cur == kFilled)
                s2 = pos;
            if (prev == kFilled && cur == kBlank) {
                if (dist(s2, pos) == c2) {
                    MarkBlank(S, lastF - c1 * d);
                    MarkBlank(fs + c1 * d, b);
                }
                return;
            }
        } else {
            if (cur == kUndecided)
                return;
            if (prev == kBlank && cur == kFilled) {
                MarkFilled(pos, pos + (c3 - 1) * d);
                MarkBlank(pos + c3 * d, pos + c3 * d);
                return;
            }
        }
        prev = cur;
    }
}

// ---- Scan 12 ----------------------------------------------------------------

// Three open clues with c2 the smallest and different from its neighbours: a
// segment of exactly c2's length holding a filled cell, right after the first
// segment with a filled cell, can only hold c2; so c1 lies in that first
// segment and nothing lies before it.
void LineSolver::Scan12()
{
    if (!(N == 2 && c1 != c2 && c2 != c3 && c2 == SmallestClue))
        return;
    bool holdsFilled = false;
    bool found = false;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        if (prev == kBlank && cur != kBlank)
            S = pos;
        if (cur == kFilled)
            holdsFilled = true;
        if (prev != kBlank && cur == kBlank) {
            if (!found) {
                if (holdsFilled) {
                    P = {S, pos, 0};
                    found = true;
                }
                holdsFilled = false;
            } else {
                if (dist(S, pos) == SmallestClue && holdsFilled)
                    MarkBlank(E, P.start - d);
                return;
            }
        }
        prev = cur;
    }
}

// ---- Scan 13 ----------------------------------------------------------------

// Two shapes of the first segment (which ends at a blank or at F):
// with c1 = c2, one stretch closing the segment is a whole run of that
// length; with c1 > c2 = c3, two stretches spanning exactly c1 of which the
// second has c2's length leave nothing after them in the segment. That holds
// only when the second stretch is too near E for c4 (a longer later clue
// could run on past it) and no clue that could come next fits in the cells
// left after it (the pair may be c2 and c3 with c4 to follow; at F the
// segment's last cell is F itself).
bool LineSolver::NoClueAfterFirstFits(int room) const
{
    for (int k = k1 + d; dist(k, kF) >= 0; k += d)
        if (Clue(k) <= room)
            return false;
    return true;
}

void LineSolver::Scan13()
{
    nf = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        if (prev != kFilled && cur == kFilled) {
            fs = pos;
            ++nf;
        }
        if (prev == kFilled && cur != kFilled) {
            fe = pos;
            if (nf == 1)
                f1s = fs;
        }
        const bool atF = pos == F && cur != kBlank;
        if ((prev != kBlank && cur == kBlank) || atF) {
            const int b = pos;
            if (nf == 1 && c1 == c2 && fe == b && !atF && dist(E, b) <= 2 * c1 + 2) {
                RuleScope scope(*this, "scan13.a");
                MarkBlank(fe - (c1 + 1) * d, fe - (c1 + 1) * d);
                MarkFilled(fe - c1 * d, fs);
            }
            if (nf == 2 && c1 > c2 && c2 == c3 && c1 + c2 >= dist(E, f1s) && dist(f1s, fe) == c1 &&
                dist(fs, fe) == c2 && dist(E, fs) < c1 + c2 + c3 + 3 &&
                NoClueAfterFirstFits(dist(fe, b) - (atF ? 0 : 1))) {
                RuleScope scope(*this, "scan13.b");
                MarkBlank(fe, b);
            }
            return;
        }
        prev = cur;
    }
}

// ---- Scan 14 ----------------------------------------------------------------

// A first segment with a filled cell and no room for c1 and c2 holds c1
// alone. Past it, segments too short for c2 and without a filled cell are
// empty; the first stretch met after them that starts within c2 of its
// segment's start belongs to c2, which reaches at least c2 cells from there.
void LineSolver::Scan14()
{
    int lastF = 0;
    int s2 = 0;
    int phase = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        if (cur == kFilled)
            lastF = pos;
        else if (prev == kFilled)
            lastF = pos - d; // the walk steps over a run to the cell after it
        if (phase == 0) {
            if (prev == kBlank && cur != kBlank)
                S = pos;
            if (prev != kBlank && cur == kBlank) {
                phase = 1;
                if (c1 + c2 < dist(S, pos) || lastF == 0)
                    return;
                lastF = 0;
            }
        } else {
            if (prev == kBlank && cur != kBlank)
                s2 = pos;
            if (prev != kBlank && cur == kBlank && c2 <= dist(s2, pos) && lastF == 0)
                return;
            if (prev != kFilled && cur == kFilled)
                fs = pos;
            if (prev == kFilled && cur != kFilled) {
                const int a = pos;
                if (c2 > dist(fs, a) && c2 > dist(s2, fs))
                    MarkFilled(a, s2 + (c2 - 1) * d);
                return;
            }
        }
        prev = cur;
    }
}

// ---- Scan 15 ----------------------------------------------------------------

// c1 = 1 < c2: the first segment long enough for c2 holds c2 when it is at
// most one cell longer and holds filled cells two or more apart (they cannot
// be the 1, and the 1 and c2 together need c2 + 2 cells).
void LineSolver::Scan15()
{
    if (!(N > 0 && c1 == 1 && c2 > 1))
        return;
    int g = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        if (prev == kBlank && cur != kBlank)
            S = pos;
        if (prev != kFilled && cur == kFilled && g == 0)
            g = pos;
        if (prev == kFilled && cur != kFilled)
            fe = pos;
        if (prev != kBlank && cur == kBlank) {
            const int b = pos;
            // g belongs to the segment that ends here; the next one starts
            // without it.
            const int first = g;
            g = 0;
            if (dist(S, b) >= c2) {
                if (dist(S, b) <= c2 + 1 && first != 0 && dist(first, fe) >= 2)
                    MarkFilled(b - c2 * d, S + (c2 - 1) * d);
                return;
            }
        }
        prev = cur;
    }
}

// ---- Scan 16: the leading ones --------------------------------------------

// The first z clues are 1: the clue after them cannot start before E + 2z,
// so any filled cell in the zone before that is a 1 and its undecided
// neighbours are blank.
void LineSolver::Scan16()
{
    bool allOnes = false;
    const int ones = LeadingOnes(allOnes);
    if (ones < 1)
        return;
    const int span = allOnes ? 2 * ones : 2 * ones - 1;
    const int zoneEnd = CutToWindow(E + span * d);
    int prev = kBlank;
    for (int pos = E; dist(pos, zoneEnd) >= 0; pos = NextChangeOrLast(pos, prev, zoneEnd)) {
        const int cur = Cell(pos);
        if (prev == kUndecided && cur == kFilled)
            MarkBlank(pos - d, pos - d);
        if (prev == kFilled && cur == kUndecided)
            MarkBlank(pos, pos);
        prev = cur;
    }
}

// ---- Scan 17: the clue after the ones -------------------------------------

void LineSolver::Scan17()
{
    bool allOnes = false;
    const int ones = LeadingOnes(allOnes);
    if (allOnes)
        return;
    const int span = 2 * ones - 1;
    const int big = Clue(k1 + ones * d);

    // (a) Near the edge only the ones and the big clue reach; a stretch of the
    // big clue's length that starts after a blank is its whole run.
    {
        RuleScope scope(*this, "scan17.a");
        const int zoneEnd = CutToWindow(E + (big + span + 2) * d);
        int s = 0;
        int prev = kBlank;
        for (int pos = E; dist(pos, zoneEnd) >= 0; pos = NextChangeOrLast(pos, prev, zoneEnd)) {
            const int cur = Cell(pos);
            if (prev == kBlank && cur == kFilled)
                s = pos;
            if (prev == kFilled && cur != kFilled) {
                if (s != 0 && dist(s, pos) == big)
                    MarkBlank(pos, pos);
                else
                    s = 0;
            }
            prev = cur;
        }
    }

    // (b) One stretch longer than 1 in the first segment, within the big
    // clue's reach, belongs to the big clue, which ends before the segment's
    // blank.
    {
        RuleScope scope(*this, "scan17.b");
        nf = 0;
        int prev = kBlank;
        for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
            const int cur = Cell(pos);
            if (prev != kFilled && cur == kFilled) {
                fs = pos;
                ++nf;
            }
            if (prev == kFilled && cur != kFilled)
                fe = pos;
            if (prev != kBlank && cur == kBlank) {
                const int b = pos;
                if (!(nf == 1 && dist(E, fs) <= span + big + 1))
                    return;
                if (dist(fs, fe) != 1 && big >= dist(fs, b))
                    MarkFilled(b - big * d, fs);
                return;
            }
            prev = cur;
        }
    }
}

// ---- Scan 18: spacing of the ones -----------------------------------------

// The z leading ones must all lie before the first stretch of two or more
// cells. When the segments before it are single cells, exactly z of them,
// each holds a 1; when the first segment is exactly 2z - 1 long and that
// stretch opens the next segment, the ones fill every other cell of the first.
// Only single cells may lie between: a longer segment passed over could hold
// a 1 or a later clue itself, so it ends the scan.
void LineSolver::Scan18()
{
    if (c1 != 1)
        return;
    bool allOnes = false;
    const int z = LeadingOnes(allOnes);
    const int span = allOnes ? 2 * z : 2 * z - 1;
    int ones = 0;
    bool firstWasSingle = false;
    int lastF = 0;
    int s2 = 0;
    int g = 0;
    int b = 0;
    int phase = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        if (phase == 0) {
            if (prev == kBlank && cur != kBlank)
                S = pos;
            if (prev != kBlank && cur == kBlank) {
                b = pos;
                phase = 1;
                if (dist(S, b) == 1) {
                    ++ones;
                    firstWasSingle = true;
                } else if (dist(S, b) != span) {
                    return;
                }
            }
            prev = cur;
            continue;
        }
        if (cur == kFilled)
            lastF = pos;
        else if (prev == kFilled)
            lastF = pos - d; // the walk steps over a run to the cell after it
        if (prev == kBlank && cur != kBlank)
            s2 = pos;
        if (prev != kBlank && cur == kBlank) {
            const int length = dist(s2, pos);
            if ((length == 1 || lastF == 0) && !firstWasSingle)
                return;
            if (length > 1 && lastF == 0)
                return;
            if (length == 1) {
                ++ones;
                lastF = 0;
                prev = cur;
                continue;
            }
            // A longer segment that did not open with the long stretch (that
            // would have ended the scan) may hold clues of its own: the ones
            // can no longer be counted.
            return;
        }
        if (prev != kFilled && cur == kFilled)
            g = pos;
        if (prev == kFilled && cur != kFilled) {
            const int a = pos;
            if (dist(g, a) != 1 && dist(s2, g) <= 1) {
                if (firstWasSingle) {
                    if ((span - 1) / 2 + 1 == ones)
                        MarkFilled(S, s2 - d);
                } else {
                    for (int q = S; dist(q, b) >= 0; q += 2 * d) {
                        MarkFilled(q, q);
                        MarkBlank(q + d, q + d);
                    }
                }
                return;
            }
        }
        prev = cur;
    }
}

// ---- Scan 19 ----------------------------------------------------------------

// c2 smaller than its neighbours. The first stretch lies within c1 of E (it
// is c1's); the second cannot join it into c2 and starts beyond c1's reach
// from E; a third, too long for c2 and too far from the first to share c1's
// run with it, follows the second so closely that c2 cannot lie between
// them: so the second is c2 and c1 ends before it.
void LineSolver::Scan19()
{
    if (!(c2 < c1 && c2 < c3))
        return;
    int phase = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        if (prev != kFilled && cur == kFilled)
            fs = pos;
        if (prev == kFilled && cur != kFilled) {
            const int a = pos;
            fe = a;
            if (phase == 0) {
                if (dist(E, fs) + 1 > c1)
                    return;
                P = {fs, a, 0};
                phase = 1;
            } else if (phase == 1) {
                if (!(dist(P.start, a) > c2 && dist(E, fs) + 1 > c1))
                    return;
                Q = {fs, a, 0};
                phase = 2;
            } else if (c2 < dist(fs, a) && dist(Q.end, fs) <= c2 + 1 && c1 < dist(P.start, a)) {
                MarkFilled(Q.start - (c1 + 1) * d, P.start);
                MarkFilled(Q.end, P.end + c2 * d);
                return;
            }
        }
        prev = cur;
    }
}

// ---- Scan 20 ----------------------------------------------------------------

// Three rules at stretch ends, P being the first stretch.
void LineSolver::Scan20()
{
    constexpr int kRetired = 5;
    int stateA = 0;
    int stateB = 0;
    int stateC = 0;
    const bool needsA = c2 < c1 && c2 == c3;
    const bool needsB = c1 < c3 && c2 < c3;
    const bool needsC = N == 4 && c2 < c1 && c2 < c3;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        if (prev != kFilled && cur == kFilled)
            fs = pos;
        if (prev == kFilled && cur != kFilled) {
            const int a = pos;
            fe = a;
            const int length = dist(fs, a);
            if (stateA == 0)
                P = {fs, a, 0};

            // A: a stretch of c2's length (= c3) beyond c1's run and within
            // reach of c3 is a whole run.
            if (!needsA) {
                stateA = kRetired;
            } else if (stateA == 0) {
                stateA = c1 >= dist(E, fs) + 1 ? 1 : kRetired;
            } else if (stateA == 1) {
                if (dist(E, fs) <= c1 + 2 * c2 + 2 && c1 < dist(P.start, a) && c1 <= dist(E, fs) && c3 == length) {
                    RuleScope scope(*this, "scan20.A");
                    MarkBlank(fs - d, a);
                }
                stateA = kRetired;
            }

            // B: a first stretch too long for c1 and c2 is c3's (or later);
            // a second within c3's reach is c3's too.
            if (!needsB) {
                stateB = kRetired;
            } else if (stateB == 0) {
                stateB = length > c1 && length > c2 ? 1 : kRetired;
            } else if (stateB == 1) {
                if (dist(E, fs) + 1 <= c1 + c2 + c3 + 2) {
                    RuleScope scope(*this, "scan20.B");
                    MarkFilled(P.end, fs - d);
                }
                stateB = kRetired;
            }

            // C: five open clues, the first stretch exactly where c4 starts
            // when the first three are packed against E.
            if (!needsC) {
                stateC = kRetired;
            } else if (stateC == 0) {
                stateC = c2 + c3 + c4 + c5 + 3 >= dist(a, F) && E + (c1 + c2 + c3 + 2) * d == fs && length > c2
                             ? 1
                             : kRetired;
            } else if (stateC == 1) {
                int t = 0;
                for (int j = 1; j <= 4; ++j) {
                    t += Clue(k1 + j * d);
                    if (P.end + (t + j) * d == fs) {
                        RuleScope scope(*this, "scan20.C");
                        MarkFilled(P.start - (c1 + c2 + 2) * d, E + (c1 - 1) * d);
                        break;
                    }
                }
                stateC = kRetired;
            }

            if (stateA == kRetired && stateB == kRetired && stateC == kRetired)
                return;
        }
        prev = cur;
    }
}

// ---- Scan 21: near clue shorter than the next -----------------------------

// c1 < c2, looking no farther than E + c1 + c2: the first stretch there is
// c1's or c2's (c3 cannot reach), and a stretch longer than c1 is c2's.
void LineSolver::Scan21()
{
    if (!(c1 < c2))
        return;
    const int reach = E + (c1 + c2) * d;
    if (reach < 1 || reach > passLength_)
        return;
    // Beyond F lie the clues already placed, which are not c1's or c2's. With
    // two open clues the reach never passes F; with one, c2 is a leftover of
    // an earlier line.
    if (dist(reach, F) < 0)
        return;
    fs = 0;
    int a = 0;
    int g = 0;
    int phase = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, reach) >= 0; pos = NextChangeOrLast(pos, prev, reach)) {
        const int cur = Cell(pos);
        if (prev == kBlank && cur != kBlank)
            S = pos;
        if (phase == 0) {
            if (prev != kFilled && cur == kFilled && fs == 0)
                fs = pos;
            if (prev == kFilled && cur != kFilled) {
                a = pos;
                fe = a;
                phase = 1;
            }
        }
        if (phase == 1) {
            if (prev == kUndecided && cur == kFilled) {
                g = pos;
                phase = 2;
            } else if (prev != kBlank && cur == kBlank) {
                // The first stretch's segment is too short for c2: it is c1's.
                if (c2 > dist(S, pos))
                    MarkBlank(E, S - d);
                return;
            }
        }
        if (pos == reach) {
            if (fs == 0)
                return;
            if (g != 0) {
                if (dist(fs, g) + 1 > c1)
                    MarkFilled(c1 < dist(fs, a) ? a : g + d, reach);
            } else {
                const int last = phase == 0 ? reach : a;
                if (dist(fs, last) > c1)
                    MarkFilled(fs - (c1 + 1) * d, E + (c1 - 1) * d);
            }
            return;
        }
        prev = cur;
    }
}

} // namespace velin
