#pragma once

#include "behaviour/form_description.h"

// The window description's twips on a screen of any density: 1440 twips an inch, so 15 twips a
// pixel at 96 dots an inch and 10 at 144. At 96 dpi this is exactly twipsToPixels, so every
// front-end lays the window out on the same pixels there.
namespace bithydraulics {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

// The nearest whole pixel to `twips` at `dpi` dots an inch (halves away from zero).
constexpr int twipsToPixelsAt(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>((scaled >= 0 ? scaled + half : scaled - half) / kTwipsPerInch);
}

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

constexpr PixelRect pixelRectAt(const TwipsRect& bounds, int dpi) {
    return {twipsToPixelsAt(bounds.left, dpi), twipsToPixelsAt(bounds.top, dpi),
            twipsToPixelsAt(bounds.width, dpi), twipsToPixelsAt(bounds.height, dpi)};
}

}  // namespace bithydraulics
