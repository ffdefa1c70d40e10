#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bithydraulics::cli {

// A signed whole number of any size, with just what exact sweep steps need: reading and writing
// decimal digits, scaling by a power of ten, adding, multiplying by a small factor, comparing.
class WholeNumber {
  public:
    WholeNumber() = default;

    // `digits` are decimal digits after an optional '-'; none reads as 0.
    static WholeNumber fromDigits(std::string_view digits);

    // × 10^power, power ≥ 0.
    WholeNumber scaledByPowerOfTen(std::size_t power) const;

    friend WholeNumber operator+(const WholeNumber& a, const WholeNumber& b);
    friend WholeNumber operator-(const WholeNumber& a, const WholeNumber& b);
    friend WholeNumber operator*(const WholeNumber& a, std::uint32_t factor);

    // −1, 0 or 1.
    int sign() const { return negative_ ? -1 : limbs_.empty() ? 0 : 1; }
    WholeNumber magnitude() const;
    // Compares magnitudes: −1, 0 or 1.
    static int compareMagnitudes(const WholeNumber& a, const WholeNumber& b);

    // Decimal digits of the magnitude; 1 for 0.
    std::size_t digitCount() const;
    std::string toString() const;

    bool operator==(const WholeNumber&) const = default;

  private:
    static constexpr std::uint32_t kBase = 1'000'000'000;  // nine decimal digits a limb

    void trim();

    bool negative_ = false;
    std::vector<std::uint32_t> limbs_;  // least significant first; none for 0
};

}  // namespace bithydraulics::cli
