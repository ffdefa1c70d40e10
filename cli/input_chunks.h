#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string_view>

namespace bithydraulics::cli {

// Reads a stream in large chunks and hands its bytes out as views, so a reader can scan a run of
// bytes at a time. A UTF-8 byte-order mark at the very start is skipped.
class InputChunks {
  public:
    static constexpr std::size_t kDefaultChunkSize = 64 * 1024;

    explicit InputChunks(std::istream& in, std::size_t chunkSize = kDefaultChunkSize);

    // The bytes not yet consumed, reading the next chunk when none are left; empty only at the
    // end of the input.
    std::string_view available() {
        if (position_ == size_) {
            refill();
        }
        return {data_.get() + position_, size_ - position_};
    }

    // Takes `count` bytes of those available().
    void consume(std::size_t count) { position_ += count; }

  private:
    void refill();

    std::istream& in_;
    std::size_t capacity_;
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t position_ = 0;
    bool started_ = false;
};

}  // namespace bithydraulics::cli
