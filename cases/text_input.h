#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cases/formats.h"
#include "platform/text_decoder.h"

namespace bithydraulics::cases {

// Reads a stream as UTF-8 text in large chunks and hands its bytes out as views, so that a reader
// can scan a run of bytes at a time.
//  - A byte-order mark at the very start names the encoding (UTF-8, UTF-16 LE or BE) and is
//    skipped; without one the text is in the encoding asked for, UTF-16 then little-endian as
//    spreadsheets write it, or with Encoding::Detect UTF-8 if its first bytes beyond ASCII are
//    valid UTF-8 and GB18030 if not. Text in another encoding than UTF-8 is converted as it is
//    read.
//  - Each read takes what the stream has at hand, so a line piped in is seen at once.
//  - Bytes that are not text in the encoding end the text before them: reaching them throws
//    InputError naming their line and byte. A stream that fails throws ReadError.
class TextInput {
  public:
    static constexpr std::size_t kDefaultChunkSize = 64 * 1024;

    explicit TextInput(std::istream& in, Encoding encoding = Encoding::Detect,
                       std::size_t chunkSize = kDefaultChunkSize);

    // The bytes not yet consumed, reading the next chunk when none are left; empty only at the
    // end of the input.
    std::string_view available() {
        if (position_ == end_) {
            refill();
        }
        return {data_.data() + position_, end_ - position_};
    }

    // Reads more text after that available(), keeping it: what a reader that must see a whole
    // line before it starts calls. False when no more came (the end of the input, text that is
    // not text, or kMostLookAhead bytes already at hand).
    bool extend();
    static constexpr std::size_t kMostLookAhead = 1024 * 1024;

    // Takes `count` bytes of those available().
    void consume(std::size_t count) { position_ += count; }
    // How many bytes of text have been consumed since the start.
    std::uint64_t consumed() const { return base_ + position_; }

  private:
    void refill();
    void start();
    void convertFrom(std::size_t from);
    bool detect(bool ended);
    std::string invalidText() const;
    std::size_t read(char* to, std::size_t count);
    void decode(bool ended);
    void account(std::size_t upTo);
    [[noreturn]] void fail();

    std::istream& in_;
    Encoding encoding_;
    std::vector<char> data_;  // [0, end_) the text handed out, [end_, size_) bytes held back
    std::size_t size_ = 0;
    std::size_t end_ = 0;
    std::size_t position_ = 0;
    bool started_ = false;
    bool bigEndian_ = false;  // UTF-16 marked as big-endian
    bool detecting_ = false;  // the encoding not yet told from the bytes
    bool detected_ = false;   // the encoding told from the bytes, not asked for
    std::string invalid_;     // what the bytes at end_ are not, when they are not text
    std::optional<SourceEncoding> source_;  // when the input is not UTF-8
    std::vector<char> raw_;                 // bytes waiting for conversion
    std::size_t rawSize_ = 0;
    std::uint64_t base_ = 0;       // bytes of text before the chunk
    std::uint64_t lines_ = 0;      // line feeds before the chunk
    std::uint64_t lineStart_ = 0;  // where the line the chunk begins on begins
};

}  // namespace bithydraulics::cases
