#pragma once
// Fingerprints of what the solver does on seeded puzzles: every mark (cell,
// code and the rule that made it) in order, and how the run ended. Two
// solvers with the same fingerprints marked the same cells by the same rules
// in the same order.
#include <cstdint>
#include <string>
#include <vector>

namespace velin::testing {

struct Fingerprint {
    std::string name;
    uint64_t value = 0;
};

// AutoSolve on random pictures up to 60 x 60, plain (every rule on every
// visit) or as the game runs it.
std::vector<Fingerprint> PictureFingerprints(int pictures, bool skipFruitlessVisits);
// The whole line pipeline on random single lines with some cells decided,
// one fingerprint per block of lines.
std::vector<Fingerprint> LineFingerprints(int blocks, int linesPerBlock);
// The same on lines whose clues are drawn at random (zeros among them, as a
// damaged question file may give), mostly disagreeing with the cells.
std::vector<Fingerprint> DamagedLineFingerprints(int blocks, int linesPerBlock);

} // namespace velin::testing
