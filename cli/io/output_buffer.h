#pragma once

#include <cstddef>
#include <ostream>
#include <string>
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
        data_.append(text);
        if (data_.size() >= capacity_) {
            flush();
        }
    }

    void append(char c) {
        data_.push_back(c);
        if (data_.size() >= capacity_) {
            flush();
        }
    }

    // Hands everything held to the stream and flushes it; throws OutputError with the system's
    // reason when it fails.
    void flush();

  private:
    std::ostream& sink_;
    std::string data_;
    std::size_t capacity_;
};

}  // namespace bithydraulics::cli
