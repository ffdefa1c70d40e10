#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <ostream>
#include <string_view>

namespace bithydraulics::cli {

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
        char* to = data_.get() + used_;
        if (text.size() <= 16) {
            // Most cells are short: a plain loop beats a call into the library's memcpy.
            for (const char c : text) {
                *to++ = c;
            }
        } else {
            std::memcpy(to, text.data(), text.size());
        }
        used_ += text.size();
    }

    void append(char c) {
        if (used_ == capacity_) {
            flush();
        }
        data_[used_++] = c;
    }

    // Hands everything held to the stream and flushes it; throws OutputError when it fails.
    void flush();

  private:
    void appendLarge(std::string_view text);

    std::ostream& sink_;
    std::unique_ptr<char[]> data_;
    std::size_t capacity_;
    std::size_t used_ = 0;
};

}  // namespace bithydraulics::cli
