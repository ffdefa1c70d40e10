#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "optimize/results.h"

// Which nozzle set the user has chosen, kept across answers computed again.
namespace bithydraulics {

// The place among `sets` of the set with the same nozzles as `nozzles`, if it is there.
std::optional<std::size_t> findSet(const std::vector<optimize::RankedSet>& sets,
                                   const optimize::NozzleSet& nozzles);

}  // namespace bithydraulics
