#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <ostream>
#include <string_view>

namespace bithydraulics::cases {

// Collects output in one large block and hands it to the stream a block at a time, so that a row
// costs a few copies into memory rather than a call into the stream per cell.
class OutputBuffer {
  public:
    static constexpr std::size_t kDefaultCapacity = 256 * 1024;

    explicit OutputBuffer(std::ostream& sink, std::size_t capacity = kDefaultCapacity);
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;
    ~OutputBuffer();  // writes what is left; a failure there goes unreported

    void append(std::string_view text) {
        if (text.size() > capacity_ - used_) {
            appendLarge(text);
            return;
        }
        put(text);
    }

    // `text` and then `end`: a cell and what follows it.
    void append(std::string_view text, char end) {
        if (text.size() >= capacity_ - used_) {
            append(text);
            append(end);
            return;
        }
        put(text);
        data_[used_++] = end;
    }

    void append(char c) {
        if (used_ == capacity_) {
            flush();
        }
        data_[used_++] = c;
    }

    // Hands everything held to the stream and flushes it; throws OutputError with the system's
    // reason when it fails.
    void flush();

  private:
    // Copies `text`, which fits.
    void put(std::string_view text) {
        char* to = data_.get() + used_;
        const char* from = text.data();
        const std::size_t n = text.size();
        // Most texts are short: two overlapping moves of a fixed size beat a loop or a call.
        if (n >= 8 && n <= 16) {
            move<8>(to, from);
            move<8>(to + n - 8, from + n - 8);
        } else if (n >= 4 && n < 8) {
            move<4>(to, from);
            move<4>(to + n - 4, from + n - 4);
        } else if (n > 16) {
            std::memcpy(to, from, n);
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                to[i] = from[i];
            }
        }
        used_ += n;
    }

    template <std::size_t kSize>
    static void move(char* to, const char* from) {
        char bytes[kSize];
        std::memcpy(bytes, from, kSize);
        std::memcpy(to, bytes, kSize);
    }

    void appendLarge(std::string_view text);

    std::ostream& sink_;
    std::unique_ptr<char[]> data_;
    std::size_t capacity_;
    std::size_t used_ = 0;
};

}  // namespace bithydraulics::cases
