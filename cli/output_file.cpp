#include "cli/output_file.h"

#include <string_view>

namespace bithydraulics::cli {

OutputFile::OutputFile(const std::string& path) : file_(path) {}

bool OutputFile::commit() {
    return file_.commit();
}

std::streamsize OutputFile::xsputn(const char* bytes, std::streamsize count) {
    return file_.write(std::string_view(bytes, static_cast<std::size_t>(count))) ? count : 0;
}

OutputFile::int_type OutputFile::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const char byte = traits_type::to_char_type(c);
    return file_.write(std::string_view(&byte, 1)) ? c : traits_type::eof();
}

}  // namespace bithydraulics::cli
