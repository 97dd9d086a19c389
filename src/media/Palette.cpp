#include "media/Palette.h"

#include "app/Colors.h"

namespace velin::Palette {

const std::array<int32_t, kColours> kColours32 = {
    Rgb(0, 0, 128),     Rgb(0, 128, 0),     Rgb(0, 128, 128),   Rgb(128, 0, 0),   Rgb(128, 0, 128), Rgb(128, 128, 0),
    Rgb(192, 192, 192), Rgb(128, 128, 128), Rgb(0, 0, 255),     Rgb(0, 255, 0),   Rgb(0, 255, 255), Rgb(255, 0, 0),
    Rgb(255, 0, 255),   Rgb(255, 255, 0),   Rgb(255, 255, 255), Rgb(160, 0, 0),   Rgb(0, 160, 0),   Rgb(0, 0, 160),
    Rgb(160, 160, 0),   Rgb(0, 160, 160),   Rgb(160, 0, 160),   Rgb(96, 0, 0),    Rgb(0, 96, 0),    Rgb(0, 0, 96),
    Rgb(96, 96, 0),     Rgb(96, 0, 96),     Rgb(0, 160, 255),   Rgb(0, 255, 160), Rgb(160, 0, 255), Rgb(255, 160, 0),
    Rgb(160, 160, 255), Rgb(0, 0, 0),
};

Rect SwatchRect(int index, const Rect& first)
{
    // Every swatch is a copy of the first, so the same size throughout.
    Rect r = first;
    r.top = first.top + first.height * 1.2 * (index / kPerRow);
    for (int i = 1; i <= index; ++i)
        r.left = i % kPerRow == 0 ? first.left : r.left + 1.2 * first.width;
    return r;
}

} // namespace velin::Palette
