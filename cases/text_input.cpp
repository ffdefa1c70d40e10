#include "cases/text_input.h"

#include <algorithm>
#include <cstring>

#include "cases/errors.h"
#include "cases/text.h"
#include "platform/text_decoder.h"

namespace bithydraulics::cases {
namespace {

// Whether `tail` (not empty) is the start of a character whose other bytes have not come yet.
bool isCharacterStart(std::string_view tail) {
    const auto lead = static_cast<unsigned char>(tail.front());
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    for (const char c : tail.substr(1)) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            return false;
        }
    }
    return lead <= 0xF4 && tail.size() < length;
}

}  // namespace

TextInput::TextInput(std::istream& in, Encoding encoding, std::size_t chunkSize)
    : in_(in), encoding_(encoding), data_(std::max<std::size_t>(chunkSize, 4)) {}

void TextInput::refill() {
    if (!invalid_.empty()) {
        fail();
    }
    account(end_);
    // An incomplete character held back goes to the front, to be completed by the next read.
    std::memmove(data_.data(), data_.data() + end_, size_ - end_);
    size_ -= end_;
    end_ = 0;
    position_ = 0;
    if (!started_) {
        start();
    }
    for (bool ended = false;;) {
        decode(ended);
        if (end_ > 0 || ended || !invalid_.empty()) {
            break;
        }
        std::vector<char>& to = source_.has_value() ? raw_ : data_;
        std::size_t& size = source_.has_value() ? rawSize_ : size_;
        // Telling the encoding may take more of a line than a chunk holds: as much as the
        // look-ahead, whatever the chunk, so that where a chunk ends never decides it.
        if (detecting_ && size == to.size() && data_.size() < kMostLookAhead) {
            data_.resize(std::min(data_.size() * 2, kMostLookAhead));
            continue;
        }
        const std::size_t count = read(to.data() + size, to.size() - size);
        ended = count == 0;
        size += count;
    }
    if (end_ == 0 && !invalid_.empty()) {
        fail();
    }
}

void TextInput::start() {
    started_ = true;
    while (size_ < 3) {
        const std::size_t count = read(data_.data() + size_, data_.size() - size_);
        if (count == 0) {
            break;
        }
        size_ += count;
    }
    const std::string_view head(data_.data(), size_);
    std::size_t mark = 0;
    if (head.starts_with("\xEF\xBB\xBF")) {
        mark = 3;
        encoding_ = Encoding::Utf8;
    } else if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) {
        mark = 2;
        encoding_ = Encoding::Utf16;
        bigEndian_ = head.front() == '\xFE';
    }
    std::memmove(data_.data(), data_.data() + mark, size_ - mark);
    size_ -= mark;
    detecting_ = encoding_ == Encoding::Detect;
    if (encoding_ == Encoding::Gb18030 || encoding_ == Encoding::Utf16) {
        convertFrom(0);
    }
}

void TextInput::convertFrom(std::size_t from) {
    source_ = encoding_ == Encoding::Gb18030 ? SourceEncoding::Gb18030
              : bigEndian_                   ? SourceEncoding::Utf16BigEndian
                                             : SourceEncoding::Utf16LittleEndian;
    raw_.resize(data_.size());
    std::memcpy(raw_.data(), data_.data() + from, size_ - from);
    rawSize_ = size_ - from;
    size_ = from;
}

// Without a byte-order mark or an encoding asked for, the first bytes that are not ASCII decide:
// UTF-8 when they are valid UTF-8, GB18030 when they are not. What came before them is ASCII,
// the same in both. Returns false while the bytes at hand cannot tell yet.
bool TextInput::detect(bool ended) {
    const std::string_view text(data_.data(), size_);
    const auto nonAscii = std::ranges::find_if(text, [](char c) { return (c & 0x80) != 0; });
    if (nonAscii == text.end()) {
        return true;
    }
    const auto first = static_cast<std::size_t>(nonAscii - text.begin());
    // The rest of that line is the evidence: a whole line of GB18030 text that is also valid
    // UTF-8 does not occur in practice, and a later line in another encoding is then named.
    const std::size_t lineEnd = text.find('\n', first);
    const std::string_view rest = text.substr(
        first, lineEnd == std::string_view::npos ? std::string_view::npos : lineEnd - first);
    const std::size_t bad = findInvalidUtf8(rest);
    const bool incomplete = bad != std::string_view::npos && !ended &&
                            lineEnd == std::string_view::npos && isCharacterStart(rest.substr(bad));
    if (bad == 0 && incomplete) {
        end_ = first;  // a character cut by the chunk's end: wait for the rest of it
        return false;
    }
    // A line cut by the chunk's end that reads as UTF-8 so far (up to a character cut short)
    // tells nothing yet: wait for the rest of it, as far as the look-ahead reaches, so that no
    // chunk size decides otherwise.
    const bool lookAheadFull = data_.size() >= kMostLookAhead && size_ == data_.size();
    if ((bad == std::string_view::npos || incomplete) && lineEnd == std::string_view::npos &&
        !ended && !lookAheadFull) {
        end_ = first;
        return false;
    }
    detecting_ = false;
    detected_ = true;
    if (bad == std::string_view::npos || incomplete) {
        encoding_ = Encoding::Utf8;
    } else {
        encoding_ = Encoding::Gb18030;
        convertFrom(first);
    }
    return true;
}

std::size_t TextInput::read(char* to, std::size_t count) {
    std::streambuf& buffer = *in_.rdbuf();
    try {
        // Wait for at least one byte, then take what is at hand.
        if (std::streambuf::traits_type::eq_int_type(buffer.sgetc(),
                                                     std::streambuf::traits_type::eof())) {
            return 0;
        }
        const std::streamsize ready = std::max<std::streamsize>(buffer.in_avail(), 1);
        return static_cast<std::size_t>(
            buffer.sgetn(to, std::min(ready, static_cast<std::streamsize>(count))));
    } catch (const std::ios_base::failure& failure) {
        throw ReadError(failure.code().message());
    }
}

void TextInput::decode(bool ended) {
    if (detecting_ && !detect(ended)) {
        return;
    }
    bool failed = false;
    if (source_.has_value()) {
        const DecodeStep step = decodeToUtf8(*source_, {raw_.data(), rawSize_},
                                             data_.data() + size_, data_.size() - size_);
        failed = step.stop == DecodeStop::Invalid || (step.stop == DecodeStop::Incomplete && ended);
        std::memmove(raw_.data(), raw_.data() + step.read, rawSize_ - step.read);
        rawSize_ -= step.read;
        size_ += step.written;
    }
    const std::size_t bad = findInvalidUtf8({data_.data(), size_});
    end_ = std::min(bad, size_);
    const bool held = bad != std::string_view::npos && !source_ && !ended &&
                      isCharacterStart({data_.data() + bad, size_ - bad});
    if (failed || (bad != std::string_view::npos && !held)) {
        invalid_ = invalidText();
    }
}

std::string TextInput::invalidText() const {
    if (detected_) {
        return encoding_ == Encoding::Utf8
                   ? "the text is not UTF-8 here, though it is before; save the file in one "
                     "encoding"
                   : "the text is neither UTF-8 nor GB18030";
    }
    if (!source_) {
        return "the text is not UTF-8; save the file as CSV UTF-8, or give --encoding gb18030";
    }
    return std::string("the text is not ") + (encoding_ == Encoding::Utf16 ? "UTF-16" : "GB18030") +
           "; check --encoding";
}

void TextInput::account(std::size_t upTo) {
    const std::string_view text(data_.data(), upTo);
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        ++lines_;
        lineStart_ = base_ + at + 1;
    }
    base_ += upTo;
}

bool TextInput::extend() {
    if (!started_ || position_ == end_) {
        refill();
        return position_ != end_;
    }
    if (!invalid_.empty()) {
        return false;
    }
    // The text not yet consumed goes to the front, and more is read after it.
    account(position_);
    std::memmove(data_.data(), data_.data() + position_, size_ - position_);
    end_ -= position_;
    size_ -= position_;
    position_ = 0;
    const std::size_t before = end_;
    for (;;) {
        std::vector<char>& to = source_.has_value() ? raw_ : data_;
        std::size_t& size = source_.has_value() ? rawSize_ : size_;
        if (size == to.size() || size_ == data_.size()) {
            if (data_.size() >= kMostLookAhead) {
                return false;
            }
            data_.resize(data_.size() * 2);
            raw_.resize(source_.has_value() ? data_.size() : 0);
            continue;
        }
        const std::size_t count = read(to.data() + size, to.size() - size);
        size += count;
        decode(count == 0);
        if (end_ > before || !invalid_.empty()) {
            return end_ > before;
        }
        if (count == 0) {
            // The input has ended. Converted text still waiting for room gets it; nothing else
            // is left to come.
            if (!source_.has_value() || rawSize_ == 0 || data_.size() >= kMostLookAhead) {
                return false;
            }
            data_.resize(data_.size() * 2);
            raw_.resize(data_.size());
        }
    }
}

void TextInput::fail() {
    account(end_);
    end_ = position_ = 0;
    throw InputError(lines_ + 1, invalid_, {.byte = base_ - lineStart_ + 1}, InputFault::NotText);
}

}  // namespace bithydraulics::cases
