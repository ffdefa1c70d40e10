#include "calc/quantities.h"

namespace bithydraulics {

std::optional<std::size_t> findInput(std::string_view nameOrCaption) {
    for (std::size_t i = 0; i < kInputQuantities.size(); ++i) {
        if (kInputQuantities[i].name == nameOrCaption ||
            kInputQuantities[i].caption == nameOrCaption) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace bithydraulics
