#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <regex>
#include <string>

#include "calc/compute_command.h"
#include "calc/field_text.h"
#include "calc/quantities.h"

namespace bithydraulics {
namespace {

// A figure of random magnitude and sign, sometimes zero, sometimes a plain default.
std::string randomFigure(std::mt19937_64& random, std::size_t field) {
    std::uniform_int_distribution<int> choice(0, 9);
    const int pick = choice(random);
    if (pick == 0) {
        return "0";
    }
    if (pick <= 3) {
        return std::string(kInputQuantities[field].defaultText);
    }
    std::uniform_real_distribution<double> mantissa(0.0, 10.0);
    std::uniform_int_distribution<int> exponent(pick <= 7 ? -3 : -300, pick <= 7 ? 4 : 300);
    double value = mantissa(random) * std::pow(10.0, exponent(random));
    if (choice(random) == 0) {
        value = -value;
    }
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

double shownQuantity(const ResultQuantity& quantity, const HydraulicsResults& results) {
    const double value = results.*quantity.member;
    return quantity.style == DisplayStyle::Fixed2 ? value : value * 100;
}

TEST(ComputeCommandProperty, WritesFaithfulTextsOrChangesNothing) {
    std::mt19937_64 random(20261207);
    const std::regex wellFormed(R"(-?[0-9]+\.[0-9]{2}%?)");
    int computed = 0;
    int faulted = 0;
    for (int round = 0; round < 20000; ++round) {
        InMemoryFieldArray fields;
        for (std::size_t i = 0; i < kInputQuantities.size(); ++i) {
            fields.replaceText(static_cast<int>(i), randomFigure(random, i));
        }
        InMemoryFieldArray before = fields;
        CalculationState state;
        try {
            runComputeCommand(fields, state);
        } catch (const CalculationFault&) {
            ++faulted;
            for (int i = 0; i < kFieldCount; ++i) {
                ASSERT_EQ(fields.text(i), before.text(i));
            }
            continue;
        }
        ++computed;
        for (std::size_t r = 0; r < kDisplayedResults.size(); ++r) {
            std::string text = fields.text(kFirstResultField + static_cast<int>(r));
            ASSERT_TRUE(std::regex_match(text, wellFormed)) << text;
            if (text.back() == '%') {
                text.pop_back();
            }
            const double shown = shownQuantity(kDisplayedResults[r], state.results);
            const double reread = parseFieldNumber(text);
            // Half a hundredth, plus what the 15-digit rounding may take from a large figure.
            const double tolerance = 0.005 + std::abs(shown) * 1e-14;
            ASSERT_LE(std::abs(reread - shown), tolerance)
                << kDisplayedResults[r].name << " shown " << text << " for " << shown;
        }
    }
    // Both roads must have been exercised for the property to mean anything.
    EXPECT_GT(computed, 1000);
    EXPECT_GT(faulted, 100);
}

}  // namespace
}  // namespace bithydraulics
