#include "cli/case/nozzle_list_text.h"

#include <array>
#include <cmath>
#include <utility>

#include "calc/field_text.h"
#include "cases/plain_figure.h"
#include "optimize/optimization_limits.h"
#include "optimize/size_list.h"
#include "platform/calculation_fault.h"

namespace bithydraulics::cli {
namespace {

constexpr int kLargestThirtySeconds = 64;

// Full-width forms and what they read as.
constexpr std::array<std::pair<std::string_view, char>, 17> kWideForms{{
    {"０", '0'},
    {"１", '1'},
    {"２", '2'},
    {"３", '3'},
    {"４", '4'},
    {"５", '5'},
    {"６", '6'},
    {"７", '7'},
    {"８", '8'},
    {"９", '9'},
    {"．", '.'},
    {"。", '.'},
    {"＋", '+'},
    {"－", '-'},
    {"Ｅ", 'E'},
    {"ｅ", 'e'},
    {"\u3000", ' '},
}};

std::string asciiForms(std::string_view text) {
    std::string ascii;
    for (std::size_t at = 0; at < text.size();) {
        bool replaced = false;
        for (const auto& [wide, narrow] : kWideForms) {
            if (text.substr(at, wide.size()) == wide) {
                ascii += narrow;
                at += wide.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            ascii += text[at++];
        }
    }
    return ascii;
}

}  // namespace

bool isNozzleListName(std::string_view name) {
    return name == kNozzleListName || name == kNozzleListMmName;
}

std::optional<NozzleListArgument> nozzleListArgument(std::string_view argument) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos || !isNozzleListName(argument.substr(0, equals))) {
        return std::nullopt;
    }
    return NozzleListArgument{std::string(argument.substr(0, equals)),
                              std::string(argument.substr(equals + 1))};
}

bool isCalibrationFigure(std::string_view text) {
    return cases::isPlainFigure(asciiForms(text));
}

NozzleListReading readNozzleList(std::string_view name, std::string_view text) {
    NozzleListReading reading;
    const std::string quoted = std::string(name) + " '" + std::string(text) + "'";
    const std::vector<std::string_view> items = optimize::splitSizeList(text);
    if (items.empty() || items.size() > static_cast<std::size_t>(kMaxNozzles)) {
        reading.problem = quoted + " lists " + std::to_string(items.size()) +
                          " nozzles: a bit has 1 to " + std::to_string(kMaxNozzles);
        return reading;
    }
    const bool inches = name == kNozzleListName;
    for (const std::string_view item : items) {
        const std::string ascii = asciiForms(item);
        double value = 0;
        bool read = cases::isPlainFigure(ascii);
        if (read) {
            try {
                value = parseFieldNumber(ascii);
            } catch (const CalculationFault&) {
                read = false;
            }
        }
        const bool allowed =
            inches ? value == std::trunc(value) && value >= 1 && value <= kLargestThirtySeconds
                   : value >= optimize::kNozzleSizeRange.low &&
                         value <= optimize::kNozzleSizeRange.high;
        if (!read || !allowed) {
            reading.problem = quoted + ": '" + std::string(item) + "' is not " +
                              (inches ? "a whole number of 32nds of an inch from 1 to " +
                                            std::to_string(kLargestThirtySeconds)
                                      : std::string("a diameter from 0.1 to 200 mm"));
            return reading;
        }
        // k/32 in as the series holds it: the whole numerator divided once.
        reading.nozzles.diametersMm[static_cast<std::size_t>(reading.nozzles.count++)] =
            inches ? value * 254 / 320.0 : value;
    }
    return reading;
}

}  // namespace bithydraulics::cli
