#include "cases/file_input.h"

#include "cases/errors.h"

namespace bithydraulics::cases {
namespace {

InputChannel openChannel(const std::string& path) {
    try {
        return InputChannel::open(path);
    } catch (const SystemError& error) {
        throw UsageError("cannot open '" + path + "': " + error.what());
    }
}

}  // namespace

FileInput::FileInput(const std::string& path) : channel_(openChannel(path)) {}

FileInput::int_type FileInput::underflow() {
    std::optional<std::size_t> count;
    try {
        count = channel_.read(buffer_.data(), buffer_.size());
    } catch (const SystemError& error) {
        throw ReadError(error.what());
    }
    if (!count) {
        throw Interrupted{};
    }
    setg(buffer_.data(), buffer_.data(), buffer_.data() + *count);
    return *count == 0 ? traits_type::eof() : traits_type::to_int_type(buffer_[0]);
}

}  // namespace bithydraulics::cases
