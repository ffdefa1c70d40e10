#include "platform/number_reading.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

#include "platform/calculation_fault.h"

namespace bithydraulics {
namespace {

constexpr char kBlank = ' ';
constexpr char kOther = '\x01';  // any character that cannot be part of a figure
constexpr char kEnd = '\0';

// Walks UTF-8 text one character at a time, mapping each to the ASCII character it stands for
// in a figure: blanks to kBlank, full-width forms to ASCII, everything unusable to kOther. Tabs
// and line breaks separate the cells of a pasted table: blanks before a figure, its end once one
// has begun.
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

    void advance() {
        pos_ += pendingLength_;
        begun_ = true;
    }
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
            if (byte == ' ') {
                return kBlank;
            }
            if (byte == '\t' || byte == '\n' || byte == '\r') {
                return begun_ ? kOther : kBlank;
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
        if (byte == 0xE3 && b1 == 0x80 && b2 == 0x82) {  // U+3002 ideographic full stop
            length = 3;
            return '.';
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
    bool begun_ = false;
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

// A character after which a figure read so far is complete: not a space, digit, exponent letter
// or non-ASCII character, any of which might continue it.
bool endsFigure(std::string_view text, std::size_t at) {
    if (at == text.size()) {
        return true;
    }
    const auto next = static_cast<unsigned char>(text[at]);
    return next < 0x80 && next != ' ' && !isDigit(static_cast<char>(next)) &&
           !isExponentLetter(static_cast<char>(next));
}

// Whether nothing but blanks stands in `text` from `at` on.
bool onlyBlanksFrom(std::string_view text, std::size_t at) {
    constexpr std::string_view kIdeographicSpace = "\u3000";
    while (at < text.size()) {
        const char c = text[at];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            ++at;
        } else if (text.substr(at, kIdeographicSpace.size()) == kIdeographicSpace) {
            at += kIdeographicSpace.size();
        } else {
            return false;
        }
    }
    return true;
}

// Short decimals ("1.2", "1820"): at most 15 digits and no exponent are a whole number and a
// power of ten, both exact doubles, so one division rounds correctly.
bool readShortDecimal(std::string_view text, std::size_t start, double& value) {
    static constexpr std::array<double, 16> kPowers{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                    1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::uint64_t whole = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    std::size_t i = start;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
            decimals += point ? 1 : 0;
            if (++digits > 15) {
                return false;
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0 || !endsFigure(text, i)) {
        return false;
    }
    value = static_cast<double>(whole) / kPowers[static_cast<std::size_t>(decimals)];
    return true;
}

// Most texts are a plain ASCII figure: read it directly when no blank, exponent letter or
// non-ASCII character could make the full reading see more of it.
bool readPlainFigure(std::string_view text, double& value) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::size_t start = negative ? 1 : 0;
    if (start >= text.size() || !(isDigit(text[start]) || text[start] == '.')) {
        return false;
    }
    if (readShortDecimal(text, start, value)) {
        value = negative ? -value : value;
        return true;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && endsFigure(text, static_cast<std::size_t>(end - text.data()));
}

// The figure `text` begins with, read character by character: what readPlainFigure leaves, and
// everything for readFigure.
// `end` is where the figure ends (0 when there is none).
double readScannedFigure(std::string_view text, std::size_t& end) {
    end = 0;
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
    end = scanner.position();
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
        end = scanner.position();
        exponentValue = exponentNegative ? -exponent : exponent;
    }

    const std::string_view ascii = figure.view();
    double magnitude = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        if (orderOfMagnitude(ascii.substr(0, mantissaLength), exponentValue) > 0) {
            raiseFault(FaultKind::Overflow);
        }
        magnitude = 0.0;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace

double readNumber(std::string_view text) {
    if (double value = 0.0; readPlainFigure(text, value)) {
        return value;
    }
    std::size_t end = 0;
    return readScannedFigure(text, end);
}

// Rarely called (after a compute, once a field), so it takes the general reading alone and
// leaves readNumber's shortcut to readNumber.
FigureReading readFigure(std::string_view text) {
    std::size_t end = 0;
    const double value = readScannedFigure(text, end);
    return {value, onlyBlanksFrom(text, end)};
}

}  // namespace bithydraulics
