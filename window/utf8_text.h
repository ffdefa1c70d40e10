#pragma once

#include <QString>
#include <string_view>

namespace bithydraulics {

// The shared layers' UTF-8 text as Qt's.
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace bithydraulics
