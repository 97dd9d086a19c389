#include "CompleteLineSolver.h"

#include "LineLogic.h"

namespace velin::testing {

namespace {
constexpr int kBlankCode = 1;
constexpr int kFilledCode = 2;
} // namespace

LineVerdict SolveLineCompletely(const std::vector<int>& cells, const std::vector<int>& cluesIn)
{
    // The complete line solver that also vouches for the default puzzles,
    // written apart from the game's rules.
    art::Clue clues;
    for (int clue : cluesIn)
        if (clue > 0)
            clues.push_back(clue);
    std::vector<art::Cell> line;
    line.reserve(cells.size());
    for (int code : cells)
        line.push_back(code == kFilledCode ? art::Cell::Filled
                                           : code == kBlankCode ? art::Cell::Blank : art::Cell::Unknown);
    LineVerdict verdict;
    verdict.forced.assign(cells.size(), 0);
    verdict.consistent = art::SolveLine(clues, line);
    if (!verdict.consistent)
        return verdict;
    for (size_t p = 0; p < line.size(); ++p)
        verdict.forced[p] = line[p] == art::Cell::Filled ? kFilledCode : line[p] == art::Cell::Blank ? kBlankCode : 0;
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
