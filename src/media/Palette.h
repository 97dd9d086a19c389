#pragma once
// The 32 background colours the player may choose for the board, and where
// their swatches sit: 4 rows of 8, laid out from the first swatch with a gap
// of a fifth of a swatch.
#include <array>
#include <cstdint>

namespace velin::Palette {

inline constexpr int kColours = 32;
inline constexpr int kPerRow = 8;

// Colour values as the settings file stores them (red + 256 green + 65536 blue).
extern const std::array<int32_t, kColours> kColours32;

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Where swatch `index` sits when swatch 0 sits at `first`: row index / 8 is
// 1.2 heights further down, and each swatch of a row starts 1.2 widths after
// the one before it.
Rect SwatchRect(int index, const Rect& first);

} // namespace velin::Palette
