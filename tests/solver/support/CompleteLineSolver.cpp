#include "CompleteLineSolver.h"

namespace velin::testing {

namespace {
constexpr int kBlankCode = 1;
constexpr int kFilledCode = 2;
} // namespace

LineVerdict SolveLineCompletely(const std::vector<int>& cells, const std::vector<int>& cluesIn)
{
    std::vector<int> clues;
    for (int clue : cluesIn)
        if (clue > 0)
            clues.push_back(clue);
    const int n = static_cast<int>(cells.size());
    const int k = static_cast<int>(clues.size());
    // Positions 1..n; cell(p) for p outside is blank.
    auto cell = [&](int p) { return p >= 1 && p <= n ? cells[p - 1] : kBlankCode; };
    // blankUpTo[p] = number of blank cells among 1..p.
    std::vector<int> blankUpTo(n + 2, 0);
    for (int p = 1; p <= n + 1; ++p)
        blankUpTo[p] = blankUpTo[p - 1] + (p <= n && cell(p) == kBlankCode);
    auto noBlank = [&](int from, int to) { return from > to || blankUpTo[to] - blankUpTo[from - 1] == 0; };

    // before(j, i): clues 1..j fit cells 1..i, every other cell of 1..i
    // blank-able; after(j, i): clues j..k fit cells i..n likewise.
    std::vector<std::vector<char>> pre(k + 1, std::vector<char>(n + 1, 0));
    std::vector<std::vector<char>> suf(k + 2, std::vector<char>(n + 2, 0));
    auto before = [&](int j, int i) { return i <= 0 ? j == 0 : pre[j][i] != 0; };
    auto after = [&](int j, int i) { return i >= n + 1 ? j == k + 1 : suf[j][i] != 0; };
    for (int j = 0; j <= k; ++j) {
        for (int i = 1; i <= n; ++i) {
            bool ok = cell(i) != kFilledCode && before(j, i - 1);
            if (!ok && j > 0) {
                const int start = i - clues[j - 1] + 1;
                ok = start >= 1 && noBlank(start, i) && cell(start - 1) != kFilledCode && before(j - 1, start - 2);
            }
            pre[j][i] = ok;
        }
    }
    for (int j = k + 1; j >= 1; --j) {
        for (int i = n; i >= 1; --i) {
            bool ok = cell(i) != kFilledCode && after(j, i + 1);
            if (!ok && j <= k) {
                const int end = i + clues[j - 1] - 1;
                ok = end <= n && noBlank(i, end) && cell(end + 1) != kFilledCode && after(j + 1, end + 2);
            }
            suf[j][i] = ok;
        }
    }

    LineVerdict verdict;
    verdict.consistent = after(1, 1);
    verdict.forced.assign(n, 0);
    if (!verdict.consistent)
        return verdict;

    std::vector<int> canFill(n + 2, 0);
    std::vector<char> canBlank(n + 1, 0);
    for (int j = 1; j <= k; ++j) {
        const int c = clues[j - 1];
        for (int start = 1; start + c - 1 <= n; ++start) {
            const int end = start + c - 1;
            if (!noBlank(start, end))
                continue;
            if (cell(start - 1) == kFilledCode || cell(end + 1) == kFilledCode)
                continue;
            if (!before(j - 1, start - 2) || !after(j + 1, end + 2))
                continue;
            canFill[start] += 1;
            canFill[end + 1] -= 1;
        }
    }
    for (int p = 1; p <= n; ++p) {
        if (cell(p) == kFilledCode)
            continue;
        for (int j = 0; j <= k && !canBlank[p]; ++j)
            if (before(j, p - 1) && after(j + 1, p + 1))
                canBlank[p] = 1;
    }
    int running = 0;
    for (int p = 1; p <= n; ++p) {
        running += canFill[p];
        const bool fill = running > 0;
        const bool blank = canBlank[p];
        verdict.forced[p - 1] = fill && !blank ? kFilledCode : (blank && !fill ? kBlankCode : 0);
    }
    return verdict;
}

std::vector<int> RunsOf(const std::vector<int>& cells)
{
    std::vector<int> runs;
    int length = 0;
    for (int code : cells) {
        if (code == kFilledCode) {
            ++length;
        } else if (length > 0) {
            runs.push_back(length);
            length = 0;
        }
    }
    if (length > 0)
        runs.push_back(length);
    if (runs.empty())
        runs.push_back(0);
    return runs;
}

std::string LineText(const std::vector<int>& cells)
{
    std::string text;
    for (int code : cells)
        text += code == kFilledCode ? '#' : code == kBlankCode ? '.' : '?';
    return text;
}

std::string ClueText(const std::vector<int>& clues)
{
    std::string text;
    for (int clue : clues) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(clue);
    }
    return text;
}

std::vector<int> ParseLine(const std::string& text)
{
    std::vector<int> cells;
    for (char ch : text)
        cells.push_back(ch == '#' ? kFilledCode : ch == '.' ? kBlankCode : 0);
    return cells;
}

} // namespace velin::testing
