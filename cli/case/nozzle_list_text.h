#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/hydraulics.h"

// A bit's nozzles as a list, for bits with more than three: nozzles=12,12,13,13,14,14 in 1/32 in
// or nozzlesMm=9.5,9.5,10.3 in mm, on the command line and as a column of batch input. The list
// takes the place of the three nozzle fields.
namespace bithydraulics::cli {

inline constexpr std::string_view kNozzleListName = "nozzles";      // sizes k of k/32 in
inline constexpr std::string_view kNozzleListMmName = "nozzlesMm";  // diameters in mm

// Whether `name` names a nozzle list.
bool isNozzleListName(std::string_view name);

struct NozzleListArgument {
    std::string name;
    std::string text;
};

// The list a NAME=TEXT argument gives; none when it names something else.
std::optional<NozzleListArgument> nozzleListArgument(std::string_view argument);

// Whether `text` is one plain figure once full-width digits, point, signs and Ｅ and "。" read as
// their ASCII forms, as the window reads them: "13.5", "１３。５"; not "13,5", "3O", "nan".
bool isCalibrationFigure(std::string_view text);

struct NozzleListReading {
    NozzleList nozzles;
    std::string problem;  // empty when the list could be read; else one line naming it
};

// Reads a list under `name`: 1 to 12 sizes apart as the optimiser's size lists are, each a
// plain figure; in 1/32 in whole numbers from 1 to 64, in mm from 0.1 to 200.
NozzleListReading readNozzleList(std::string_view name, std::string_view text);

}  // namespace bithydraulics::cli
