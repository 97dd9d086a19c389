// Scans 1 to 9 of the end pattern rules: each walks the window from the near
// edge E towards the far edge F in direction d and recognises shapes made of
// the first few open clues and the stretches and segments it meets.
//
// Every scan keeps the previous and the current cell code, and the same
// bookkeeping (TrackEndScanCell): S, the start of the current segment; fs and
// nf, the start of the latest stretch and the number of stretches so far;
// fe, the cell after the latest stretch; f1 .. f4, the first stretches. These
// and the positions the rules remember (P, Q, G, H, R, X) are members of the
// solver: a rule that reads one before its scan has set it sees what an
// earlier scan left there.
//
// A rule keeps a small state that moves on at each event of its scan (a
// segment end, or a stretch end in scan 2): 0, 1, 2, ... and kRetired, after
// which the rule is not looked at again in this scan. A rule whose clue
// preconditions fail retires at its first event. When every rule of a scan
// has retired, the scan ends.
//
// Some rules as first written marked cells that other placements of the
// clues leave open; each such rule carries the extra condition that keeps
// it to forced cells, with a comment saying why.
#include "app/Shared.h"
#include "solver/LineSolver.h"

#include <algorithm>

namespace velin {

namespace {

constexpr int kRetired = 5;

// At an event: a rule whose preconditions fail is retired at its first
// event. True when the rule is still to be looked at.
bool Live(int& state, bool preconditions)
{
    if (state == 0 && !preconditions)
        state = kRetired;
    return state != kRetired;
}

bool AllRetired(const int* states, int count)
{
    for (int i = 0; i < count; ++i)
        if (states[i] != kRetired)
            return false;
    return true;
}

} // namespace

// Runs at every cell of every end scan: inlined into the scans' loops.
inline void LineSolver::TrackEndScanCell(int pos, int prev, int cur, int kept)
{
    if (prev == kBlank && cur != kBlank)
        S = pos;
    if (prev != kFilled && cur == kFilled) {
        fs = pos;
        ++nf;
    }
    if (prev == kFilled && cur != kFilled) {
        fe = pos;
        if (nf == 1 && kept >= 1) {
            f1s = fs;
            f1e = fe;
        } else if (nf == 2 && kept >= 2) {
            f2s = fs;
            f2e = fe;
        } else if (nf == 3 && kept >= 3) {
            f3s = fs;
            f3e = fe;
        } else if (nf == 4 && kept >= 4) {
            f4s = fs;
            f4e = fe;
        }
    }
}

void LineSolver::OverlapAscending(int clueA, int clueB, int cellA, int cellB)
{
    OverlapInSegment(std::min(clueA, clueB), std::max(clueA, clueB), std::min(cellA, cellB), std::max(cellA, cellB));
}

bool LineSolver::LargestCluesAdjacent() const
{
    for (int k = FirstOpenClue; k < LastOpenClue; ++k)
        if (Clue(k) == LargestClue && Clue(k + 1) == LargestClue)
            return true;
    return false;
}

int LineSolver::OpenCluesEqualTo(int value) const
{
    int count = 0;
    for (int k = FirstOpenClue; k <= LastOpenClue; ++k)
        if (Clue(k) == value)
            ++count;
    return count;
}

// ---- Scan 1 -----------------------------------------------------------------

// Shapes of the first segment and the stretches in it: a stretch just past
// the packed first clues, two stretches of the unique largest first clue,
// the pattern 1 c 1, and a short second stretch after an edge run.
void LineSolver::Scan1()
{
    const int lmax = LargestClue;
    const int l2 = SecondLargestClue;
    const int nmax = LargestClueCount;
    const int m = std::max(c1, c2);
    enum { B, C, D, E_, F_, kRules };
    int st[kRules] = {};
    const bool pre[kRules] = {true, nmax == 1 && lmax == c3, c1 > 1 && c1 == c2, nmax == 1 && c1 == lmax, N == 2};

    nf = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        TrackEndScanCell(pos, prev, cur, 1);

        if (prev == kFilled && cur != kFilled) {
            // A: in the second segment, a stretch that begins within c1 of
            // the segment's start is covered by c1 or c2 (c1 = c2), which
            // reach c1 cells from the segment's start.
            if (st[D] == 1 && dist(S, fe) < c1) {
                RuleScope scope(*this, "scan1.A");
                MarkFilled(fe, S + (c1 - 1) * d);
            }
            // B: a stretch of clue k's length exactly where the packed
            // clues before it end is that clue; its neighbours are blank.
            if (st[B] == 0 && nf >= 2) {
                RuleScope scope(*this, "scan1.B");
                int t = c1;
                for (int k = k1 + d; dist(k, kF) >= 0; k += d) {
                    const int clue = Clue(k);
                    if (clue != c2) {
                        st[B] = kRetired;
                        break;
                    }
                    if (t + 1 == dist(E, fs)) {
                        if (dist(f1s, fs) >= c1 && dist(fs, fe) == clue) {
                            MarkBlank(fs - d, fe);
                            continue;
                        }
                        break;
                    }
                    t += clue + 1;
                }
            }
        }

        if (prev != kBlank && cur == kBlank) {
            const int b = pos;
            const int seg = dist(S, b);
            st[B] = kRetired;

            if (Live(st[C], pre[C])) {
                if (st[C] == 0) {
                    st[C] = (dist(f1e - d, fs) < m || nf != 2) ? kRetired : 1;
                } else {
                    if (seg == lmax && S == fs && fe == b) {
                        RuleScope scope(*this, "scan1.C");
                        MarkBlank(E, f1e - (c1 + 1) * d);
                    }
                    st[C] = kRetired;
                }
            }

            if (Live(st[D], pre[D]))
                st[D] = (st[D] == 0 && c1 + c2 >= seg) ? 1 : kRetired;

            if (Live(st[E_], pre[E_]) && nf == 2) {
                st[E_] = kRetired;
                if (l2 < dist(fs, fe)) {
                    RuleScope scope(*this, "scan1.E");
                    MarkFilled(f1e, fs);
                }
            }

            if (Live(st[F_], pre[F_])) {
                st[F_] = kRetired;
                if (nf != 0 && c1 == 1 && c3 == 1 && c2 > 1) {
                    if (!(nf == 2 && (S == f1s || fe == b)))
                        return;
                    const int span = dist(f1s, fe);
                    if (c2 + 1 >= span && span > c2) {
                        RuleScope scope(*this, "scan1.F");
                        if (fe == b)
                            MarkBlank(fs - d, F);
                        else
                            MarkBlank(E, f1e);
                    }
                    return;
                }
            }

            if (AllRetired(st, kRules))
                return;
        }
        prev = cur;
    }
}

// ---- Scan 2 -----------------------------------------------------------------

// Looks at the stretches one by one (a stretch end is its only event): the
// first stretch P and the second Q against the first three clues.
void LineSolver::Scan2()
{
    const int lmax = LargestClue;
    const int l2 = SecondLargestClue;
    enum { A, B, C, D, E_, kRules };
    int st[kRules] = {};
    const bool pre[kRules] = {N == 2 && c2 <= c1 && c3 < c2, true, c1 <= c2,
                              c1 == lmax && c2 < l2 && c3 == lmax && c4 == l2, c1 == 1 && c2 == 2 && c3 > 2};

    nf = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        TrackEndScanCell(pos, prev, cur, 2);
        if (prev == kFilled && cur != kFilled) {
            const int a = pos;
            const int len = dist(fs, a);
            if (st[A] == 0)
                P = {fs, a, 0};

            if (Live(st[A], pre[A])) {
                if (st[A] == 0) {
                    st[A] = 1;
                } else if (st[A] == 1) {
                    Q = {fs, a, 0};
                    st[A] = 2;
                } else {
                    if (!(c2 > len || c1 >= dist(Q.start, a))) {
                        RuleScope scope(*this, "scan2.A");
                        MarkBlank(a - (c2 + 1) * d, a - (c2 + 1) * d);
                        MarkBlank(fs + c2 * d, fs + c2 * d);
                        MarkFilled(P.end, Q.start);
                    }
                    st[A] = kRetired;
                }
            }

            if (Live(st[B], pre[B])) {
                if (st[B] == 0) {
                    if (!(c2 >= len || c2 >= c1 || c2 >= c3 || dist(E, fs) > c1 + c2 + 1)) {
                        RuleScope scope(*this, "scan2.B");
                        MarkBlank(E, a - (c1 + 1) * d);
                    }
                    st[B] = 1;
                } else {
                    if (!(dist(E, P.start) > c1 || dist(E, fs) != c1 + c2 + 1)) {
                        RuleScope scope(*this, "scan2.B");
                        MarkBlank(P.start + c1 * d, a - (c2 + 1) * d);
                    }
                    st[B] = kRetired;
                }
            }

            if (Live(st[C], pre[C])) {
                if (st[C] == 0) {
                    st[C] = 1;
                } else if (st[C] == 1) {
                    // P lies within c1 of E, so it is c1's. Q must lie beyond
                    // c1's reach from P (c1 < dist(P.start, a)) to be c2's:
                    // with c1 = c2 = dist(P.start, a), P and Q can be one run.
                    if (!(dist(E, P.start) > c1 || c2 > dist(P.start, a) || dist(P.end, fs) > c2 + 1) &&
                        c1 < dist(P.start, a)) {
                        st[C] = 2;
                        Q = {fs, a, 0};
                        RuleScope scope(*this, "scan2.C");
                        MarkBlank(P.start + c1 * d, a - (c2 + 1) * d);
                    } else {
                        st[C] = kRetired;
                    }
                } else if (st[C] == 2) {
                    P = {fs, a, 0};
                    st[C] = 3;
                } else {
                    // The fourth stretch lies c2 past Q's start, so it is
                    // c3's. The third stretch P must be too far from it to
                    // share c3's run (c3 < dist(P.start, a)); then P is c2's
                    // and c3 starts after P, reaching past P.start + c3 - 1.
                    if (c2 == dist(Q.start, fs) && c3 < dist(P.start, a)) {
                        RuleScope scope(*this, "scan2.C");
                        MarkFilled(a, P.start + (c3 - 1) * d);
                        if (N == 2)
                            MarkBlank(fs + c3 * d, F);
                    }
                    st[C] = kRetired;
                }
            }

            if (Live(st[D], pre[D])) {
                if (st[D] == 0) {
                    st[D] = (len >= l2 && dist(E, a) >= c1 + c2 + c3 + 2) ? 1 : kRetired;
                } else {
                    // The two stretches are neighbouring clues' runs (no
                    // room for c2 between them). They must be too far apart
                    // for one run of the largest clue (lmax < dist(P.start,
                    // a)), and no clue past c4 may be a largest one, or the
                    // second may be the start of such a run after c4.
                    bool largestPastC4 = false;
                    for (int k = k1 + 4 * d; dist(k, kF) >= 0; k += d)
                        if (Clue(k) == lmax)
                            largestPastC4 = true;
                    if (len == l2 && dist(P.end, fs) < c2 + 2 && lmax < dist(P.start, a) && !largestPastC4) {
                        RuleScope scope(*this, "scan2.D");
                        MarkBlank(fs - d, a);
                    }
                    st[D] = kRetired;
                }
            }

            if (Live(st[E_], pre[E_])) {
                if (st[E_] == 0) {
                    st[E_] = 1;
                } else {
                    st[E_] = kRetired;
                    // P is the 1 unless c1 fits before it and the second
                    // stretch could be c3 after a 2 that starts at P
                    // (dist(E, P.start) = 2 and dist(P.start, fs) = 3).
                    const bool pCouldBeC2 = dist(E, P.start) == c1 + 1 && dist(P.start, fs) == c1 + c2;
                    if (c1 + c2 >= dist(E, P.start) + 1 && c1 + c2 >= dist(P.start, fs) && !pCouldBeC2) {
                        RuleScope scope(*this, "scan2.E");
                        MarkBlank(E, P.end);
                        return;
                    }
                }
            }

            if (AllRetired(st, kRules))
                return;
        }
        prev = cur;
    }
}

// ---- Scan 3 -----------------------------------------------------------------

// c2 < c1: a segment of exactly c2 cells with a filled cell, after segments
// too short for c1, holds c2, so c1 lies in the first segment P.
void LineSolver::Scan3()
{
    if (!(c2 < c1))
        return;
    RuleScope scope(*this, "scan3");
    bool filledSeen = false;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        if (prev == kBlank && cur != kBlank)
            S = pos;
        if (cur == kFilled)
            filledSeen = true;
        if (prev != kBlank && cur == kBlank) {
            const int b = pos;
            const int seg = dist(S, b);
            if (!(seg <= c1 + c2 && (S == E || c1 > seg)))
                return;
            if (S == E)
                P = {S, b, 0};
            if (filledSeen) {
                if (seg == c2)
                    MarkFilled(P.end - c1 * d, P.start + (c1 - 1) * d);
                return;
            }
        }
        prev = cur;
    }
}

// ---- Scan 4 -----------------------------------------------------------------

// Four clues open. The first segment holds c1 (it has a filled cell and no
// room for c1 and c2); the empty segments after it that are too short for
// c2 are blank; the first one long enough for c2 is Q. When the segments
// after Q are too short for c2 and the last has no room for c2, c3 and c4
// together, c2 lies in Q.
void LineSolver::Scan4()
{
    if (!(N == 3 && c1 > 1 && c2 > 1))
        return;
    RuleScope scope(*this, "scan4");
    int state = 0;
    nf = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        TrackEndScanCell(pos, prev, cur, 0);
        const bool atF = pos == F;
        const bool blankEnd = prev != kBlank && cur == kBlank;
        if (blankEnd || (atF && cur != kBlank)) {
            // At F the segment runs up to F itself, so b lies one beyond.
            const int b = blankEnd ? pos : F + d;
            const int seg = dist(S, b);
            if (state == 0) {
                if (c1 + c2 < seg || atF || nf == 0)
                    return;
                state = 1;
            } else if (state == 1) {
                if (c2 + c3 < seg || nf > 1)
                    return;
                if (seg < c2) {
                    MarkBlank(S, b - d);
                } else {
                    state = 2;
                    Q = {S, b, 0};
                }
            } else {
                if (nf > 1)
                    return;
                if (!atF) {
                    // A middle segment: the scan goes on while it is too
                    // short for c2 (one of exactly c2 cells could hold c2
                    // instead of Q).
                    if (c2 <= seg)
                        return;
                } else if (c2 + c3 + c4 + 1 >= seg) {
                    MarkFilled(Q.end - c2 * d, Q.start + (c2 - 1) * d);
                }
            }
        }
        prev = cur;
    }
}

// ---- Scan 5 -----------------------------------------------------------------

// The unique largest clue is followed only by ones: once a segment that is
// exactly the largest clue's run has passed, every later stretch is a 1.
void LineSolver::Scan5()
{
    if (LargestClueCount != 1)
        return;
    const int imax = LargestClueIndex;
    if (dist(imax + d, kF) < 0)
        return;
    for (int k = imax + d; dist(k, kF) >= 0; k += d)
        if (Clue(k) != 1)
            return;
    RuleScope scope(*this, "scan5");
    bool found = false;
    nf = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        TrackEndScanCell(pos, prev, cur, 0);
        if (found && prev == kFilled && cur != kFilled)
            MarkBlank(fs - d, fe);
        if (prev != kBlank && cur == kBlank) {
            const int b = pos;
            // nf > 0: fs is this scan's, not one left by another scan.
            if (dist(S, b) == LargestClue && nf > 0 && S == fs && fe == b)
                found = true;
        }
        prev = cur;
    }
}

// ---- Scan 6 -----------------------------------------------------------------

// Eleven shapes of the first two or three segments against c1 .. c3 (c4, c5).
void LineSolver::Scan6()
{
    const int lmax = LargestClue;
    const int lmin = SmallestClue;
    const int l2 = SecondLargestClue;
    const int nmax = LargestClueCount;
    const int imax = LargestClueIndex;
    const int m3 = c1 + c2 + c3 + 1;
    enum { A, B, C, D, E_, F_, G_, H_, I_, J, K, kRules };
    int st[kRules] = {};
    const bool pre[kRules] = {
        lmax != c1 && lmax != c2 && c3 == lmax,
        lmin == c1 && c1 < c2 && c1 < c3,
        true,
        c2 < c1 && c2 < c3,
        nmax == 1 && c1 < c2 && c3 < c2 && c4 == lmax,
        N == 3 && c3 < c1 && c3 < c2 && c4 < c1 && c4 < c2,
        N == 4 && c2 < c1 && c2 < c3 && c4 < c1 && c4 < c3 && c5 < c1 && c5 < c3,
        true,
        nmax == 2 && c1 == lmax,
        c1 < c2 && c3 < c2,
        N == 2,
    };

    nf = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        TrackEndScanCell(pos, prev, cur, 2);
        const bool atF = pos == F;
        if (!((prev != kBlank && cur == kBlank) || (atF && cur != kBlank))) {
            prev = cur;
            continue;
        }
        const int b = pos;
        const int seg = dist(S, b);

        // A: an empty first segment G too short for c1 .. c3, then a
        // segment that is exactly the run of c3 (the largest): c1 and c2
        // lie in G.
        if (Live(st[A], pre[A])) {
            if (st[A] == 0) {
                G = {S, b, 0};
                st[A] = (m3 < seg || nf > 0) ? kRetired : 1;
            } else {
                if (seg == lmax && nf == 1 && S == fs && fe == b) {
                    RuleScope scope(*this, "scan6.A");
                    OverlapAscending(k1, k1 + d, G.start, G.end);
                }
                st[A] = kRetired;
            }
        }

        // B: the second segment is exactly a run of the smallest clue c1,
        // so the first segment H is empty.
        if (Live(st[B], pre[B])) {
            if (st[B] == 0) {
                H = {S, b, 0};
                st[B] = m3 < seg ? kRetired : 1;
            } else {
                // The run must be this scan's (nf > 0) and closed by a
                // blank: at F an undecided last cell also ends the stretch
                // (fe = b) without closing it.
                if (seg == lmin && nf > 0 && S == fs && fe == b && cur == kBlank) {
                    RuleScope scope(*this, "scan6.B");
                    MarkBlank(H.start, H.end);
                }
                st[B] = kRetired;
            }
        }

        // C: two shapes of the first segment with two stretches.
        if (Live(st[C], pre[C])) {
            st[C] = kRetired;
            if (c1 <= dist(f1s, fs) && c1 > 1 && c2 == 1 && nf == 2 && dist(E, f1s) <= c1 && dist(f1e, fs) == 3) {
                RuleScope scope(*this, "scan6.C");
                MarkBlank(fs - d, fs - d);
            }
            // (ii) The first stretch is c2's only when c2 cannot fit
            // between it and the second (dist(f1e, fs) <= c2); otherwise c1
            // may cover it.
            if (nmax == 1 && c1 == lmax && c2 < c3 && dist(f1s, f1e) == c2 && nf == 2 && c2 < dist(fs, fe) &&
                dist(E, fs) <= m3 + 1 && m3 + 1 < dist(E, b) && c1 <= dist(f1s, fs) && c1 < dist(E, f1s) &&
                dist(f1e, fs) <= c2) {
                RuleScope scope(*this, "scan6.C");
                MarkFilled(f1s - (c1 + 1) * d, E + (c1 - 1) * d);
            }
        }

        // D: a first segment H with one stretch too long for c2 and room
        // for c1 and c2; the next segment starts with another such stretch
        // near its start: c1 and c2 lie in H.
        if (Live(st[D], pre[D])) {
            if (st[D] == 0) {
                H = {S, b, 0};
                st[D] = (m3 < seg || nf != 1 || !(dist(fs, fe) > c2 && seg > c1 + c2)) ? kRetired : 1;
            } else {
                if (c2 < dist(fs, fe) && nf == 2 && dist(S, fs) <= c2) {
                    RuleScope scope(*this, "scan6.D");
                    OverlapAscending(k1, k1 + d, H.start, H.end - d);
                }
                st[D] = kRetired;
            }
        }

        // E: a stretch of exactly c2 in the first segment, and a second
        // segment ending in a run of the largest clue.
        if (Live(st[E_], pre[E_])) {
            if (st[E_] == 0) {
                H = {S, b, 0};
                st[E_] = (dist(fs, fe) == c2 && nf == 1) ? 1 : kRetired;
            } else {
                // c3 lies between the c2 stretch and the largest run: in the
                // first segment only when the second has no room for it
                // before that run (dist(S, fs) <= c3).
                if (dist(fs, fe) == lmax && nf == 2 && fe == b && dist(S, fs) <= c3) {
                    RuleScope scope(*this, "scan6.E");
                    MarkBlank(f1s - d, f1e);
                    MarkFilled(f1s - (c1 + 1) * d, H.start + (c1 - 1) * d);
                    MarkFilled(H.end - c3 * d, f1e + c3 * d);
                }
                st[E_] = kRetired;
            }
        }

        // F: two stretches too long for c3 and c4 in the first segment.
        if (Live(st[F_], pre[F_])) {
            st[F_] = kRetired;
            const int m = std::max(c3, c4);
            if (c1 < dist(f1s, fe) && nf == 2 && c2 < dist(f1s, fe) && m < dist(fs, fe)) {
                RuleScope scope(*this, "scan6.F");
                MarkBlank(S, f1e - (c1 + 1) * d);
                MarkBlank(f1s + c1 * d, fe - (c2 + 1) * d);
            }
        }

        // G: three stretches in the first segment, the middle one of c2's
        // length between long ones.
        if (Live(st[G_], pre[G_])) {
            st[G_] = kRetired;
            // The middle stretch is c2's only when it cannot share c3's run
            // with the third (c3 < dist(f2s, fe)) and the third is too long
            // for c5 as well as c4 (else the middle one may be c3 or c4).
            if (c4 < dist(fs, fe) && nf == 3 && c1 < dist(f1s, fe) && c3 < dist(f1s, fe) && c3 - 1 <= dist(f2e, fe) &&
                c1 <= dist(f1s, f2s) && dist(f2s, f2e) == c2 && c3 < dist(f2s, fe) && c5 < dist(fs, fe)) {
                RuleScope scope(*this, "scan6.G");
                MarkBlank(f2s - d, f2e);
            }
        }

        // H: a first segment ending in a stretch of at least L2 that has no
        // room for the clues up to L2: it ends with the largest clue.
        if (Live(st[H_], pre[H_])) {
            st[H_] = kRetired;
            if (nmax == 1 && nf > 0 && OpenCluesEqualTo(l2) < 2) {
                int t = 0;
                bool counting = false;
                for (int k = kF; dist(k1, k) >= 0; k -= d) {
                    if (Clue(k) == l2)
                        counting = true;
                    if (counting)
                        t += Clue(k) + 1;
                }
                t -= 1;
                if (l2 <= dist(fs, fe) && fe == b && seg < t) {
                    RuleScope scope(*this, "scan6.H");
                    OverlapAscending(k1, imax, S, b - d);
                }
            }
        }

        // I: three stretches, the third exactly c3 (= L2).
        if (Live(st[I_], pre[I_])) {
            st[I_] = kRetired;
            if (nf == 3 && dist(fs, fe) == c3 && c1 == c2 && c3 == l2 && l2 <= dist(f1s, f1e) && l2 <= dist(f2s, f2e) &&
                c1 < dist(f1s, f2s) && c2 < dist(f2s, fs)) {
                RuleScope scope(*this, "scan6.I");
                MarkBlank(fs - d, fe);
            }
        }

        // J: three stretches, the third exactly c3, c2 - 1 after the first.
        // The first is c2's (too long for c1, no room for c1 and c2 before
        // it). The third is c3's whole run only when it cannot share c2's
        // run (c2 < dist(f1s, fe)) and no fourth clue could hold it (N = 2);
        // then the second is c2's too, and c2, ending by fs - 2, covers
        // fs - (c2 + 1) .. f2e - 1 (not always up to fs - 2).
        if (Live(st[J], pre[J])) {
            st[J] = kRetired;
            if (nf == 3 && dist(fs, fe) == c3 && dist(S, f1s) == c1 + c2 + 1 && c1 < dist(f1s, f1e) &&
                dist(f1s, fs) == c2 - 1 && c2 < dist(f1s, fe) && N == 2) {
                RuleScope scope(*this, "scan6.J");
                MarkBlank(fs - d, fe);
                MarkFilled(fs - (c2 + 1) * d, f2e - d);
            }
        }

        // K: three clues; a first segment H with one stretch, and a last
        // segment at F too short for c2 and c3: c1 and c2 lie in H.
        if (Live(st[K], pre[K])) {
            if (st[K] == 0) {
                H = {S, b, 0};
                st[K] = (seg <= m3 && nf == 1) ? 1 : kRetired;
            } else {
                if (seg < c2 + c3 && atF) {
                    RuleScope scope(*this, "scan6.K");
                    if (dist(f1e, H.end) < c2) {
                        MarkBlank(f1s + c2 * d, H.end);
                        H.end = f1s + c2 * d;
                    }
                    OverlapAscending(k1, k1 + d, H.start, H.end);
                }
                st[K] = kRetired;
            }
        }

        if (AllRetired(st, kRules))
            return;
        prev = cur;
    }
}

// ---- Scan 7 -----------------------------------------------------------------

// Shapes of up to four stretches: four rules at stretch ends (a to d) and
// twelve at segment ends (A to L).
void LineSolver::Scan7()
{
    const int lmax = LargestClue;
    const int lmin = SmallestClue;
    const int l2 = SecondLargestClue;
    const int nmax = LargestClueCount;
    const int imax = LargestClueIndex;

    // For A: no clue strictly between k1 and kF lies strictly between Lmin
    // and L2.
    const auto noMiddleClueBetween = [&] {
        for (int k = k1 + d; dist(k, kF) > 0; k += d)
            if (Clue(k) > lmin && Clue(k) < l2)
                return false;
        return true;
    };
    // Rule a's clue conditions; b, c and d fire only before the first
    // segment end (while A is in state 0).
    const bool ruleACanFire = nmax == 1 && l2 == Clue(imax - d);
    enum { A, B, C, D, E_, F_, G_, H_, I_, J, K, L, kRules };
    int st[kRules] = {};
    int kSegmentsOfC2 = 0;
    bool kRemembered = false;
    const bool pre[kRules] = {
        Clue(kF) == lmax && nmax == 2 && c1 == lmax && noMiddleClueBetween(),
        nmax == 1 && c3 == lmax,
        c1 < c2,
        true,
        c1 == c2 && c1 < c3,
        N == 2 && c2 < c1,
        c1 == c2,
        N >= 3,
        c1 < c3 && c2 < c3,
        N == 2 && c1 < c2 && c3 < c1 && c3 < c2,
        c1 < c2 && c3 < c2,
        nmax == 2,
    };

    nf = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        TrackEndScanCell(pos, prev, cur, 4);

        if (prev == kFilled && cur != kFilled) {
            // a: the second stretch is too long for L2 and the two span more
            // than the largest clue: the second is the largest clue's run,
            // and the first, within L2 of it, is the L2 clue just before.
            if (nf == 2 && ruleACanFire && l2 < dist(fs, fe) && lmax < dist(f1s, fe) && dist(f1e, fs) <= l2) {
                RuleScope scope(*this, "scan7.a");
                MarkFilled(fs - (l2 + 1) * d, f1s);
            }
            // b: c1 = c2 < c3; a short first stretch and one exactly c1
            // after its start, one cell apart.
            if (nf == 2 && st[A] == 0 && c1 == c2 && c2 < c3 && dist(S, f1e) <= 2 * c1 + 1 && dist(f1s, f1e) < c1 &&
                c1 < dist(f1s, fe) && c1 == dist(f1s, fs) && dist(f1e, fs) == 1) {
                RuleScope scope(*this, "scan7.b");
                MarkBlank(f1e, f1e);
            }
            // c: c2 is the unique largest clue; the second stretch is too
            // long for L2 and spans with the first more than the largest.
            if (st[A] == 0 && nf == 2 && nmax == 1 && lmax == c2 && E != f1s && l2 < dist(fs, fe) &&
                lmax < dist(f1s, fe)) {
                RuleScope scope(*this, "scan7.c");
                MarkBlank(E, f1e - (c1 + 1) * d);
            }
            if (st[A] == 0 && nf == 3) {
                // d (i): three stretches close to E. The first is c1's and
                // the third c2's; c2 starts after f1e and covers fs, so it
                // covers fs .. f1e + c2. The fill starts at f1e + c1, but
                // never before fs: nearer cells may lie in the gap.
                if (dist(E, f1s) <= c1 && dist(E, fe) < c1 + c2 && c1 < dist(E, f2s) && c1 < dist(f1s, fe)) {
                    RuleScope scope(*this, "scan7.d");
                    const int from = dist(f1e + c1 * d, fs) > 0 ? fs : f1e + c1 * d;
                    MarkFilled(from, f1e + c2 * d);
                }
                // d (ii): c1 = L2 once, c2 the unique largest.
                if (nmax == 1 && l2 == c1 && lmax == c2 && OpenCluesEqualTo(l2) == 1 && lmax < dist(f1s, fe) &&
                    l2 <= dist(fs, fe) && lmax < dist(f2s, fe) && dist(f1s, f2e) <= c1) {
                    RuleScope scope(*this, "scan7.d");
                    MarkFilled(f1e, f2s - d);
                }
            }
        }

        const bool atF = pos == F;
        if (!((prev != kBlank && cur == kBlank) || (atF && cur != kBlank))) {
            prev = cur;
            continue;
        }
        const int b = pos;
        const int seg = dist(S, b);

        if (Live(st[A], pre[A])) {
            if (st[A] == 0) {
                st[A] = nf > 0 ? kRetired : 1;
            } else if (st[A] == 1) {
                // The first stretch of this segment is a whole run only when
                // c1 cannot lie here (the two stretches span more than c1),
                // so that it is c2's, and c2 is a smallest clue.
                const bool shape = dist(f1s, f1e) == lmin && nf == 2 && f1s == S && c1 < dist(f1s, f2e) && c2 == lmin;
                const bool room = c1 + c2 >= seg && seg >= 2 * l2;
                st[A] = (shape && room) ? 2 : kRetired;
            } else {
                if (nf > 2) {
                    RuleScope scope(*this, "scan7.A");
                    MarkBlank(f1e, f1e);
                }
                st[A] = kRetired;
            }
        }

        if (Live(st[B], pre[B])) {
            if (st[B] == 0) {
                X = b;
                st[B] = (c1 + c2 < seg || nf > 0) ? kRetired : 1;
            } else {
                if (seg <= c2 + c3 && nf == 2 && !atF && c1 < dist(f1s, fe) && c2 < dist(f1s, fe)) {
                    RuleScope scope(*this, "scan7.B");
                    MarkBlank(E, X);
                }
                st[B] = kRetired;
            }
        }

        if (Live(st[C], pre[C])) {
            if (st[C] == 0) {
                st[C] = (c1 + c2 < seg || nf > 0) ? kRetired : 1;
            } else {
                if (c2 < dist(f1s, f2e) && nf > 1 && S == f1s && dist(f1s, f2s) <= c2 && dist(f1s, f1e) <= c1) {
                    RuleScope scope(*this, "scan7.C");
                    MarkBlank(E, f1s - d);
                }
                if (c1 < dist(f1s, f1e) && nf > 0 && dist(S, f1s) < c2 && dist(f1s, f2s) <= c2) {
                    RuleScope scope(*this, "scan7.C");
                    MarkFilled(f1e, S + (c2 - 1) * d);
                }
                st[C] = kRetired;
            }
        }

        if (Live(st[D], pre[D])) {
            if (st[D] == 0) {
                st[D] = (c1 + c2 >= seg && nf == 1) ? 1 : kRetired;
            } else {
                if (seg < c2 && nf == 1) {
                    RuleScope scope(*this, "scan7.D");
                    MarkBlank(S, b);
                }
                st[D] = kRetired;
            }
        }

        if (Live(st[E_], pre[E_])) {
            if (st[E_] == 0) {
                // A first segment of exactly c1 + c2 + c3 + 2 cells holds c3
                // too, and the stretch after it may be c4's: then c4 must
                // equal c1 for that stretch to be a whole run.
                const bool roomForThree = c1 + c2 + c3 + 2 == seg;
                st[E_] = (c1 + c2 + c3 + 2 < seg || nf > 0 || (roomForThree && N >= 3 && c4 != c1)) ? kRetired : 1;
            } else {
                if (dist(f1s, f1e) == c1 && nf == 2 && S == f1s && dist(f1s, fs) == c3) {
                    RuleScope scope(*this, "scan7.E");
                    MarkBlank(f1e, f1e);
                }
                st[E_] = kRetired;
            }
        }

        if (Live(st[F_], pre[F_])) {
            if (st[F_] == 0) {
                st[F_] = (dist(f1s, f3e) >= c1 && nf == 3) ? 1 : kRetired;
            } else {
                // The first two stretches are c1's only when the second
                // and third cannot share c2's run (c2 < dist(f2s, f3e)).
                if (dist(f1s, f2e) < c1 && nf > 3 && c2 < dist(f2s, f3e)) {
                    RuleScope scope(*this, "scan7.F");
                    MarkFilled(f1e, f2s);
                    MarkBlank(E, f2e - (c1 + 1) * d);
                }
                st[F_] = kRetired;
            }
        }

        if (Live(st[G_], pre[G_])) {
            if (st[G_] == 0) {
                st[G_] = (c1 + c2 < seg || nf > 0) ? kRetired : 1;
            } else {
                if (seg <= c1 + c2 && nf == 1 && c1 == dist(fs, fe)) {
                    RuleScope scope(*this, "scan7.G");
                    MarkBlank(S, fs - d);
                }
                st[G_] = kRetired;
            }
        }

        if (Live(st[H_], pre[H_])) {
            st[H_] = kRetired;
            const int m = std::min({c1, c2, c3});
            if (seg < c1 + c2 + c3 + c4 + 3 && nf > 0 && !atF && b == fe) {
                RuleScope scope(*this, "scan7.H");
                MarkFilled(b - m * d, fs);
            }
        }

        if (Live(st[I_], pre[I_])) {
            if (st[I_] < 3) {
                st[I_] = c3 <= seg ? kRetired : st[I_] + 1;
            } else {
                // nf > 0: fs and fe are this scan's, not left by another.
                if (nf > 0 && c1 < dist(fs, fe) && S == fs && c2 < dist(fs, fe)) {
                    RuleScope scope(*this, "scan7.I");
                    MarkFilled(fe, S + (c3 - 1) * d);
                }
                st[I_] = kRetired;
            }
        }

        if (Live(st[J], pre[J])) {
            if (st[J] == 0) {
                st[J] = nf > 0 ? kRetired : 1;
            } else {
                if (c1 < dist(S, f2e) && nf == 3 && S == f1s && c1 == dist(S, f2s)) {
                    RuleScope scope(*this, "scan7.J");
                    MarkFilled(f1e, S + (c2 - 1) * d);
                }
                st[J] = kRetired;
            }
        }

        if (Live(st[K], pre[K])) {
            if (st[K] < 3) {
                if (seg > c2) {
                    st[K] = kRetired;
                } else {
                    if (seg == c2) {
                        ++kSegmentsOfC2;
                        if (nf == 1) {
                            R = {S, b, 0};
                            kRemembered = true;
                        }
                    }
                    ++st[K];
                }
            } else {
                // c2 lies in one of the first three segments, each at most
                // c2 long; it fills R only when R is the one segment of
                // exactly that length (and R is this scan's).
                if (seg == c3 && nf == 2 && S == fs && fe == b && kRemembered && kSegmentsOfC2 == 1) {
                    RuleScope scope(*this, "scan7.K");
                    MarkFilled(R.start, R.end);
                }
                st[K] = kRetired;
            }
        }

        if (Live(st[L], pre[L])) {
            if (st[L] < 2) {
                ++st[L];
            } else if (st[L] == 2) {
                // The stretch too long for L2 must lie in this segment
                // (dist(S, fs) >= 0) to make it a largest clue's.
                st[L] = (seg == lmax && dist(fs, fe) > l2 && nf == 1 && dist(S, fs) >= 0) ? 3 : kRetired;
            } else if (st[L] == 3) {
                st[L] = lmin >= seg ? 4 : kRetired;
            } else {
                // The segment between the two largest runs is filled only
                // when some clue must lie between the two largest clues,
                // and the run here is closed by a blank (at F an undecided
                // last cell ends the stretch without closing it).
                if (seg == lmax && nf == 2 && S == fs && fe == b && cur == kBlank && !LargestCluesAdjacent()) {
                    RuleScope scope(*this, "scan7.L");
                    MarkFilled(f1e, f2s);
                }
                st[L] = kRetired;
            }
        }

        if (AllRetired(st, kRules)) {
            // The stretch-end rule a keeps no state and looks at the second
            // stretch, so the walk goes on while it may still fire.
            if (!ruleACanFire || nf >= 2)
                return;
        }
        prev = cur;
    }
}

// ---- Scan 8 -----------------------------------------------------------------

// Ten shapes of the first segments with one or two stretches.
void LineSolver::Scan8()
{
    const int lmax = LargestClue;
    const int lmin = SmallestClue;
    const int l2 = SecondLargestClue;
    const int nmax = LargestClueCount;
    const int imax = LargestClueIndex;
    const int m3 = c1 + c2 + c3 + 1;
    // Room that the clues from `from` to kF need packed together.
    auto packed = [this](int from) {
        int t = 0;
        for (int k = from; dist(k, kF) >= 0; k += d)
            t += Clue(k) + 1;
        return t - 1;
    };
    // Counts over the open clues that few shapes need: taken when asked.
    const auto smallBetween = [this, l2] { // some open clue strictly between 1 and L2
        for (int k = FirstOpenClue; k <= LastOpenClue; ++k)
            if (Clue(k) > 1 && Clue(k) < l2)
                return true;
        return false;
    };
    int l2Count = -1;
    const auto cluesEqualToL2 = [&] {
        if (l2Count < 0)
            l2Count = OpenCluesEqualTo(l2);
        return l2Count;
    };
    enum { A, B, C, D, E_, F_, G_, H_, I_, J, kRules };
    int st[kRules] = {};
    const bool pre[kRules] = {
        true,
        nmax == 1 && c2 == lmax,
        true,
        N > 2 && c2 <= c3,
        nmax == 1 && l2 > 1 && c1 == l2,
        c2 <= c1,
        nmax == 1,
        nmax == 1 && c1 == lmax && l2 == lmin,
        c2 == lmin && OpenCluesEqualTo(lmin) <= 2 && (c1 == c2 || OpenCluesEqualTo(lmin) < 2),
        true,
    };
    nf = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        TrackEndScanCell(pos, prev, cur, 1);
        const bool atF = pos == F;
        if (!((prev != kBlank && cur == kBlank) || (atF && cur != kBlank))) {
            prev = cur;
            continue;
        }
        const int b = pos;
        const int seg = dist(S, b);

        if (Live(st[A], pre[A])) {
            if (st[A] == 0) {
                // E .. b - 1 must be too short for c1 .. c4 (dist(E, b) <
                // m3 + c4 + 2), or the second stretch may be c4's.
                if (N > 3 && nf == 2 && c1 < c2 && c3 < c2 && dist(E, b) < m3 + c4 + 2 && dist(f1e, b) <= c2 &&
                    c2 < dist(f1s, fe)) {
                    RuleScope scope(*this, "scan8.A");
                    MarkFilled(b - c3 * d, fs);
                    if (b - c3 * d + d == f1e)
                        MarkBlank(f1e, f1e);
                }
                st[A] = (seg <= m3 && nf != 0) ? 1 : kRetired;
            } else {
                const int m = std::min(c2, c3);
                if (dist(S, fe) > 0) {
                    RuleScope scope(*this, "scan8.A");
                    MarkFilled(fe, S + (m - 1) * d);
                }
                st[A] = kRetired;
            }
        }

        if (Live(st[B], pre[B])) {
            if (nf >= 3) {
                st[B] = kRetired;
            } else if (nf == 2) {
                st[B] = kRetired;
                if (dist(fs, fe) == lmax) {
                    RuleScope scope(*this, "scan8.B");
                    MarkBlank(E, f1e - (c1 + 1) * d);
                    MarkBlank(f1s + c1 * d, S - d);
                }
            }
        }

        if (Live(st[C], pre[C])) {
            st[C] = kRetired;
            if (c1 < dist(E, f1s) && nf == 2 && c2 < dist(f1s, fe) && dist(E, f1s) <= c1 + c2 + 1 &&
                dist(f1e, F) < packed(k1 + d)) {
                RuleScope scope(*this, "scan8.C");
                MarkFilled(fs - (c2 + 1) * d, f1s);
            }
        }

        if (Live(st[D], pre[D])) {
            if (st[D] == 0) {
                // The first segment holds at most c1 and c2; its second
                // stretch Q is c2's only when it lies beyond c1's reach from
                // the first (c1 < dist(f1s, fe)).
                if (seg <= m3 && nf == 2 && c2 >= dist(fe, b) && c1 < dist(f1s, fe)) {
                    Q = {fs, fe, b};
                    st[D] = 1;
                } else {
                    st[D] = kRetired;
                }
            } else {
                if (0 < dist(S, fs) && dist(S, fs) <= c2) {
                    RuleScope scope(*this, "scan8.D");
                    if (c2 < dist(fs, fe))
                        MarkBlank(Q.start + c2 * d, Q.third);
                    if (dist(Q.start, Q.end) == c2)
                        MarkBlank(Q.start - d, Q.start - d);
                }
                st[D] = kRetired;
            }
        }

        if (Live(st[E_], pre[E_]) && !atF && seg > l2 && nf > 0) {
            st[E_] = kRetired;
            // S .. F holds dist(S, F) + 1 cells: the open clues do not fit
            // there only when that is below their packed length.
            if (dist(f1s, f1e) > 1 && S == f1s && dist(S, F) + 1 < packed(k1) && cluesEqualToL2() <= 1 &&
                !smallBetween()) {
                RuleScope scope(*this, "scan8.E");
                MarkFilled(f1e, f1s + (lmax - 1) * d);
            }
        }

        if (Live(st[F_], pre[F_])) {
            if (st[F_] == 0) {
                // seg <= c1 + c2: the first segment holds c1 alone.
                st[F_] = (dist(fs, fe) > c2 && nf == 1 && c2 >= dist(fe, b) && seg <= c1 + c2) ? 1 : kRetired;
            } else if (st[F_] == 1) {
                st[F_] = (seg == c2 && S == fs && fe == b) ? 2 : kRetired;
            } else {
                if (S == fs) {
                    RuleScope scope(*this, "scan8.F");
                    MarkFilled(fe, S + (c3 - 1) * d);
                    MarkBlank(S + c3 * d, S + c3 * d);
                }
                st[F_] = kRetired;
            }
        }

        if (Live(st[G_], pre[G_])) {
            if (atF) {
                st[G_] = kRetired;
            } else if (Clue(imax + d) == l2) {
                if (cluesEqualToL2() > 1) {
                    st[G_] = kRetired;
                } else if (st[G_] == 0) {
                    if (seg == lmax && S == fs && fe == b) {
                        X = b;
                        st[G_] = 1;
                    }
                } else if (seg == l2 && S == fs && fe == b) {
                    RuleScope scope(*this, "scan8.G");
                    MarkBlank(X, S - d);
                }
            }
        }

        if (Live(st[H_], pre[H_])) {
            if (st[H_] == 0) {
                if (nf == 0) {
                    X = b;
                    st[H_] = 1;
                } else {
                    st[H_] = kRetired;
                }
            } else {
                if (seg < c1 && nf == 1) {
                    RuleScope scope(*this, "scan8.H");
                    MarkFilled(X - c1 * d, E + (c1 - 1) * d);
                }
                st[H_] = kRetired;
            }
        }

        if (Live(st[I_], pre[I_])) {
            if (st[I_] == 0) {
                st[I_] = nf == 1 ? 1 : kRetired;
            } else {
                if (!atF && S == fs && fe == b && c2 == dist(fs, fe)) {
                    RuleScope scope(*this, "scan8.I");
                    MarkBlank(E, f1e - (c1 + 1) * d);
                }
                st[I_] = kRetired;
            }
        }

        if (Live(st[J], pre[J])) {
            if (st[J] == 0) {
                st[J] = c1 + c2 >= seg ? 1 : kRetired;
            } else {
                if (nf > 0 && S == fs) {
                    RuleScope scope(*this, "scan8.J");
                    MarkFilled(fe, S + (std::min(c1, c2) - 1) * d);
                }
                st[J] = kRetired;
            }
        }

        if (AllRetired(st, kRules))
            return;
        prev = cur;
    }
}

// ---- Scan 9 -----------------------------------------------------------------

// Nine shapes, several about runs of equal small clues; cnt counts the
// stretch starts since a rule last reset it.
void LineSolver::Scan9()
{
    const int lmax = LargestClue;
    const int lmin = SmallestClue;
    const int l2 = SecondLargestClue;
    const int nmax = LargestClueCount;
    enum { A, B, C, D, E_, F_, G_, H_, I_, kRules };
    int st[kRules] = {};
    const bool pre[kRules] = {
        nmax == 1 && c2 == lmax && c1 < c2,
        true,
        N == 2 && nmax == 1 && c1 == lmax && c2 == c3,
        N > 2 && c2 == lmin && c2 == c3,
        N == 2,
        c1 == c2 && c2 == c3,
        c1 == c2 && c1 != c3,
        N > 2 && c1 == lmin && c1 == c2 && c1 == c3 && c1 == c4,
        c1 == lmin && c1 == c2 && c1 < c3,
    };
    int cnt = 0;
    int capacity = 0;
    int stretchesAtLastEnd = 0;
    bool iSegmentWithoutStretch = false;
    bool dOneStretchFirst = false;

    nf = 0;
    int prev = kBlank;
    for (int pos = E; dist(pos, F) >= 0; pos = NextChangeOrLast(pos, prev, F)) {
        const int cur = Cell(pos);
        TrackEndScanCell(pos, prev, cur, 1);
        if (prev != kFilled && cur == kFilled)
            ++cnt;
        const bool atF = pos == F;
        if (!((prev != kBlank && cur == kBlank) || (atF && cur != kBlank))) {
            prev = cur;
            continue;
        }
        const int b = pos;
        const int seg = dist(S, b);

        if (Live(st[A], pre[A])) {
            if (st[A] == 0) {
                X = b;
                st[A] = (c1 + c2 < dist(E, b) || nf > 0) ? kRetired : 1;
            } else {
                if (c1 < dist(f1s, f1e) && (nf == 1 || nf == 2)) {
                    if (dist(S, f1s) <= c1) {
                        RuleScope scope(*this, "scan9.A");
                        MarkFilled(X - c1 * d, E + (c1 - 1) * d);
                    }
                    if (dist(S, f1s) < c2 && nf == 2 && c2 < dist(f1s, fe) && dist(f1s, fs) <= c2) {
                        RuleScope scope(*this, "scan9.A");
                        MarkFilled(fs - (c2 + 1) * d, f1s);
                    }
                }
                st[A] = kRetired;
            }
        }

        if (Live(st[B], pre[B])) {
            st[B] = kRetired;
            if (nf == 2 && nmax == 1 && c3 == lmax && l2 < dist(fs, fe) && lmax < dist(f1s, fe) &&
                dist(f1e, fs) <= c2) {
                RuleScope scope(*this, "scan9.B");
                MarkBlank(f1s + c2 * d, fe - (c3 + 1) * d);
                // c2 covers the first stretch and may start as late as f1s,
                // so c1 may end as late as f1s - 2: its overlap begins no
                // nearer than f1s - (c1 + 1).
                if (dist(E, f1s) < 2 * c1) {
                    const int from =
                        dist(f1e - (c1 + c2) * d, f1s - (c1 + 1) * d) > 0 ? f1s - (c1 + 1) * d : f1e - (c1 + c2) * d;
                    MarkFilled(from, S + (c1 - 1) * d);
                }
            }
        }

        if (Live(st[C], pre[C])) {
            if (st[C] == 0) {
                st[C] = (dist(f1s, fs) > c2 && nf == 2) ? 1 : kRetired;
            } else {
                if (b - S == fe - fs && nf == 3) {
                    RuleScope scope(*this, "scan9.C");
                    MarkBlank(E, f1s - c1 * d);
                }
                st[C] = kRetired;
            }
        }

        if (Live(st[D], pre[D])) {
            if (st[D] == 0) {
                dOneStretchFirst = nf == 1;
                st[D] = (seg >= c1 && nf <= 1 && c1 + c2 >= seg) ? 1 : kRetired;
            } else {
                // With an empty first segment c1 may lie here instead, over
                // both stretches, unless they span more than c1.
                const int wanted = dOneStretchFirst ? 3 : 2;
                if (nf == wanted && dist(fs, fe) == c3 && seg <= c2 + c3 + c4 && c1 < c4 && b == fe &&
                    (dOneStretchFirst || c1 < dist(f1s, fe))) {
                    RuleScope scope(*this, "scan9.D");
                    MarkBlank(fs - d, fs - d);
                }
                st[D] = kRetired;
            }
        }

        if (Live(st[E_], pre[E_])) {
            if (st[E_] == 0) {
                cnt = 0;
                X = b;
                st[E_] = c1 + c2 >= dist(E, b) ? 1 : kRetired;
            } else if (st[E_] == 1) {
                st[E_] = (cnt == 1 && c1 >= dist(S, fs) && c2 >= dist(fe, b)) ? 2 : kRetired;
            } else {
                if (seg < c2 + c3 && atF) {
                    RuleScope scope(*this, "scan9.E");
                    MarkFilled(X - c1 * d, E + (c1 - 1) * d);
                }
                st[E_] = kRetired;
            }
        }

        if (Live(st[F_], pre[F_])) {
            if (st[F_] == 0) {
                // A first segment of exactly 3 c1 + 2 cells can hold c1 .. c3,
                // and then the stretch that follows may be c4's: only when c4
                // equals them too is it known to be c1 long.
                const bool roomForThree = 3 * c1 + 2 == seg;
                st[F_] = (3 * c1 + 2 >= seg && (!roomForThree || N < 3 || c4 == c1)) ? 1 : kRetired;
            } else {
                // nf > 0: fs and fe are this scan's, not left by another.
                if (nf > 0 && dist(S, fe) == c1 && S == fs) {
                    RuleScope scope(*this, "scan9.F");
                    MarkBlank(fe, fe);
                }
                st[F_] = kRetired;
            }
        }

        if (Live(st[G_], pre[G_])) {
            if (atF) {
                st[G_] = kRetired;
            } else if (st[G_] == 0) {
                X = b;
                st[G_] = 2 * c1 >= seg ? 1 : kRetired;
            } else if (st[G_] == 1) {
                // nf > 0: fs is this scan's, not one left by another scan.
                st[G_] = (nf > 0 && S == fs && fe == b) ? 2 : kRetired;
            } else {
                if (dist(fs, fe) == c2 && S == fs && fe == b) {
                    RuleScope scope(*this, "scan9.G");
                    MarkBlank(E, X);
                }
                st[G_] = kRetired;
            }
        }

        // How many runs of c1 the segment has room for, counting the one
        // gap each needs.
        {
            const int e = atF ? fe : b;
            for (int j = 1; j <= 6; ++j) {
                const int r = dist(S, e) - (j * c1 + j - 1);
                if (r < c1) {
                    capacity += r < 0 ? j - 1 : j;
                    break;
                }
                if (j == 6)
                    capacity = 6;
            }
            if (capacity > 4 && st[H_] != kRetired)
                st[H_] = kRetired;
        }

        if (Live(st[H_], pre[H_])) {
            if (st[H_] < 2) {
                cnt = 0;
                st[H_] = capacity > 4 ? kRetired : st[H_] + 1;
            } else {
                if (dist(S, fs) > 0 && cnt > 0 && dist(fs, fe) == c1) {
                    RuleScope scope(*this, "scan9.H");
                    MarkBlank(fs - d, fe);
                }
                st[H_] = kRetired;
            }
        }

        if (Live(st[I_], pre[I_])) {
            if (st[I_] < 2) {
                cnt = 0;
                // Room for at most two runs of c1 in the first two segments
                // places c1 and c2 there only when each holds a stretch.
                if (nf == stretchesAtLastEnd)
                    iSegmentWithoutStretch = true;
                st[I_] = capacity > 2 ? kRetired : st[I_] + 1;
            } else {
                if (dist(S, fs) > 0 && cnt == 1 && !atF && fe == b && c1 < dist(fs, fe) && dist(S, fs) <= c3 &&
                    !iSegmentWithoutStretch) {
                    RuleScope scope(*this, "scan9.I");
                    MarkBlank(S, fe - (c3 + 1) * d);
                    MarkFilled(fe - c3 * d, fs - d);
                }
                st[I_] = kRetired;
            }
        }

        stretchesAtLastEnd = nf;
        if (AllRetired(st, kRules))
            return;
        prev = cur;
    }
}

} // namespace velin
