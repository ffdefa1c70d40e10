#include "window/quantity_captions.h"

#include "calc/quantities.h"

namespace bithydraulics {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FaultLocation faultLocation(std::string_view name, const FieldArray& fields) {
    FaultLocation location;
    location.quantity = fromUtf8(quantityCaption(name));
    for (const std::size_t input : stepInputs(name)) {
        location.figures.emplace_back(
            fromUtf8(kInputQuantities[input].caption),
            QString::fromStdString(fields.readText(static_cast<int>(input))));
    }
    return location;
}

}  // namespace bithydraulics
