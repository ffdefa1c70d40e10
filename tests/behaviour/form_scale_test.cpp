// The window's twips on screens of any density, as both views lay it out.
#include <gtest/gtest.h>

#include <cstdlib>

#include "behaviour/form_scale.h"

namespace bithydraulics {
namespace {

TEST(FormScale, IsTheWholePixelsAt96DpiAndTheNearestPixelAtEveryDensity) {
    for (int twips = -3000; twips <= 20000; ++twips) {
        ASSERT_EQ(twipsToPixelsAt(twips, kStandardDpi), twipsToPixels(twips)) << twips;
        for (const int dpi : {120, 144, 192, 288}) {
            // Off by at most half a pixel: |pixels - twips * dpi / 1440| <= 1/2.
            const long long error =
                static_cast<long long>(twipsToPixelsAt(twips, dpi)) * kTwipsPerInch -
                static_cast<long long>(twips) * dpi;
            ASSERT_LE(std::abs(error), kTwipsPerInch / 2) << twips << " twips at " << dpi;
        }
    }
}

}  // namespace
}  // namespace bithydraulics
