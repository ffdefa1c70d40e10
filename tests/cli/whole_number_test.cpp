#include "cli/whole_number.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace bithydraulics::cli {
namespace {

__extension__ typedef __int128 Int128;

std::string toString(Int128 value) {
    if (value == 0) {
        return "0";
    }
    std::string text;
    const bool negative = value < 0;
    for (; value != 0; value /= 10) {
        text.insert(text.begin(), static_cast<char>('0' + (negative ? -(value % 10) : value % 10)));
    }
    return negative ? "-" + text : text;
}

// Against 128-bit arithmetic on numbers of every length up to 30 digits, many near a limb's
// boundary (999999999 and 1000000000), where carries and borrows cross.
TEST(WholeNumber, AgreesWithMachineArithmetic) {
    std::mt19937_64 random(11);
    const auto draw = [&random]() -> Int128 {
        Int128 value = 0;
        const int digits = static_cast<int>(random() % 31);
        const bool nines = random() % 3 == 0;
        for (int i = 0; i < digits; ++i) {
            value = value * 10 + (nines ? 9 : static_cast<int>(random() % 10));
        }
        value += static_cast<int>(random() % 3) - 1;
        return random() % 2 == 0 ? value : -value;
    };
    for (int i = 0; i < 20'000; ++i) {
        const Int128 a = draw();
        const Int128 b = draw();
        const auto factor = static_cast<std::uint32_t>(random() % 1'000'001);
        const WholeNumber x = WholeNumber::fromDigits(toString(a));
        const WholeNumber y = WholeNumber::fromDigits(toString(b));
        ASSERT_EQ(x.toString(), toString(a));
        ASSERT_EQ((x + y).toString(), toString(a + b));
        ASSERT_EQ((x - y).toString(), toString(a - b));
        ASSERT_EQ((x * factor).toString(), toString(a * factor));
        ASSERT_EQ(x.sign(), a < 0 ? -1 : a > 0 ? 1 : 0);
        const Int128 sizeA = a < 0 ? -a : a;
        const Int128 sizeB = b < 0 ? -b : b;
        ASSERT_EQ(WholeNumber::compareMagnitudes(x, y), sizeA < sizeB ? -1 : sizeA > sizeB ? 1 : 0);
        if (sizeA < Int128(1) << 90) {
            ASSERT_EQ(x.scaledByPowerOfTen(7).toString(), toString(a * 10'000'000));
        }
    }
}

}  // namespace
}  // namespace bithydraulics::cli
