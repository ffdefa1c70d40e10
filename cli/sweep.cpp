#include "cli/sweep.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include <CLI/CLI.hpp>

#include "cli/case/names.h"
#include "cli/case_rows.h"
#include "cli/io/errors.h"
#include "cli/io/plain_figure.h"

namespace bithydraulics::cli {
namespace {

// How many digits the whole numbers FROM, TO and STEP are scaled to may have: enough for any two
// finite doubles however far apart.
constexpr std::size_t kMaxDigits = 800;

std::string stripped(std::string digits) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    return digits;
}

int compareMagnitudes(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b);
}

// a + b, or a − b for a `sign` of −1 (a ≥ b then).
std::string addMagnitudes(const std::string& a, const std::string& b, int sign) {
    std::string sum(std::max(a.size(), b.size()) + 1, '0');
    int carry = 0;
    for (std::size_t i = 0; i < sum.size(); ++i) {
        const auto digit = [i](const std::string& s) {
            return i < s.size() ? s[s.size() - 1 - i] - '0' : 0;
        };
        const int total = digit(a) + sign * digit(b) + carry;
        carry = total < 0 ? -1 : total > 9 ? 1 : 0;
        sum[sum.size() - 1 - i] = static_cast<char>('0' + total - 10 * carry);
    }
    return stripped(std::move(sum));
}

DecimalInteger operator+(const DecimalInteger& a, const DecimalInteger& b) {
    if (a.negative == b.negative) {
        return {a.negative, addMagnitudes(a.digits, b.digits, 1)};
    }
    const bool aLarger = compareMagnitudes(a.digits, b.digits) >= 0;
    DecimalInteger difference{
        aLarger ? a.negative : b.negative,
        aLarger ? addMagnitudes(a.digits, b.digits, -1) : addMagnitudes(b.digits, a.digits, -1)};
    difference.negative = difference.negative && !difference.digits.empty();
    return difference;
}

DecimalInteger operator*(const DecimalInteger& a, std::uint64_t factor) {
    std::string product;
    std::uint64_t carry = 0;
    for (auto c = a.digits.rbegin(); c != a.digits.rend() || carry > 0; carry /= 10) {
        if (c != a.digits.rend()) {
            carry += static_cast<std::uint64_t>(*c++ - '0') * factor;
        }
        product.push_back(static_cast<char>('0' + carry % 10));
    }
    std::reverse(product.begin(), product.end());
    product = stripped(std::move(product));
    return {a.negative && !product.empty(), product};
}

// whole × 10^exponent rounded once to the nearest double; infinite beyond the range.
double toDouble(const DecimalInteger& whole, long exponent) {
    const std::string text = (whole.negative ? "-" : "") +
                             (whole.digits.empty() ? "0" : whole.digits) + "e" +
                             std::to_string(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() ? value : HUGE_VAL;
}

// A plain figure as a whole number times a power of ten, and the double it reads as.
struct Decimal {
    DecimalInteger whole;
    long exponent = 0;
    double value = 0;

    DecimalInteger scaledTo(long smaller) const {
        DecimalInteger scaled = whole;
        if (!scaled.digits.empty()) {
            scaled.digits.append(static_cast<std::size_t>(exponent - smaller), '0');
        }
        return scaled;
    }
};

Decimal toDecimal(std::string_view text, std::string_view what) {
    const std::optional<PlainFigure> figure = parsePlainFigure(text);
    const std::string quoted = "sweep " + std::string(what) + " '" + std::string(text) + "'";
    if (!figure) {
        throw UsageError(quoted + " is not a plain figure such as 30, -1.5 or 2e3");
    }
    long exponent = 0;
    for (const char c : figure->exponentDigits) {
        exponent = std::min(exponent * 10 + (c - '0'), 100'000L);
    }
    Decimal decimal;
    decimal.whole.digits =
        stripped(std::string(figure->integerDigits) + std::string(figure->fractionDigits));
    decimal.whole.negative = figure->negative && !decimal.whole.digits.empty();
    decimal.exponent = (figure->exponentNegative ? -exponent : exponent) -
                       static_cast<long>(figure->fractionDigits.size());
    decimal.value = toDouble(decimal.whole, decimal.exponent);
    if (!std::isfinite(decimal.value)) {
        throw UsageError(quoted + " is beyond the range of a double");
    }
    return decimal;
}

}  // namespace

SweepRange SweepRange::parse(std::string_view argument) {
    const Assignment assignment = parseAssignment(argument);
    const std::string_view text = assignment.text;
    const std::size_t colon1 = text.find(':');
    const std::size_t colon2 =
        colon1 == std::string_view::npos ? colon1 : text.find(':', colon1 + 1);
    if (colon2 == std::string_view::npos || text.find(':', colon2 + 1) != std::string_view::npos) {
        throw UsageError("a sweep is NAME=FROM:TO:STEP, e.g. flowRate=20:40:0.5; got '" +
                         std::string(argument) + "'");
    }
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
    DecimalInteger span = to.scaledTo(range.exponent_);
    if (std::max({range.from_.digits.size(), range.step_.digits.size(), span.digits.size()}) >
        kMaxDigits) {
        throw UsageError("sweep FROM, TO and STEP lie too far apart in magnitude");
    }
    span = span + DecimalInteger{!range.from_.negative, range.from_.digits};
    if (range.step_.digits.empty()) {
        throw UsageError("sweep STEP is 0");
    }
    if (!span.digits.empty() && span.negative != range.step_.negative) {
        throw UsageError("sweep STEP " + stepText + " leads away from TO " + std::string(toText) +
                         "; give it the other sign");
    }
    // The number of steps: the largest whole number that many steps do not carry beyond TO.
    const auto within = [&](std::size_t steps) {
        return compareMagnitudes((range.step_ * steps).digits, span.digits) <= 0;
    };
    if (within(kMaxRows)) {
        throw UsageError("sweep gives more than " + std::to_string(kMaxRows) + " rows");
    }
    std::size_t low = 0;  // within
    for (std::size_t high = kMaxRows; high - low > 1;) {
        const std::size_t middle = low + (high - low) / 2;
        (within(middle) ? low : high) = middle;
    }
    range.count_ = low + 1;

    // A step below the spacing of doubles there would give the same value twice.
    const double largest = std::max(std::abs(range.value(0)), std::abs(range.value(low)));
    if (std::abs(step.value) < 2 * (std::nextafter(largest, HUGE_VAL) - largest)) {
        for (std::size_t i = 1; i < range.count_; ++i) {
            if (range.value(i) == range.value(i - 1)) {
                throw UsageError("sweep STEP " + stepText + " is too small to change the value " +
                                 "from one row to the next; take a larger step");
            }
        }
    }
    return range;
}

double SweepRange::value(std::size_t i) const {
    return toDouble(from_ + step_ * i, exponent_);
}

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
    const std::vector<Assignment> fixed =
        parseAssignments({options.arguments.begin() + 1, options.arguments.end()});
    std::vector<InputColumn> columns{{range.name(), range.input()}};
    InputTexts texts = defaultInputTexts();
    GivenInputs given;
    for (const Assignment& assignment : fixed) {
        if (assignment.input == range.input()) {
            throw UsageError(repeatedInputMessage(range.input(), range.name(), assignment.name));
        }
        columns.push_back({assignment.name, assignment.input});
        texts[assignment.input] = assignment.text;
        given.set(assignment.input);
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
            cells[0] = texts[range.input()] = formatShortest(range.value(i), figure);
            rows.write(texts, given);
        }
    });
}

}  // namespace bithydraulics::cli
