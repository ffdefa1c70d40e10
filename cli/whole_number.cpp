#include "cli/whole_number.h"

#include <algorithm>

namespace bithydraulics::cli {
namespace {

using Limbs = std::vector<std::uint32_t>;
constexpr std::uint32_t kLimbBase = 1'000'000'000;

int compareLimbs(const Limbs& a, const Limbs& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

Limbs addLimbs(const Limbs& a, const Limbs& b) {
    Limbs sum(std::max(a.size(), b.size()) + 1, 0);
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i < sum.size(); ++i) {
        const std::uint32_t total = (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0) + carry;
        carry = total >= kLimbBase ? 1 : 0;
        sum[i] = total - carry * kLimbBase;
    }
    return sum;
}

// a − b for a ≥ b.
Limbs subtractLimbs(const Limbs& a, const Limbs& b) {
    Limbs difference(a.size(), 0);
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t value = static_cast<std::int64_t>(a[i]) - (i < b.size() ? b[i] : 0) - borrow;
        borrow = value < 0 ? 1 : 0;
        difference[i] = static_cast<std::uint32_t>(value + borrow * kLimbBase);
    }
    return difference;
}

}  // namespace

void WholeNumber::trim() {
    while (!limbs_.empty() && limbs_.back() == 0) {
        limbs_.pop_back();
    }
    negative_ = negative_ && !limbs_.empty();
}

WholeNumber WholeNumber::fromDigits(std::string_view digits) {
    WholeNumber number;
    number.negative_ = digits.starts_with('-');
    digits.remove_prefix(number.negative_ ? 1 : 0);
    for (std::size_t end = digits.size(); end > 0;) {
        const std::size_t start = end >= 9 ? end - 9 : 0;
        std::uint32_t limb = 0;
        for (const char c : digits.substr(start, end - start)) {
            limb = limb * 10 + static_cast<std::uint32_t>(c - '0');
        }
        number.limbs_.push_back(limb);
        end = start;
    }
    number.trim();
    return number;
}

WholeNumber WholeNumber::scaledByPowerOfTen(std::size_t power) const {
    // Whole limbs of zeros, then the rest as a factor.
    WholeNumber scaled = *this;
    if (scaled.limbs_.empty()) {
        return scaled;
    }
    scaled.limbs_.insert(scaled.limbs_.begin(), power / 9, 0);
    std::uint32_t factor = 1;
    for (std::size_t i = 0; i < power % 9; ++i) {
        factor *= 10;
    }
    return scaled * factor;
}

WholeNumber operator+(const WholeNumber& a, const WholeNumber& b) {
    WholeNumber sum;
    if (a.negative_ == b.negative_) {
        sum.limbs_ = addLimbs(a.limbs_, b.limbs_);
        sum.negative_ = a.negative_;
    } else if (compareLimbs(a.limbs_, b.limbs_) >= 0) {
        sum.limbs_ = subtractLimbs(a.limbs_, b.limbs_);
        sum.negative_ = a.negative_;
    } else {
        sum.limbs_ = subtractLimbs(b.limbs_, a.limbs_);
        sum.negative_ = b.negative_;
    }
    sum.trim();
    return sum;
}

WholeNumber operator-(const WholeNumber& a, const WholeNumber& b) {
    WholeNumber negated = b;
    negated.negative_ = !b.negative_;
    negated.trim();
    return a + negated;
}

WholeNumber operator*(const WholeNumber& a, std::uint32_t factor) {
    WholeNumber product;
    product.negative_ = a.negative_;
    std::uint64_t carry = 0;
    for (const std::uint32_t limb : a.limbs_) {
        const std::uint64_t value = static_cast<std::uint64_t>(limb) * factor + carry;
        product.limbs_.push_back(static_cast<std::uint32_t>(value % WholeNumber::kBase));
        carry = value / WholeNumber::kBase;
    }
    for (; carry > 0; carry /= WholeNumber::kBase) {
        product.limbs_.push_back(static_cast<std::uint32_t>(carry % WholeNumber::kBase));
    }
    product.trim();
    return product;
}

WholeNumber WholeNumber::magnitude() const {
    WholeNumber copy = *this;
    copy.negative_ = false;
    return copy;
}

int WholeNumber::compareMagnitudes(const WholeNumber& a, const WholeNumber& b) {
    return compareLimbs(a.limbs_, b.limbs_);
}

std::size_t WholeNumber::digitCount() const {
    return toString().size() - (negative_ ? 1 : 0);
}

std::string WholeNumber::toString() const {
    if (limbs_.empty()) {
        return "0";
    }
    std::string text = negative_ ? "-" : "";
    text += std::to_string(limbs_.back());
    for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
        const std::string limb = std::to_string(limbs_[i]);
        text += std::string(9 - limb.size(), '0') + limb;
    }
    return text;
}

}  // namespace bithydraulics::cli
