#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cases/formats.h"
#include "cases/text_input.h"

namespace bithydraulics::cases {

// One member of a JSON Lines object: its key and its value as text. A string gives its
// contents; a number its figure as written, except that an integer is given in its plain form
// (so "-0" reads as "0"); null gives no text.
struct JsonMember {
    std::string_view key;
    std::string_view text;
    bool null = false;
};

// Reads JSON Lines, one object at a time in constant memory: each line holds one JSON object
// whose values are strings, numbers or null, and nothing after it but blanks. Lines holding only
// blanks are skipped; lines may end in CRLF or LF; the text comes through TextInput (encodings,
// byte-order marks, UTF-8 checked). A number beyond the range of a double is given as written,
// like any other. Anything else throws InputError naming its line: invalid JSON (a NUL byte
// included), a line that is not an object, a value that is an object, an array or a boolean, a
// line over kMaxLineBytes.
class JsonLinesReader {
  public:
    static constexpr std::size_t kMaxLineBytes = 1024 * 1024;

    // `chunkSize` is how much of the stream is read at a time.
    explicit JsonLinesReader(std::istream& in, Encoding encoding = Encoding::Utf8,
                             std::size_t chunkSize = TextInput::kDefaultChunkSize);

    // Reads the next object; false at the end of the input.
    bool next();
    // The members of the object last read, in the order written; valid until the next call.
    std::span<const JsonMember> members() const { return members_; }
    std::uint64_t line() const { return line_; }

  private:
    bool readLine();
    void parse();

    TextInput input_;
    std::string text_;               // the line being parsed
    std::string values_;             // the keys and values of its members, one after another
    std::vector<std::size_t> ends_;  // where each key and value ends in values_
    std::vector<bool> nulls_;        // which values are null
    std::vector<JsonMember> members_;
    std::uint64_t line_ = 0;
};

}  // namespace bithydraulics::cases
