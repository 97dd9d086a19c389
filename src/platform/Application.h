#pragma once
// What every run of the game's windows needs before its first form: the font
// substitutions and the keyboard behaviour of the platform the game was made
// for. The game, the tests of its forms and the benchmarks all call it, so
// they all see the same forms.

namespace velin {

void SetUpApplication();

} // namespace velin
