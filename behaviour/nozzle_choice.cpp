#include "behaviour/nozzle_choice.h"

namespace bithydraulics {
namespace {

bool sameNozzles(const optimize::NozzleSet& a, const optimize::NozzleSet& b) {
    return a.count == b.count && a.diametersMm == b.diametersMm;
}

}  // namespace

std::optional<std::size_t> findSet(const std::vector<optimize::RankedSet>& sets,
                                   const optimize::NozzleSet& nozzles) {
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (sameNozzles(sets[i].nozzles, nozzles)) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace bithydraulics
