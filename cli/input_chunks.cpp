#include "cli/input_chunks.h"

#include <algorithm>

namespace bithydraulics::cli {

InputChunks::InputChunks(std::istream& in, std::size_t chunkSize)
    : in_(in), capacity_(std::max<std::size_t>(chunkSize, 4)), data_(new char[capacity_]) {}

void InputChunks::refill() {
    position_ = 0;
    size_ = 0;
    if (!in_) {
        return;
    }
    in_.read(data_.get(), static_cast<std::streamsize>(capacity_));
    size_ = static_cast<std::size_t>(in_.gcount());
    if (!started_) {
        started_ = true;
        // read() fills the chunk unless the input ends first, so a mark is never split.
        if (std::string_view(data_.get(), size_).starts_with("\xEF\xBB\xBF")) {
            position_ = 3;
        }
    }
}

}  // namespace bithydraulics::cli
