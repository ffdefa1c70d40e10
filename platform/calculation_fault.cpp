#include "platform/calculation_fault.h"

namespace bithydraulics {

std::string_view faultKindName(FaultKind kind) {
    switch (kind) {
        case FaultKind::DivisionByZero:
            return "division_by_zero";
        case FaultKind::Overflow:
            return "overflow";
        case FaultKind::InvalidArgument:
            return "invalid_argument";
    }
    return "unknown";
}

std::string_view faultKindDescription(FaultKind kind) {
    switch (kind) {
        case FaultKind::DivisionByZero:
            return "除数为零";
        case FaultKind::Overflow:
            return "溢出";
        case FaultKind::InvalidArgument:
            return "无效的过程调用或参数";
    }
    return "未知错误";
}

const char* CalculationFault::what() const noexcept {
    switch (kind_) {
        case FaultKind::DivisionByZero:
            return "division by zero";
        case FaultKind::Overflow:
            return "overflow";
        case FaultKind::InvalidArgument:
            return "invalid procedure call or argument";
    }
    return "calculation fault";
}

void raiseFault(FaultKind kind) {
    throw CalculationFault(kind);
}

}  // namespace bithydraulics
