#include "cases/jsonl_reader.h"

#include <array>
#include <charconv>

#include <nlohmann/json.hpp>

#include "cases/errors.h"

namespace bithydraulics::cases {
namespace {

using Json = nlohmann::json;

// Collects the members of one flat object from the parser's events; any other shape stops the
// parse with a message.
class ObjectCollector final : public nlohmann::json_sax<Json> {
  public:
    ObjectCollector(std::string& values, std::vector<std::size_t>& ends, std::vector<bool>& nulls)
        : values_(values), ends_(ends), nulls_(nulls) {}

    std::string error;
    // Where a number beyond the range of a double ends in the line, and its length; 0 for none.
    std::size_t overflowEnd = 0;
    std::size_t overflowLength = 0;

    bool null() override { return value({}, true); }
    bool boolean(bool) override { return notStringOrNumber("true or false"); }
    bool binary(binary_t&) override { return notStringOrNumber("binary data"); }
    bool start_array(std::size_t) override { return notStringOrNumber("an array"); }
    bool end_array() override { return false; }

    bool number_integer(number_integer_t value) override { return integer(value); }
    bool number_unsigned(number_unsigned_t value) override { return integer(value); }
    bool number_float(number_float_t, const string_t& figure) override { return value(figure); }
    bool string(string_t& text) override { return value(text); }

    bool start_object(std::size_t) override {
        if (depth_ > 0) {
            return notStringOrNumber("an object");
        }
        depth_ = 1;
        return true;
    }
    bool end_object() override {
        depth_ = 0;
        return true;
    }
    bool key(string_t& key) override {
        key_ = key;
        store(key);
        return true;
    }

    bool parse_error(std::size_t position, const std::string& token,
                     const nlohmann::detail::exception& exception) override {
        if (exception.id == 406) {
            overflowEnd = position;
            overflowLength = token.size();
        }
        // "[json.exception.parse_error.101] parse error at line 1, column 5: syntax error …"
        std::string_view what = exception.what();
        if (const std::size_t column = what.find("column "); column != std::string_view::npos) {
            what.remove_prefix(column);
        } else if (const std::size_t tag = what.find("] "); tag != std::string_view::npos) {
            what.remove_prefix(tag + 2);
        }
        error = "invalid JSON: " + std::string(what);
        return false;
    }

  private:
    template <typename Integer>
    bool integer(Integer value) {
        std::array<char, 24> figure{};
        const char* end = std::to_chars(figure.data(), figure.data() + figure.size(), value).ptr;
        return this->value({figure.data(), end});
    }

    bool value(std::string_view text, bool null = false) {
        if (depth_ == 0) {
            error = "expected a JSON object";
            return false;
        }
        store(text);
        nulls_.push_back(null);
        return true;
    }

    bool notStringOrNumber(std::string_view what) {
        error = depth_ == 0 ? "expected a JSON object"
                            : "the value of '" + key_ + "' is " + std::string(what) +
                                  ", not a string or a number";
        return false;
    }

    void store(std::string_view text) {
        values_.append(text);
        ends_.push_back(values_.size());
    }

    std::string& values_;
    std::vector<std::size_t>& ends_;
    std::vector<bool>& nulls_;
    std::string key_;
    int depth_ = 0;
};

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

JsonLinesReader::JsonLinesReader(std::istream& in, Encoding encoding, std::size_t chunkSize)
    : input_(in, encoding, chunkSize) {}

bool JsonLinesReader::readLine() {
    text_.clear();
    for (;;) {
        const std::string_view chunk = input_.available();
        if (chunk.empty()) {
            if (text_.empty()) {
                return false;
            }
            break;
        }
        const std::size_t lineFeed = chunk.find('\n');
        const std::string_view part = chunk.substr(0, lineFeed);
        if (text_.size() + part.size() > kMaxLineBytes) {
            throw InputError(line_ + 1,
                             "line longer than " + std::to_string(kMaxLineBytes) + " bytes");
        }
        text_.append(part);
        if (lineFeed != std::string_view::npos) {
            input_.consume(lineFeed + 1);
            break;
        }
        input_.consume(chunk.size());
    }
    ++line_;
    if (text_.ends_with('\r')) {
        text_.pop_back();
    }
    return true;
}

bool JsonLinesReader::next() {
    do {
        if (!readLine()) {
            return false;
        }
    } while (isBlankLine(text_));

    // The parser takes a NUL byte for the end of its input and would leave the rest unread.
    if (const std::size_t nul = text_.find('\0'); nul != std::string::npos) {
        throw InputError(line_, "invalid JSON: a NUL byte", {.byte = nul + 1}, InputFault::NulByte);
    }
    parse();
    members_.clear();
    std::size_t begin = 0;
    for (std::size_t i = 0; i + 1 < ends_.size(); i += 2) {
        const std::string_view key(values_.data() + begin, ends_[i] - begin);
        const std::string_view text(values_.data() + ends_[i], ends_[i + 1] - ends_[i]);
        members_.push_back({key, text, nulls_[i / 2]});
        begin = ends_[i + 1];
    }
    return true;
}

void JsonLinesReader::parse() {
    for (;;) {
        values_.clear();
        ends_.clear();
        nulls_.clear();
        ObjectCollector collector(values_, ends_, nulls_);
        if (Json::sax_parse(text_.data(), text_.data() + text_.size(), &collector)) {
            return;
        }
        if (collector.overflowEnd == 0) {
            throw InputError(line_, collector.error);
        }
        // A number beyond a double is read again as the same figure in a string, so that the
        // row faults on it as on the string.
        text_.insert(collector.overflowEnd, 1, '"');
        text_.insert(collector.overflowEnd - collector.overflowLength, 1, '"');
    }
}

}  // namespace bithydraulics::cases
