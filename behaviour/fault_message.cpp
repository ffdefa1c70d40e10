#include "behaviour/fault_message.h"

#include "behaviour/quantity_captions.h"
#include "calc/quantities.h"

namespace bithydraulics {
namespace {

// The length of the UTF-8 sequence that `lead` begins.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    return (lead & 0xF8) == 0xF0 ? 4 : 1;
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// A figure's text as the report quotes it: an empty one named as such, a long one cut short so
// that its line stays short, and control characters as blanks.
std::string quotedText(std::string_view text) {
    if (isBlank(text)) {
        return "（空）";
    }
    constexpr std::size_t kLongest = 24;  // characters
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length =
            std::min(sequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
        if (++characters == kLongest && i + length < text.size()) {
            return shown + "…";
        }
        const auto c = static_cast<unsigned char>(text[i]);
        shown += length == 1 && (c < 0x20 || c == 0x7F) ? std::string(" ")
                                                        : std::string(text.substr(i, length));
        i += length;
    }
    return shown;
}

}  // namespace

FaultLocation faultLocation(std::string_view name, const FieldArray& fields) {
    FaultLocation location;
    location.quantity = quantityCaption(name);
    for (const std::size_t input : stepInputs(name)) {
        location.figures.emplace_back(kInputQuantities[input].caption,
                                      fields.readText(static_cast<int>(input)));
    }
    return location;
}

std::vector<std::string> faultMessageLines(const CalculationFault& fault,
                                           const FaultLocation& location) {
    std::vector<std::string> lines{"错误 " + std::to_string(fault.errorNumber()) + "：" +
                                   std::string(faultKindDescription(fault.kind()))};
    if (!location.quantity.empty()) {
        lines.push_back("出错之处：" + location.quantity);
    }
    // One figure a line, lined up under the first.
    const std::string checkLabel = "请检查：";
    const std::string indent = "　　　　";  // as wide as the label
    for (std::size_t i = 0; i < location.figures.size(); ++i) {
        const auto& [caption, text] = location.figures[i];
        lines.push_back((i == 0 ? checkLabel : indent) + caption + " = " + quotedText(text));
    }
    return lines;
}

std::vector<std::string> faultAdviceLines() {
    return {"各栏内容保持不变，", "请修改后重新运算。"};
}

std::string faultReportPlainText(const CalculationFault& fault, const FaultLocation& location) {
    std::string text;
    for (const std::string& line : faultMessageLines(fault, location)) {
        text += line + '\n';
    }
    for (const std::string& line : faultAdviceLines()) {
        text += '\n' + line;
    }
    return text;
}

}  // namespace bithydraulics
