#pragma once

#include <filesystem>

namespace bithydraulics::platform {

// A name beside `target` for the file that becomes it: hidden, unlikely to be taken by another
// process (`processId`) or another writer in this one, ending in .tmp.
std::filesystem::path temporaryNameBeside(const std::filesystem::path& target, unsigned processId);

}  // namespace bithydraulics::platform
