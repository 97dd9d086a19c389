#pragma once
// The soundness property of the line solver: on any line that agrees with
// some solution, every cell the game's rules decide must be forced, that is
// the same in every placement of the clues that agrees with the cells already
// decided (CompleteLineSolver). The harness builds random pictures, decides a
// random share of their cells, runs the game's line pipeline over the rows
// and the columns, and reports each mark that is not forced with the rule
// that made it, the line, its clues and its cells.
//
// To check one rule family: set `families` to
//   LineSolver::FamilyBit(RuleFamily::General) | LineSolver::FamilyBit(f)
// (SoundnessTest runs every family so; --gtest_filter=*scan6* picks one).
#include "solver/LineSolver.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace velin::testing {

struct SoundnessOptions {
    uint32_t seed = 1;
    int boards = 100;
    int minRows = 1;
    int maxRows = 12;
    int minLength = 1;
    int maxLength = 60;
    // Each board decides a random share of its cells, up to this much.
    double maxDecidedShare = 0.7;
    // Rows-and-columns cycles run on each board.
    int cycles = 2;
    uint64_t families = LineSolver::AllFamilies();
    // Stop collecting after this many violations.
    int maxReports = 5;
};

struct SoundnessReport {
    int lines = 0;
    int marks = 0;
    // Cells decided per rule name, to see that a rule fires at all.
    std::map<std::string, int> marksByRule;
    std::vector<std::string> violations;
};

SoundnessReport CheckLineSoundness(const SoundnessOptions& options);

// Solves random pictures from scratch with the driver (a run that decides
// nothing for a whole cycle is stopped) and reports any decided cell that
// differs from the picture, with the rule that decided it.
struct PictureOptions {
    uint32_t seed = 1;
    int pictures = 50;
    int minSize = 5;
    int maxSize = 30;
    uint64_t families = LineSolver::AllFamilies();
    int maxReports = 5;
};

struct PictureReport {
    int solved = 0;
    int stalled = 0;
    std::vector<std::string> violations;
};

PictureReport CheckPictureSolving(const PictureOptions& options);

} // namespace velin::testing
