#include "platform/number_reading.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>

#include "platform/calculation_fault.h"

namespace bithydraulics {
namespace {

constexpr char kBlank = ' ';
constexpr char kOther = '\x01';  // any character that cannot be part of a figure
constexpr char kEnd = '\0';

// Walks UTF-8 text one character at a time, mapping each to the ASCII character it stands for
// in a figure: blanks to kBlank, full-width forms to ASCII, everything unusable to kOther.
class FigureScanner {
  public:
    explicit FigureScanner(std::string_view text) : text_(text) {}

    // The next character that is not a blank, without consuming it.
    char peek() {
        for (;;) {
            std::size_t length = 0;
            const char c = decode(pos_, length);
            if (c != kBlank) {
                pendingLength_ = length;
                return c;
            }
            pos_ += length;
        }
    }

    void advance() { pos_ += pendingLength_; }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t position) { pos_ = position; }

  private:
    char decode(std::size_t at, std::size_t& length) const {
        if (at >= text_.size()) {
            length = 0;
            return kEnd;
        }
        const auto byte = static_cast<unsigned char>(text_[at]);
        length = 1;
        if (byte < 0x80) {
            if (byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r') {
                return kBlank;
            }
            return byte == 0 ? kOther : static_cast<char>(byte);
        }
        if (at + 2 >= text_.size()) {
            return kOther;
        }
        const auto b1 = static_cast<unsigned char>(text_[at + 1]);
        const auto b2 = static_cast<unsigned char>(text_[at + 2]);
        if (byte == 0xE3 && b1 == 0x80 && b2 == 0x80) {  // U+3000 ideographic space
            length = 3;
            return kBlank;
        }
        if (byte == 0xEF && b1 == 0xBC) {  // U+FF00..U+FF3F
            length = 3;
            if (b2 >= 0x90 && b2 <= 0x99) {
                return static_cast<char>('0' + (b2 - 0x90));
            }
            switch (b2) {
                case 0x8B:
                    return '+';
                case 0x8D:
                    return '-';
                case 0x8E:
                    return '.';
                case 0xA5:
                    return 'E';
                default:
                    break;
            }
        } else if (byte == 0xEF && b1 == 0xBD && b2 == 0x85) {  // U+FF45 full-width e
            length = 3;
            return 'e';
        }
        length = 1;
        return kOther;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t pendingLength_ = 0;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isExponentLetter(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// The figure in ASCII as from_chars takes it. Figures are short, so it lives on the stack and
// only a figure of absurd length spills to the heap.
class FigureBuffer {
  public:
    void push(char c) {
        if (size_ < small_.size()) {
            small_[size_++] = c;
            return;
        }
        if (large_.empty()) {
            large_.assign(small_.data(), size_);
        }
        large_.push_back(c);
        ++size_;
    }
    void append(std::string_view text) {
        for (const char c : text) {
            push(c);
        }
    }
    std::string_view view() const {
        return large_.empty() ? std::string_view(small_.data(), size_) : std::string_view(large_);
    }

  private:
    std::array<char, 64> small_{};
    std::size_t size_ = 0;
    std::string large_;
};

// Decimal order of magnitude of a figure that from_chars found out of range: positive means too
// large, negative too small. Only the sign matters, so the exponent is clamped.
long long orderOfMagnitude(std::string_view mantissa, long long exponent) {
    const std::size_t point = mantissa.find('.');
    const std::size_t integerDigits = point == std::string_view::npos ? mantissa.size() : point;
    std::size_t firstSignificant = 0;
    while (firstSignificant < mantissa.size() &&
           (mantissa[firstSignificant] == '0' || mantissa[firstSignificant] == '.')) {
        ++firstSignificant;
    }
    long long position =
        static_cast<long long>(integerDigits) - static_cast<long long>(firstSignificant) - 1;
    if (point != std::string_view::npos && firstSignificant > point) {
        ++position;  // the point itself was counted among the skipped characters
    }
    return position + exponent;
}

}  // namespace

namespace {

// Most texts are a plain ASCII figure: from_chars reads them directly. The answer is final when
// from_chars stops at the end or at a character that could not continue the figure in any form
// (a blank, an exponent letter or a non-ASCII character send the text to the full reading).
bool readPlainFigure(std::string_view text, double& value) {
    const std::size_t start = !text.empty() && text.front() == '-' ? 1 : 0;
    if (start >= text.size() || !(isDigit(text[start]) || text[start] == '.')) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) {
        return false;
    }
    if (end == text.data() + text.size()) {
        return true;
    }
    const auto next = static_cast<unsigned char>(*end);
    return next < 0x80 && next != ' ' && next != '\t' && next != '\n' && next != '\r' &&
           !isExponentLetter(static_cast<char>(next));
}

}  // namespace

double readNumber(std::string_view text) {
    if (double value = 0.0; readPlainFigure(text, value)) {
        return value;
    }
    FigureScanner scanner(text);
    bool negative = false;
    if (const char c = scanner.peek(); c == '+' || c == '-') {
        negative = c == '-';
        scanner.advance();
    }

    FigureBuffer figure;
    bool sawDigit = false;
    bool sawPoint = false;
    for (char c = scanner.peek();; c = scanner.peek()) {
        if (isDigit(c)) {
            sawDigit = true;
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        figure.push(c);
        scanner.advance();
    }
    if (!sawDigit) {
        return 0.0;
    }
    const std::size_t mantissaLength = figure.view().size();

    // The exponent counts only when at least one digit follows its letter and sign.
    std::size_t exponentDigits = 0;
    bool exponentNegative = false;
    long long exponentValue = 0;
    if (isExponentLetter(scanner.peek())) {
        const std::size_t beforeExponent = scanner.position();
        scanner.advance();
        if (const char c = scanner.peek(); c == '+' || c == '-') {
            exponentNegative = c == '-';
            scanner.advance();
        }
        long long exponent = 0;
        while (isDigit(scanner.peek())) {
            if (exponentDigits++ == 0) {
                figure.append(exponentNegative ? "e-" : "e");
            }
            const char c = scanner.peek();
            figure.push(c);
            exponent = exponent > 1'000'000'000 ? exponent : exponent * 10 + (c - '0');
            scanner.advance();
        }
        if (exponentDigits == 0) {
            scanner.rewind(beforeExponent);
        }
        exponentValue = exponentNegative ? -exponent : exponent;
    }

    const std::string_view ascii = figure.view();
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        if (orderOfMagnitude(ascii.substr(0, mantissaLength), exponentValue) > 0) {
            raiseFault(FaultKind::Overflow);
        }
        magnitude = 0.0;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace bithydraulics
