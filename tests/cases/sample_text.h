#pragma once

#include <iconv.h>

#include <cerrno>
#include <sstream>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

// Texts for the tests of reading and writing case tables: lines, encodings, a failing stream.
namespace bithydraulics::cases {

// The lines of `text`, without their line feeds.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// iconv's conversion of `text` from UTF-8, the reference for what the readers convert.
inline std::string converted(const std::string& text, const char* encoding) {
    const iconv_t converter = iconv_open(encoding, "UTF-8");
    std::string result(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    char* out = result.data();
    std::size_t inLeft = text.size();
    std::size_t outLeft = result.size();
    iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    result.resize(result.size() - outLeft);
    return result;
}

// A stream that gives `text` and then fails as a faulty disk does.
class FailingBuffer : public std::streambuf {
  public:
    explicit FailingBuffer(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

  protected:
    int_type underflow() override {
        throw std::ios_base::failure("read", std::error_code(EIO, std::system_category()));
    }

  private:
    std::string text_;
};

}  // namespace bithydraulics::cases
