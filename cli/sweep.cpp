#include "cli/sweep.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "cli/batch.h"
#include "cli/case_computer.h"
#include "cli/cli_errors.h"
#include "cli/plain_figure.h"
#include "cli/result_columns.h"

namespace bithydraulics::cli {
namespace {

constexpr std::int64_t kExactLimit = std::int64_t{1} << 53;  // integers a double holds exactly
constexpr int kMaxScale = 22;                                // 10^22 is the largest exact power

// A plain figure as digits × 10^exponent, when the digits fit in 53 bits.
struct Decimal {
    std::int64_t digits = 0;
    int exponent = 0;
};

std::optional<Decimal> toDecimal(const PlainFigure& figure) {
    Decimal decimal;
    for (const std::string_view part : {figure.integerDigits, figure.fractionDigits}) {
        for (const char c : part) {
            if (decimal.digits >= kExactLimit / 10) {
                return std::nullopt;
            }
            decimal.digits = decimal.digits * 10 + (c - '0');
        }
    }
    long long exponent = 0;
    for (const char c : figure.exponentDigits) {
        if (exponent > 10'000) {
            return std::nullopt;
        }
        exponent = exponent * 10 + (c - '0');
    }
    decimal.exponent = static_cast<int>(figure.exponentNegative ? -exponent : exponent) -
                       static_cast<int>(figure.fractionDigits.size());
    if (figure.negative) {
        decimal.digits = -decimal.digits;
    }
    return decimal;
}

// digits × 10^power, when it stays below 2^53 in magnitude.
std::optional<std::int64_t> scaleUp(std::int64_t digits, int power) {
    for (int i = 0; i < power; ++i) {
        if (std::llabs(digits) >= kExactLimit / 10) {
            return std::nullopt;
        }
        digits *= 10;
    }
    return digits;
}

double toDouble(const PlainFigure& figure, std::string_view text, std::string_view what) {
    std::string plain;
    if (figure.negative) {
        plain += '-';
    }
    plain += figure.integerDigits.empty() ? "0" : figure.integerDigits;
    plain += '.';
    plain += figure.fractionDigits;
    plain += 'e';
    plain += figure.exponentNegative ? "-" : "";
    plain += figure.exponentDigits.empty() ? "0" : figure.exponentDigits;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || !std::isfinite(value)) {
        throw UsageError("sweep " + std::string(what) + " '" + std::string(text) +
                         "' is beyond the range of a double");
    }
    return value;
}

PlainFigure plainPart(std::string_view text, std::string_view what) {
    const std::optional<PlainFigure> figure = parsePlainFigure(text);
    if (!figure) {
        throw UsageError("sweep " + std::string(what) + " '" + std::string(text) +
                         "' is not a plain figure such as 30, -1.5 or 2e3");
    }
    return *figure;
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
    const std::string_view fromText = text.substr(0, colon1);
    const std::string_view toText = text.substr(colon1 + 1, colon2 - colon1 - 1);
    const std::string_view stepText = text.substr(colon2 + 1);
    const PlainFigure fromFigure = plainPart(fromText, "FROM");
    const PlainFigure toFigure = plainPart(toText, "TO");
    const PlainFigure stepFigure = plainPart(stepText, "STEP");

    SweepRange range;
    range.input_ = assignment.input;
    range.name_ = assignment.name;
    range.from_ = toDouble(fromFigure, fromText, "FROM");
    const double to = toDouble(toFigure, toText, "TO");
    range.step_ = toDouble(stepFigure, stepText, "STEP");
    if (range.step_ == 0) {
        throw UsageError("sweep STEP is 0");
    }
    const double span = (to - range.from_) / range.step_;
    if (span < 0) {
        throw UsageError("sweep STEP " + std::string(stepText) + " leads away from TO " +
                         std::string(toText) + "; give it the other sign");
    }
    if (!(span <= static_cast<double>(kMaxRows))) {
        throw UsageError("sweep gives more than " + std::to_string(kMaxRows) + " rows");
    }
    auto steps = static_cast<std::size_t>(span);

    // The exact form, when FROM, STEP and every value stay within what a double holds exactly.
    const std::optional<Decimal> from = toDecimal(fromFigure);
    const std::optional<Decimal> step = toDecimal(stepFigure);
    if (from && step) {
        const int scale = std::max({0, -from->exponent, -step->exponent});
        const std::optional<std::int64_t> scaledFrom =
            scale <= kMaxScale ? scaleUp(from->digits, from->exponent + scale) : std::nullopt;
        const std::optional<std::int64_t> scaledStep =
            scale <= kMaxScale ? scaleUp(step->digits, step->exponent + scale) : std::nullopt;
        if (scaledFrom && scaledStep &&
            std::llabs(*scaledStep) <= (kExactLimit - 1 - std::llabs(*scaledFrom)) /
                                           static_cast<std::int64_t>(steps + 2)) {
            range.exact_ = true;
            range.scaledFrom_ = *scaledFrom;
            range.scaledStep_ = *scaledStep;
            range.scale_ = scale;
        }
    }

    // The quotient may be a little off either way: settle on the last value not beyond TO.
    const auto within = [&](std::size_t i) {
        const double value = range.value(i);
        return range.step_ > 0 ? value <= to : value >= to;
    };
    while (steps + 1 <= kMaxRows && within(steps + 1)) {
        ++steps;
    }
    while (steps > 0 && !within(steps)) {
        --steps;
    }
    if (steps + 1 > kMaxRows) {
        throw UsageError("sweep gives more than " + std::to_string(kMaxRows) + " rows");
    }
    range.count_ = steps + 1;
    return range;
}

double SweepRange::value(std::size_t i) const {
    if (exact_) {
        constexpr std::array<double, kMaxScale + 1> kPowers = [] {
            std::array<double, kMaxScale + 1> powers{};
            double power = 1;
            for (double& p : powers) {
                p = power;
                power *= 10;
            }
            return powers;
        }();
        const std::int64_t scaled = scaledFrom_ + static_cast<std::int64_t>(i) * scaledStep_;
        return static_cast<double>(scaled) / kPowers[static_cast<std::size_t>(scale_)];
    }
    return from_ + static_cast<double>(i) * step_;
}

int runSweep(const SweepRange& range, const std::vector<Assignment>& fixed, OutputBuffer& out,
             const SweepSettings& settings) {
    OutputLayout layout;
    layout.full = settings.full;
    layout.inputColumns.push_back({range.name(), range.input()});
    InputTexts texts = defaultInputTexts();
    GivenInputs given;
    for (const Assignment& assignment : fixed) {
        if (assignment.input == range.input()) {
            throw UsageError(repeatedInputMessage(range.input(), range.name(), assignment.name));
        }
        layout.inputColumns.push_back({assignment.name, assignment.input});
        texts[assignment.input] = assignment.text;
        given.set(assignment.input);
    }
    std::vector<std::string_view> cells;
    for (const Assignment& assignment : fixed) {
        cells.push_back(assignment.text);
    }
    cells.insert(cells.begin(), std::string_view{});

    const std::unique_ptr<RowWriter> writer =
        makeRowWriter(settings.format, std::move(layout), out);
    writer->writeHeader();
    CaseComputer computer;
    std::array<char, 32> figure{};
    bool faulted = false;
    for (std::size_t i = 0; i < range.count(); ++i) {
        // The swept value is a plain figure, so --strict checks only the fixed inputs.
        cells[0] = texts[range.input()] = formatShortest(range.value(i), figure);
        const CaseResult& result = computer.compute(texts, given, settings.strict);
        faulted = faulted || !result.computed();
        writer->writeRow(cells, result);
    }
    writer->finish();
    return faulted ? kExitFaulted : kExitComputed;
}

}  // namespace bithydraulics::cli
