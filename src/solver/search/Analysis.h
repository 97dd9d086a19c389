#pragma once
// Tells an author how many pictures a puzzle has: complete line logic first,
// then probing (try each undecided cell both ways and keep what a failed try
// proves), then a depth-first search that branches on the cell whose probes
// decided most. It stops at the second picture, so "multiple" comes with two
// different pictures and "unique" means the whole search was exhausted.
// Apart from the game's rule-based solver: this one is for the tools only.
#include "board/BoardModel.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace velin::search {

enum class Verdict { Unique, Multiple, None, Unknown };

// The word velin-check prints for a verdict.
QString VerdictWord(Verdict verdict);

// Which undecided cell the search branches on. All but FirstCell choose from
// the tries of probing: the two tries of a cell decided `blank` and `filled`
// more cells.
enum class Branching {
    // The first undecided cell, row by row.
    FirstCell,
    // The cell whose tries decided most: the largest (blank + 1)(filled + 1).
    MostDecided,
    // MostDecided weighted by what the analysis has learnt from its
    // contradictions: the product times 1 + how often line logic found the
    // cell's row or column without a placement, so far in this analysis.
    // A puzzle with parts that depend on each other only through a few lines
    // (a frame around a picture) makes the plain product branch in the part
    // that decides much but settles nothing, again and again under every
    // wrong choice in the other part; the lines that fail show where the
    // choices are really made.
    MostDecidedLearnt,
    // The cell whose tries decided least: the smallest product.
    LeastDecided,
    // The cell whose two tries decided most nearly as much, the smaller
    // product among equals.
    Balanced,
    // The cell whose poorer try decided most, the larger product among equals.
    LargestMinimum,
};

// The value tried first at a branch until a first picture is found (after
// that, always the value that differs from that picture): filled, the value
// whose try decided more, or the one whose try decided less (which leaves
// the most room for a picture).
enum class FirstValue { Filled, Richer, Poorer };

struct AnalysisOptions {
    // Time allowed for one puzzle; the verdict is Unknown when it runs out.
    int budgetMs = 2000;
    // Probing at every node of the search (off: line logic only, and the
    // first undecided cell).
    bool probing = true;
    // The defaults are the choices that measured best (velin-bench-analysis).
    Branching branching = Branching::MostDecidedLearnt;
    FirstValue firstValue = FirstValue::Poorer;
    // A second search with this branching choice, stepped in turn with the
    // first one (with probing only). Measured with the plain MostDecided: it
    // cut the slowest corpus puzzle to about a third but doubled the slowest
    // random 30 x 30 ones. With MostDecidedLearnt alone every corpus puzzle
    // is already far within its time, and in turn the random ones get
    // slower, so it is off.
    bool interleave = false;
    Branching alongside = Branching::Balanced;
    // Fix what both tries of a cell decide alike.
    bool intersect = true;
};

struct PuzzleClues {
    int rows = 0;
    int columns = 0;
    // Run lengths per line; an empty line has none. A zero among them, or a
    // clue that cannot fit its line, makes the puzzle have no picture.
    std::vector<std::vector<int>> rowClues;
    std::vector<std::vector<int>> columnClues;
};

// The clues of a loaded board model ("0" is an empty line).
PuzzleClues CluesOf(const BoardModel& model, int rows, int columns);

struct Analysis {
    Verdict verdict = Verdict::Unknown;
    // Branch decisions tried by the search; 0 when no branching was needed.
    long nodes = 0;
    // Probes made (one cell tried one way and propagated).
    long probes = 0;
    qint64 micros = 0;
    // Rows-then-columns sweeps of complete line logic from the empty board
    // until it finished or stalled (a sweep that decided nothing is not counted).
    int lineCycles = 0;
    // Line logic alone finished the picture.
    bool solvedByLines = false;
    // Line logic and probing finished it without branching.
    bool solvedWithoutSearch = false;
    // Up to two different pictures, rows of '#' (filled) and '.' (blank):
    // one for Unique, two for Multiple.
    std::vector<QStringList> solutions;
};

// Analyses the puzzle (at most 60 x 60; larger ones are None).
Analysis Analyse(const PuzzleClues& puzzle, const AnalysisOptions& options = {});

// True when the picture (rows of '#' and '.') has exactly the puzzle's clues.
bool SatisfiesClues(const PuzzleClues& puzzle, const QStringList& picture);

} // namespace velin::search
