#include "cli/io/output_buffer.h"

#include <cerrno>
#include <cstring>

#include "cli/io/errors.h"

namespace bithydraulics::cli {

OutputBuffer::OutputBuffer(std::ostream& sink, std::size_t capacity)
    : sink_(sink), capacity_(capacity) {
    data_.reserve(capacity);
}

OutputBuffer::~OutputBuffer() {
    try {
        flush();
    } catch (...) {
        // Nothing can be reported from here; flush() before the end to hear of it.
    }
}

void OutputBuffer::flush() {
    errno = 0;
    if (!data_.empty()) {
        sink_.write(data_.data(), static_cast<std::streamsize>(data_.size()));
        data_.clear();
    }
    sink_.flush();
    if (!sink_) {
        // The stream keeps no reason; the failed write left it in errno.
        const int error = errno;
        throw OutputError(std::string("cannot write the output: ") +
                          (error != 0 ? std::strerror(error) : "the stream failed"));
    }
}

}  // namespace bithydraulics::cli
