#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "calc/hydraulics.h"

// The catalogue of quantities: for each input and each displayed result its field name, the
// caption of its row in the window, its unit and how it is shown. The window, the command-line
// companion and the compute command all take these from here.
namespace bithydraulics {

struct InputQuantity {
    std::string_view name;         // HydraulicsInputs field name
    std::string_view caption;      // caption of its row in the window
    std::string_view unit;         // unit the formulas assume
    std::string_view defaultText;  // what the field holds when the window opens
    double HydraulicsInputs::*member;
};

// The number of inputs, which every count of input fields and columns takes from here.
inline constexpr std::size_t kInputCount = 11;

inline constexpr std::array<InputQuantity, kInputCount> kInputQuantities{{
    {"nozzleDiameter1", "1#喷嘴直径", "mm", "15", &HydraulicsInputs::nozzleDiameter1},
    {"nozzleDiameter2", "2#喷嘴直径", "mm", "16", &HydraulicsInputs::nozzleDiameter2},
    {"nozzleDiameter3", "3#喷嘴直径", "mm", "0", &HydraulicsInputs::nozzleDiameter3},
    {"flowRate", "排量", "L/s", "30", &HydraulicsInputs::flowRate},
    {"mudDensity", "泥浆密度", "g/cm³", "1.2", &HydraulicsInputs::mudDensity},
    {"holeDiameter", "井径", "mm", "216", &HydraulicsInputs::holeDiameter},
    {"pipeDiameter", "钻杆直径", "mm", "127", &HydraulicsInputs::pipeDiameter},
    {"collarDiameter", "钻铤直径", "mm", "165", &HydraulicsInputs::collarDiameter},
    {"pipeLength", "钻杆长度", "m", "1820", &HydraulicsInputs::pipeLength},
    {"collarLength", "钻铤长度", "m", "180", &HydraulicsInputs::collarLength},
    {"pumpPressure", "泵压", "MPa", "13", &HydraulicsInputs::pumpPressure},
}};

// How a result's stored value becomes its display text.
enum class DisplayStyle {
    Fixed2,             // "###0.00"
    HundredfoldFixed2,  // multiplied by 100, then "###0.00"
    Percent2,           // "###0.00%"
};

struct ResultQuantity {
    std::string_view name;         // HydraulicsResults field name
    std::string_view caption;      // caption of its row in the window
    std::string_view displayUnit;  // unit of the display text
    std::string_view storedUnit;   // unit of the value in HydraulicsResults
    DisplayStyle style;
    double HydraulicsResults::*member;
};

// The nine displayed results, in the order of the result fields.
inline constexpr std::array<ResultQuantity, 9> kDisplayedResults{{
    {"bitPressureDrop", "钻头压降", "MPa", "MPa", DisplayStyle::Fixed2,
     &HydraulicsResults::bitPressureDrop},
    {"bitHydraulicPower", "钻头水功率", "kW", "kW", DisplayStyle::Fixed2,
     &HydraulicsResults::bitHydraulicPower},
    {"specificHydraulicPower", "比水功率", "W/mm²", "W/mm²", DisplayStyle::Fixed2,
     &HydraulicsResults::specificHydraulicPower},
    {"impactForce", "冲击力", "N", "N", DisplayStyle::Fixed2, &HydraulicsResults::impactForce},
    {"jetVelocity", "喷射速度", "m/s", "m/s", DisplayStyle::Fixed2,
     &HydraulicsResults::jetVelocity},
    {"annularVelocityPipe", "上返速度1", "m/s", "m/s ÷ 100", DisplayStyle::HundredfoldFixed2,
     &HydraulicsResults::annularVelocityPipe},
    {"annularVelocityCollar", "上返速度2", "m/s", "m/s ÷ 100", DisplayStyle::HundredfoldFixed2,
     &HydraulicsResults::annularVelocityCollar},
    {"powerUtilization", "功率利用率", "%", "fraction", DisplayStyle::Percent2,
     &HydraulicsResults::powerUtilization},
    {"annularPressureLoss", "环空压耗", "MPa", "MPa", DisplayStyle::Fixed2,
     &HydraulicsResults::annularPressureLoss},
}};

// The one result that is computed but not displayed: the nozzles' total flow area.
inline constexpr std::string_view kNozzleAreaName = "nozzleArea";
inline constexpr std::string_view kNozzleAreaCaption = "喷嘴总面积";
inline constexpr std::string_view kNozzleAreaUnit = "mm²";

// A quantity without a field of the main window that the program still names: the nozzle area
// and the optimiser's own figures, where its arithmetic may fault or its tools show them.
struct NamedQuantity {
    std::string_view name;
    std::string_view caption;
    std::string_view unit;
};

inline constexpr std::array<NamedQuantity, 8> kOtherQuantities{{
    {kNozzleAreaName, kNozzleAreaCaption, kNozzleAreaUnit},
    {"parasiticLoss", "循环压耗", "MPa"},
    {"pumpPower", "泵功率", "kW"},
    {"availablePressure", "允许泵压", "MPa"},
    {"equivalentDensity", "当量循环密度", "g/cm³"},
    {"verticalDepth", "垂深", "m"},
    {"lossCoefficient", "循环压耗系数", "MPa/(L/s)^m"},
    {"lossExponent", "压耗指数", ""},
}};

// The caption of any quantity the program names, by its name ("powerUtilization" is
// "功率利用率", "equivalentDensity" is "当量循环密度"); empty for a name it does not know, so that
// no message shows the program's own name for a figure.
std::string_view quantityCaption(std::string_view name);

// The input whose field name or caption is `nameOrCaption`, if any.
std::optional<std::size_t> findInput(std::string_view nameOrCaption);

// The inputs (indexes into kInputQuantities, in field order) that the step computing the
// quantity named `name` takes: its own figures, and the nozzle diameters where it takes the
// nozzle area, which has no field. An input names itself; an unknown name takes none. What a
// user should look at when that step faults.
std::span<const std::size_t> stepInputs(std::string_view name);

}  // namespace bithydraulics
