#include "cases/output_buffer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "cases/errors.h"

namespace bithydraulics::cases {

OutputBuffer::OutputBuffer(std::ostream& sink, std::size_t capacity)
    : sink_(sink), data_(new char[capacity]), capacity_(capacity) {}

OutputBuffer::~OutputBuffer() {
    try {
        flush();
    } catch (...) {
        // Nothing can be reported from here; flush() before the end to hear of it.
    }
}

void OutputBuffer::flush() {
    errno = 0;
    if (used_ > 0) {
        sink_.write(data_.get(), static_cast<std::streamsize>(used_));
        used_ = 0;
    }
    sink_.flush();
    if (!sink_) {
        // The stream keeps no reason; the failed write left it in errno.
        const int error = errno;
        throw OutputError(std::string("cannot write the output: ") +
                          (error != 0 ? std::strerror(error) : "the stream failed"));
    }
}

void OutputBuffer::appendLarge(std::string_view text) {
    while (!text.empty()) {
        if (used_ == capacity_) {
            flush();
        }
        const std::size_t n = std::min(text.size(), capacity_ - used_);
        std::memcpy(data_.get() + used_, text.data(), n);
        used_ += n;
        text.remove_prefix(n);
    }
}

}  // namespace bithydraulics::cases
