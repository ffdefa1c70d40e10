#include "cli/sweep.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include <CLI/CLI.hpp>

#include "cases/column_names.h"
#include "cases/errors.h"
#include "cases/plain_figure.h"
#include "cli/case_rows.h"
#include "cli/command.h"

namespace bithydraulics::cli {
namespace {

// How many digits the whole numbers FROM, TO and STEP are scaled to may have: enough for any two
// finite doubles however far apart.
constexpr std::size_t kMaxDigits = 800;

// whole × 10^exponent rounded once to the nearest double; infinite beyond the range.
double toDouble(const WholeNumber& whole, long exponent) {
    const std::string text = whole.toString() + "e" + std::to_string(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() ? value : HUGE_VAL;
}

// A plain figure as a whole number times a power of ten, and the double it reads as.
struct Decimal {
    WholeNumber whole;
    long exponent = 0;
    double value = 0;

    WholeNumber scaledTo(long smaller) const {
        return whole.scaledByPowerOfTen(static_cast<std::size_t>(exponent - smaller));
    }
};

Decimal toDecimal(std::string_view text, std::string_view what) {
    const std::optional<cases::PlainFigure> figure = cases::parsePlainFigure(text);
    const std::string quoted = "sweep " + std::string(what) + " '" + std::string(text) + "'";
    if (!figure) {
        throw cases::UsageError(quoted + " is not a plain figure such as 30, -1.5 or 2e3");
    }
    long exponent = 0;
    for (const char c : figure->exponentDigits) {
        exponent = std::min(exponent * 10 + (c - '0'), 100'000L);
    }
    Decimal decimal;
    const std::string digits =
        std::string(figure->integerDigits) + std::string(figure->fractionDigits);
    decimal.whole = WholeNumber::fromDigits((figure->negative ? "-0" : "0") + digits);
    decimal.exponent = (figure->exponentNegative ? -exponent : exponent) -
                       static_cast<long>(figure->fractionDigits.size());
    decimal.value = toDouble(decimal.whole, decimal.exponent);
    if (!std::isfinite(decimal.value)) {
        throw cases::UsageError(quoted + " is beyond the range of a double");
    }
    return decimal;
}

}  // namespace

SweepRange SweepRange::parse(std::string_view argument) {
    const cases::Assignment assignment = cases::parseAssignment(argument);
    const std::string_view text = assignment.text;
    if (std::ranges::count(text, ':') != 2) {
        throw cases::UsageError("a sweep is NAME=FROM:TO:STEP, e.g. flowRate=20:40:0.5; got '" +
                                std::string(argument) + "'");
    }
    const std::size_t colon1 = text.find(':');
    const std::size_t colon2 = text.find(':', colon1 + 1);
    const std::string_view toText = text.substr(colon1 + 1, colon2 - colon1 - 1);
    const std::string stepText(text.substr(colon2 + 1));
    const Decimal from = toDecimal(text.substr(0, colon1), "FROM");
    const Decimal to = toDecimal(toText, "TO");
    const Decimal step = toDecimal(stepText, "STEP");

    SweepRange range;
    range.input_ = assignment.input;
    range.name_ = assignment.name;
    range.exponent_ = std::min({from.exponent, to.exponent, step.exponent});
    range.from_ = from.scaledTo(range.exponent_);
    range.step_ = step.scaledTo(range.exponent_);
    const WholeNumber span = to.scaledTo(range.exponent_) - range.from_;
    if (std::max({range.from_.digitCount(), range.step_.digitCount(), span.digitCount()}) >
        kMaxDigits) {
        throw cases::UsageError("sweep FROM, TO and STEP lie too far apart in magnitude");
    }
    if (range.step_.sign() == 0) {
        throw cases::UsageError("sweep STEP is 0");
    }
    if (span.sign() != 0 && span.sign() != range.step_.sign()) {
        throw cases::UsageError("sweep STEP " + stepText + " leads away from TO " +
                                std::string(toText) + "; give it the other sign");
    }
    // The number of whole steps from FROM to TO, counted exactly: the largest n with
    // n × |STEP| ≤ |TO − FROM|, found by halving below the limit.
    const WholeNumber spanSize = span.magnitude();
    const WholeNumber stepSize = range.step_.magnitude();
    if (WholeNumber::compareMagnitudes(stepSize * static_cast<std::uint32_t>(kMaxRows), spanSize) <=
        0) {
        throw cases::UsageError("sweep gives more than " + std::to_string(kMaxRows) + " rows");
    }
    std::uint32_t steps = 0;
    for (std::uint32_t bit = 1U << 19; bit != 0; bit >>= 1) {
        if (WholeNumber::compareMagnitudes(stepSize * (steps | bit), spanSize) <= 0) {
            steps |= bit;
        }
    }
    range.count_ = steps + 1;

    // A step below the spacing of doubles there would give the same value twice.
    const double largest =
        std::max(std::abs(range.value(0)), std::abs(range.value(range.count_ - 1)));
    if (std::abs(step.value) < 2 * (std::nextafter(largest, HUGE_VAL) - largest)) {
        for (std::size_t i = 1; i < range.count_; ++i) {
            if (range.value(i) == range.value(i - 1)) {
                throw cases::UsageError("sweep STEP " + stepText +
                                        " is too small to change the value " +
                                        "from one row to the next; take a larger step");
            }
        }
    }
    return range;
}

double SweepRange::value(std::size_t i) const {
    return toDouble(from_ + step_ * static_cast<std::uint32_t>(i), exponent_);
}

// sweep NAME=FROM:TO:STEP [NAME=TEXT ...]: one row per value of the range; the other inputs
// take their NAME=TEXT or their default texts. The rows carry the swept input and then the fixed
// ones, as named on the command line; each value shows as the shortest figure that reads back as
// it. Returns kExitComputed or kExitFaulted.
CLI::App* declareSweep(CLI::App& program, Options& options) {
    CLI::App* sweep = program.add_subcommand(
        "sweep",
        "One case per value of one input, FROM + i × STEP from FROM to TO inclusive; e.g. "
        "bit-hydraulics-cli sweep flowRate=20:40:0.5 mudDensity=1.3");
    sweep
        ->add_option("NAME=FROM:TO:STEP", options.arguments,
                     "NAME=FROM:TO:STEP, the input to sweep and its range in plain figures, at "
                     "most 1000000 values; then other inputs NAME=TEXT, as for one case; e.g. "
                     "flowRate=20:40:0.5 mudDensity=1.3")
        ->type_name("NAME=TEXT")
        ->required();
    addRowOptions(*sweep, options);
    addCaseOptions(*sweep, options);
    return sweep;
}

int runSweep(const Options& options, Streams& streams) {
    const SweepRange range = SweepRange::parse(options.arguments.front());
    const std::vector<cases::Assignment> fixed =
        cases::parseAssignments({options.arguments.begin() + 1, options.arguments.end()});
    std::vector<InputColumn> columns{{range.name(), range.input()}};
    GivenInputs given;
    InputTexts texts = caseTexts(fixed, given);
    for (const cases::Assignment& assignment : fixed) {
        if (assignment.input == range.input()) {
            throw cases::UsageError(
                cases::repeatedInputMessage(range.input(), range.name(), assignment.name));
        }
        columns.push_back({assignment.name, assignment.input});
    }
    CaseRows rows(columns, options, streams.out);
    const std::span<std::string_view> cells = rows.cells();
    for (std::size_t i = 0; i < fixed.size(); ++i) {
        cells[i + 1] = fixed[i].text;
    }
    std::array<char, 32> figure{};
    return rows.run([&] {
        for (std::size_t i = 0; i < range.count(); ++i) {
            // The swept value is a plain figure, so --strict checks only the fixed inputs.
            cells[0] = texts[range.input()] = cases::formatShortest(range.value(i), figure);
            rows.write(texts, given);
        }
    });
}

}  // namespace bithydraulics::cli
