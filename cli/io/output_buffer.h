#pragma once

#include <algorithm>
#include <cstddef>
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
        std::copy(text.begin(), text.end(), data_.get() + used_);
        used_ += text.size();
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
    void appendLarge(std::string_view text);

    std::ostream& sink_;
    std::unique_ptr<char[]> data_;
    std::size_t capacity_;
    std::size_t used_ = 0;
};

}  // namespace bithydraulics::cli
