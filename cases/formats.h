#pragma once

// How batch input is read and rows are written: the choices the command line and the window's
// case files make.
namespace bithydraulics::cli {

enum class Encoding { Utf8, Gb18030, Utf16 };
enum class InputFormat { Csv, JsonLines };
enum class RowFormat { Csv, JsonLines, Table };

struct ReadOptions {
    Encoding encoding = Encoding::Utf8;  // of text without a byte-order mark
    char separator = ',';                // CSV; a first line "sep=X" overrides it
};

struct WriteOptions {
    RowFormat format = RowFormat::Csv;
    char separator = ',';    // CSV
    bool excelSafe = false;  // CSV: a text cell beginning = + - @ gets a leading apostrophe
    bool byteOrderMark = false;
};

}  // namespace bithydraulics::cli
