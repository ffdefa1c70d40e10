#pragma once

#include <cmath>
#include <limits>

// Finding where a condition on the flow rate stops (or starts) holding, to the last bit of a
// double. The optimiser's closed forms give a guess; these searches then settle the boundary on
// the program's own figures, so a reported flow rate keeps to its limit as the program computes
// it.
namespace bithydraulics::optimize {

namespace detail {

// Halves the interval between a point that holds and one that does not until they are adjacent
// doubles; returns the one that holds.
template <class Holds>
double bisect(double holding, double failing, Holds&& holds) {
    for (;;) {
        const double middle = holding + (failing - holding) / 2;
        if (middle == holding || middle == failing) {
            return holding;
        }
        if (holds(middle)) {
            holding = middle;
        } else {
            failing = middle;
        }
    }
}

inline double firstStep(double guess) {
    return std::max(std::abs(guess) * 1e-12, std::numeric_limits<double>::min());
}

}  // namespace detail

// The largest x in [low, high] for which `holds(x)`, where `holds` is true from low up to some
// point and false beyond it; `holds(low)` must be true and low finite (high may be infinite). The
// search starts at `guess` and widens its steps sixteenfold, so a good guess costs a handful of
// calls beyond the bisection.
template <class Holds>
double largestHolding(double low, double high, double guess, Holds&& holds) {
    if (!std::isfinite(guess)) {
        guess = low;
    }
    guess = std::fmin(std::fmax(guess, low), high);
    double step = detail::firstStep(guess);
    double holding = low;
    double failing = high;
    if (holds(guess)) {
        holding = guess;
        for (;;) {
            const double next = holding + step;
            if (!(next < high)) {
                if (holds(high)) {
                    return high;
                }
                break;
            }
            if (!holds(next)) {
                failing = next;
                break;
            }
            holding = next;
            step *= 16;
        }
    } else {
        failing = guess;
        for (;;) {
            const double next = failing - step;
            if (!(next > low)) {
                break;
            }
            if (holds(next)) {
                holding = next;
                break;
            }
            failing = next;
            step *= 16;
        }
    }
    return detail::bisect(holding, failing, holds);
}

// The smallest x in [low, high] for which `holds(x)`, where `holds` is false below some point
// and true from it up to high; `holds(high)` must be true.
template <class Holds>
double smallestHolding(double low, double high, double guess, Holds&& holds) {
    // The mirror image: search for the largest -x.
    return -largestHolding(-high, -low, -guess, [&](double x) { return holds(-x); });
}

// The root of an increasing function on [low, high], with f(low) <= 0 <= f(high), to within
// `tolerance` relative, by Newton steps from `high`, falling back to halving whenever a step
// leaves the bracket. `valueAndSlope(x)` gives {f(x), f'(x)}.
template <class ValueAndSlope>
double solveIncreasing(double low, double high, double tolerance, ValueAndSlope&& valueAndSlope) {
    double x = high;
    for (int iteration = 0; iteration < 200; ++iteration) {
        const auto [value, slope] = valueAndSlope(x);
        if (value == 0) {
            return x;
        }
        if (value > 0) {
            high = x;
        } else {
            low = x;
        }
        double next = x - value / slope;
        if (!(next > low && next < high)) {
            next = low + (high - low) / 2;
        }
        if (std::abs(next - x) <= tolerance * std::abs(x) || next == low || next == high) {
            return next;
        }
        x = next;
    }
    return x;
}

}  // namespace bithydraulics::optimize
