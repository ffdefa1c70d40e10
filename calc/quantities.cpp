#include "calc/quantities.h"

namespace bithydraulics {
namespace {

// Input indexes: the three nozzles, flow rate, mud density, hole, pipe and collar diameters,
// pipe and collar lengths, pump pressure.
constexpr std::size_t kNozzle1 = 0, kNozzle2 = 1, kNozzle3 = 2, kFlow = 3, kDensity = 4, kHole = 5,
                      kPipe = 6, kCollar = 7, kPipeLength = 8, kCollarLength = 9, kPump = 10;

struct StepInputs {
    std::string_view name;
    std::span<const std::size_t> inputs;
};

// Read off the formulas in calc/hydraulics.cpp: each step's own operands among the inputs.
constexpr std::array kNozzleAreaInputs{kNozzle1, kNozzle2, kNozzle3};
constexpr std::array kBitPressureDropInputs{kNozzle1, kNozzle2, kNozzle3, kFlow, kDensity};
constexpr std::array kBitHydraulicPowerInputs{kFlow};
constexpr std::array kSpecificHydraulicPowerInputs{kHole};
constexpr std::array kImpactForceInputs{kFlow, kDensity};
constexpr std::array kJetVelocityInputs{kNozzle1, kNozzle2, kNozzle3, kFlow};
constexpr std::array kAnnularVelocityPipeInputs{kFlow, kHole, kPipe};
constexpr std::array kAnnularVelocityCollarInputs{kFlow, kHole, kCollar};
constexpr std::array kPowerUtilizationInputs{kPump};
constexpr std::array kAnnularPressureLossInputs{kFlow,   kDensity,    kHole,        kPipe,
                                                kCollar, kPipeLength, kCollarLength};

constexpr std::array<StepInputs, 10> kStepInputs{{
    {kNozzleAreaName, kNozzleAreaInputs},
    {"bitPressureDrop", kBitPressureDropInputs},
    {"bitHydraulicPower", kBitHydraulicPowerInputs},
    {"specificHydraulicPower", kSpecificHydraulicPowerInputs},
    {"impactForce", kImpactForceInputs},
    {"jetVelocity", kJetVelocityInputs},
    {"annularVelocityPipe", kAnnularVelocityPipeInputs},
    {"annularVelocityCollar", kAnnularVelocityCollarInputs},
    {"powerUtilization", kPowerUtilizationInputs},
    {"annularPressureLoss", kAnnularPressureLossInputs},
}};

constexpr std::array<std::size_t, kInputQuantities.size()> kEachInput{0, 1, 2, 3, 4, 5,
                                                                      6, 7, 8, 9, 10};

}  // namespace

std::optional<std::size_t> findInput(std::string_view nameOrCaption) {
    for (std::size_t i = 0; i < kInputQuantities.size(); ++i) {
        if (kInputQuantities[i].name == nameOrCaption ||
            kInputQuantities[i].caption == nameOrCaption) {
            return i;
        }
    }
    return std::nullopt;
}

std::string_view quantityCaption(std::string_view name) {
    for (const InputQuantity& input : kInputQuantities) {
        if (input.name == name) {
            return input.caption;
        }
    }
    for (const ResultQuantity& result : kDisplayedResults) {
        if (result.name == name) {
            return result.caption;
        }
    }
    for (const NamedQuantity& other : kOtherQuantities) {
        if (other.name == name) {
            return other.caption;
        }
    }
    return {};
}

std::span<const std::size_t> stepInputs(std::string_view name) {
    for (const StepInputs& step : kStepInputs) {
        if (step.name == name) {
            return step.inputs;
        }
    }
    if (const auto input = findInput(name); input && kInputQuantities[*input].name == name) {
        return std::span(kEachInput).subspan(*input, 1);
    }
    return {};
}

}  // namespace bithydraulics
