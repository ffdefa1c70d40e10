#include "behaviour/input_marks.h"

#include <charconv>

#include "platform/calculation_fault.h"
#include "platform/number_reading.h"

namespace bithydraulics {
namespace {

// The shortest text that reads back as `value`: "15", "0.5", "1e+300".
std::string shortestFigure(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return {buffer, end};
}

}  // namespace

std::optional<std::string> partlyReadNote(std::string_view text) {
    try {
        const FigureReading reading = readFigure(text);
        if (reading.whole) {
            return std::nullopt;
        }
        return "读作 " + shortestFigure(reading.value);
    } catch (const CalculationFault&) {
        return std::nullopt;
    }
}

std::string markedToolTip(std::string_view toolTip, std::string_view note) {
    std::string text(toolTip);
    text += '\n';
    text += note;
    return text;
}

}  // namespace bithydraulics
