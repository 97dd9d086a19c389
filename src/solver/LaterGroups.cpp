// The rule groups that follow the end pattern rules on a line: the second
// group (rules 2a-2g and the clue-reach scan, from both ends) and the third
// group (rules 3a-3i and the smallest-clue scan, in their fixed order).
#include "solver/LineSolver.h"

namespace velin {

void LineSolver::SecondGroup() {}
void LineSolver::Rule2a() {}
void LineSolver::Rule2b() {}
void LineSolver::Rule2c() {}
void LineSolver::Rule2d() {}
void LineSolver::Rule2e() {}
void LineSolver::Rule2f() {}
void LineSolver::Rule2g() {}
void LineSolver::ClueReachScan() {}

void LineSolver::ThirdGroup() {}
void LineSolver::Rule3a() {}
void LineSolver::Rule3b() {}
void LineSolver::Rule3c() {}
void LineSolver::Rule3d() {}
void LineSolver::Rule3e() {}
void LineSolver::Rule3f() {}
void LineSolver::Rule3g() {}
void LineSolver::Rule3h() {}
void LineSolver::Rule3i() {}
void LineSolver::SmallestClueScan() {}

} // namespace velin
