#include "calc/hydraulics.h"

#include "platform/runtime.h"

namespace bithydraulics {
namespace {

double square(double x) {
    return checkedPower(x, 2);
}
double cube(double x) {
    return checkedPower(x, 3);
}

// (12.74 × Q) ÷ (Dh² − D²)
double annularVelocity(double flowRate, double holeDiameter, double diameter) {
    const double numerator = checkedMultiply(12.74, flowRate);
    const double hole = square(holeDiameter);
    const double string = square(diameter);
    const double divisor = checkedSubtract(hole, string);
    return checkedDivide(numerator, divisor);
}

// (coefficient × L) ÷ ((Dh − D)³ × (Dh + D)²)
double annularLossTerm(double coefficient, double length, double holeDiameter, double diameter) {
    const double numerator = checkedMultiply(coefficient, length);
    const double gap = checkedSubtract(holeDiameter, diameter);
    const double gapCubed = cube(gap);
    const double sum = checkedAdd(holeDiameter, diameter);
    const double sumSquared = square(sum);
    const double divisor = checkedMultiply(gapCubed, sumSquared);
    return checkedDivide(numerator, divisor);
}

}  // namespace

NozzleList NozzleList::ofInputs(const HydraulicsInputs& inputs) {
    return {3, {inputs.nozzleDiameter1, inputs.nozzleDiameter2, inputs.nozzleDiameter3}};
}

HydraulicsResults computeHydraulics(const HydraulicsInputs& in) {
    const std::array<double, 3> nozzles{in.nozzleDiameter1, in.nozzleDiameter2, in.nozzleDiameter3};
    return computeHydraulics(in, nozzles);
}

HydraulicsResults computeHydraulics(const HydraulicsInputs& in,
                                    std::span<const double> nozzleDiameters) {
    HydraulicsResults out;
    // Each step names the result it computes, so a fault can say where it arose.
    const char* step = "nozzleArea";
    try {
        // Every operand is named before it is used: argument order is unspecified in C++, and
        // the first operation to fault must be the one reported.
        const double quarter = checkedDivide(1, 4);
        const double circleFactor = checkedMultiply(quarter, 3.14);
        // ((d1² + d2²) + d3²) + …: each square formed just before it is added.
        double nozzleSquares = 0;
        for (std::size_t i = 0; i < nozzleDiameters.size(); ++i) {
            const double squared = square(nozzleDiameters[i]);
            nozzleSquares = i == 0 ? squared : checkedAdd(nozzleSquares, squared);
        }
        out.nozzleArea = checkedMultiply(circleFactor, nozzleSquares);

        step = "bitPressureDrop";
        const double densityTerm = checkedMultiply(553.798, in.mudDensity);
        const double flowPerArea = checkedDivide(in.flowRate, out.nozzleArea);
        const double velocityTerm = square(flowPerArea);
        out.bitPressureDrop = checkedMultiply(densityTerm, velocityTerm);

        step = "bitHydraulicPower";
        out.bitHydraulicPower = checkedMultiply(out.bitPressureDrop, in.flowRate);

        step = "specificHydraulicPower";
        const double scaledPower = checkedMultiply(1273, out.bitHydraulicPower);
        const double holeSquared = square(in.holeDiameter);
        out.specificHydraulicPower = checkedDivide(scaledPower, holeSquared);

        step = "impactForce";
        const double densityPressure = checkedMultiply(in.mudDensity, out.bitPressureDrop);
        const double root = squareRoot(densityPressure);
        const double flowTerm = checkedMultiply(42.433, in.flowRate);
        out.impactForce = checkedMultiply(flowTerm, root);

        step = "jetVelocity";
        const double scaledFlow = checkedMultiply(1000, in.flowRate);
        out.jetVelocity = checkedDivide(scaledFlow, out.nozzleArea);

        step = "annularVelocityPipe";
        out.annularVelocityPipe = annularVelocity(in.flowRate, in.holeDiameter, in.pipeDiameter);

        step = "annularVelocityCollar";
        out.annularVelocityCollar =
            annularVelocity(in.flowRate, in.holeDiameter, in.collarDiameter);

        step = "powerUtilization";
        out.powerUtilization = checkedDivide(out.bitPressureDrop, in.pumpPressure);

        step = "annularPressureLoss";
        const double mudWeight = checkedMultiply(9806, in.mudDensity);
        const double flowPower = checkedPower(in.flowRate, 1.86);
        const double mudTerm = checkedMultiply(mudWeight, flowPower);
        const double pipeTerm =
            annularLossTerm(7.14, in.pipeLength, in.holeDiameter, in.pipeDiameter);
        const double collarTerm =
            annularLossTerm(6.78, in.collarLength, in.holeDiameter, in.collarDiameter);
        const double terms = checkedAdd(pipeTerm, collarTerm);
        out.annularPressureLoss = checkedMultiply(mudTerm, terms);
    } catch (const CalculationFault& fault) {
        throw fault.at(step);
    }
    return out;
}

}  // namespace bithydraulics
