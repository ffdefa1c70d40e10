#include "behaviour/fault_message.h"

#include <algorithm>
#include <string_view>

#include "behaviour/field_glossary.h"
#include "calc/quantities.h"

namespace bithydraulics {
namespace {

// The longest figure quoted whole, in characters; longer ones keep one less and "…".
constexpr std::size_t kLongestQuoted = 24;

// The length in bytes of the UTF-8 sequence a lead byte starts (1 for a stray byte).
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

std::string quoted(std::string_view text) {
    if (text.empty()) {
        return "（空）";
    }
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length =
            std::min(sequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
        if (++characters == kLongestQuoted && i + length < text.size()) {
            shown += "…";
            break;
        }
        const unsigned char c = static_cast<unsigned char>(text[i]);
        shown += (c < 0x20 || c == 0x7F) ? std::string_view(" ") : text.substr(i, length);
        i += length;
    }
    return shown;
}

}  // namespace

FaultMessage faultMessage(const CalculationFault& fault, const FieldArray& fields) {
    FaultMessage message;
    message.lines.push_back("错误 " + std::to_string(fault.errorNumber()) + "：" +
                            std::string(faultKindDescription(fault.kind())));
    if (!fault.quantity().empty()) {
        message.lines.push_back("出错之处：" + std::string(quantityCaption(fault.quantity())));
    }
    // One figure a line, lined up under the first.
    bool first = true;
    for (const std::size_t input : stepInputs(fault.quantity())) {
        std::string line = first ? "请检查：" : "　　　　";
        line += kInputQuantities[input].caption;
        line += " = ";
        line += quoted(fields.readText(static_cast<int>(input)));
        message.lines.push_back(std::move(line));
        first = false;
    }
    message.advice = {"各栏内容保持不变，", "请修改后重新运算。"};
    return message;
}

std::string faultMessageText(const FaultMessage& message) {
    std::string text;
    for (const std::string& line : message.lines) {
        text += line;
        text += '\n';
    }
    text += '\n';
    for (const std::string& line : message.advice) {
        text += line;
    }
    return text;
}

}  // namespace bithydraulics
