#include "cases/text_input.h"

#include <algorithm>
#include <cstring>

#include "cases/errors.h"
#include "cases/text.h"
#include "platform/text_decoder.h"

namespace bithydraulics::cli {
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
    account();
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
        std::vector<char>& to = source_ ? raw_ : data_;
        std::size_t& size = source_ ? rawSize_ : size_;
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
    std::optional<SourceEncoding> source =
        encoding_ == Encoding::Gb18030 ? std::optional(SourceEncoding::Gb18030)
        : encoding_ == Encoding::Utf16 ? std::optional(SourceEncoding::Utf16LittleEndian)
                                       : std::nullopt;
    std::size_t mark = 0;
    if (head.starts_with("\xEF\xBB\xBF")) {
        mark = 3;
        source.reset();
    } else if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) {
        mark = 2;
        source = head.front() == '\xFF' ? SourceEncoding::Utf16LittleEndian
                                        : SourceEncoding::Utf16BigEndian;
        encoding_ = Encoding::Utf16;
    }
    std::memmove(data_.data(), data_.data() + mark, size_ - mark);
    size_ -= mark;
    if (source) {
        source_ = source;
        raw_ = data_;
        rawSize_ = size_;
        size_ = 0;
    }
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
    bool failed = false;
    if (source_) {
        const DecodeStep step =
            decodeToUtf8(*source_, {raw_.data(), rawSize_}, data_.data(), data_.size());
        failed = step.stop == DecodeStop::Invalid || (step.stop == DecodeStop::Incomplete && ended);
        std::memmove(raw_.data(), raw_.data() + step.read, rawSize_ - step.read);
        rawSize_ -= step.read;
        size_ = step.written;
    }
    const std::size_t bad = findInvalidUtf8({data_.data(), size_});
    end_ = std::min(bad, size_);
    const bool held = bad != std::string_view::npos && !source_ && !ended &&
                      isCharacterStart({data_.data() + bad, size_ - bad});
    if (failed || (bad != std::string_view::npos && !held)) {
        invalid_ = !source_
                       ? "the text is not UTF-8; save the file as CSV UTF-8, or give --encoding "
                         "gb18030"
                       : std::string("the text is not ") +
                             (encoding_ == Encoding::Utf16 ? "UTF-16" : "GB18030") +
                             "; check --encoding";
    }
}

void TextInput::account() {
    const std::string_view text(data_.data(), end_);
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        ++lines_;
        lineStart_ = base_ + at + 1;
    }
    base_ += end_;
}

void TextInput::fail() {
    account();
    end_ = position_ = 0;
    throw InputError(lines_ + 1, invalid_, ", byte " + std::to_string(base_ - lineStart_ + 1));
}

}  // namespace bithydraulics::cli
