#pragma once
#include <cstdint>

namespace velin {

// Colour values are 0xBBGGRR, as the settings file stores them.
constexpr int32_t Rgb(int r, int g, int b) { return (b << 16) | (g << 8) | r; }

// The standard 16-colour palette: 2 is green, 9 light blue, 15 white.
int32_t QBColor(int index);

inline constexpr int32_t kWindowText = 0x000000;
inline constexpr int32_t kMarkGreen = 0x008000;
inline constexpr int32_t kMemoRed = 0x0000FF;
inline constexpr int32_t kStarBlue = 0xFF0000;
inline constexpr int32_t kBatchNameRed = 0x0000C0;
inline constexpr int32_t kClockBlue = 0xC00000;

}  // namespace velin
