#include "behaviour/input_reading.h"

#include "behaviour/figure_text.h"
#include "platform/calculation_fault.h"
#include "platform/number_reading.h"

namespace bithydraulics {

std::optional<std::string> partlyReadNote(std::string_view text) {
    try {
        const FigureReading reading = readFigure(text);
        if (!reading.whole) {
            return "读作 " + shortest(reading.value);
        }
    } catch (const CalculationFault&) {
        // Reported by the compute command.
    }
    return std::nullopt;
}

}  // namespace bithydraulics
