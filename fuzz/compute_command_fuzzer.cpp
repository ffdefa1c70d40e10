// Arbitrary bytes, split into eleven field texts, through the compute command on an in-memory
// field array. It must never crash, never write a malformed text, and leave every field as it
// was when it faults.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/compute_command.h"

namespace {

using namespace bithydraulics;

// "-?digits.digits{2}%?": the only shape a result field may ever show.
bool isDisplayText(const std::string& text, bool percent) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t digitsStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    if (i == digitsStart || i + 3 > text.size() || text[i] != '.') {
        return false;
    }
    if (!std::isdigit(static_cast<unsigned char>(text[i + 1])) ||
        !std::isdigit(static_cast<unsigned char>(text[i + 2]))) {
        return false;
    }
    return text.substr(i + 3) == (percent ? "%" : "");
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    InMemoryFieldArray fields;
    for (int i = 0; i < kInputFieldCount; ++i) {
        fields.replaceText(i, provider.ConsumeRandomLengthString(64));
    }
    const InMemoryFieldArray before = fields;
    CalculationState state;
    try {
        runComputeCommand(fields, state);
    } catch (const CalculationFault& fault) {
        check(!fault.quantity().empty());
        for (int i = 0; i < kFieldCount; ++i) {
            check(fields.text(i) == before.text(i));
        }
        return 0;
    }
    for (int i = 0; i < kInputFieldCount; ++i) {
        check(fields.text(i) == before.text(i));
    }
    for (int i = 0; i < kResultFieldCount; ++i) {
        check(isDisplayText(fields.text(kFirstResultField + i), i == 7));
    }
    return 0;
}
