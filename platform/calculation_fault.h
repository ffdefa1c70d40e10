#pragma once

#include <exception>
#include <string_view>

namespace bithydraulics {

// The three ways one arithmetic step can fail.
enum class FaultKind { DivisionByZero, Overflow, InvalidArgument };

// The error number of each kind, as the fault report shows it.
constexpr int errorNumber(FaultKind kind) {
    switch (kind) {
        case FaultKind::DivisionByZero:
            return 11;
        case FaultKind::Overflow:
            return 6;
        case FaultKind::InvalidArgument:
            return 5;
    }
    return 0;
}

// A stable machine-readable name ("division_by_zero", "overflow", "invalid_argument").
std::string_view faultKindName(FaultKind kind);

// The fault report's description of each kind, in Simplified Chinese.
std::string_view faultKindDescription(FaultKind kind);

// The failure of one arithmetic step. `quantity` names where it arose: the result field whose
// step raised it, or the input field whose figure was too large to read. It always refers to
// static text (a field name), so copying a fault never allocates.
class CalculationFault : public std::exception {
  public:
    explicit CalculationFault(FaultKind kind, std::string_view quantity = {}) noexcept
        : kind_(kind), quantity_(quantity) {}

    FaultKind kind() const noexcept { return kind_; }
    int errorNumber() const noexcept { return bithydraulics::errorNumber(kind_); }
    std::string_view quantity() const noexcept { return quantity_; }

    // The same fault, located at `quantity`.
    CalculationFault at(std::string_view quantity) const noexcept {
        return CalculationFault(kind_, quantity);
    }

    const char* what() const noexcept override;

  private:
    FaultKind kind_;
    std::string_view quantity_;
};

// Throws CalculationFault(kind). Kept out of line so the checked operations stay small.
[[noreturn]] void raiseFault(FaultKind kind);

}  // namespace bithydraulics
