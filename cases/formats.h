#pragma once

// How batch input is read and rows are written: the choices the command line and the window's
// case files make.
namespace bithydraulics::cases {

// Detect: a byte-order mark names the encoding; without one the text is UTF-8 when it is valid
// UTF-8, and GB18030 (what Chinese spreadsheets save by default) when it is not.
enum class Encoding { Detect, Utf8, Gb18030, Utf16 };
enum class InputFormat { Csv, JsonLines };
enum class RowFormat { Csv, JsonLines, Table };

struct ReadOptions {
    Encoding encoding = Encoding::Detect;  // of text without a byte-order mark
    // CSV: ',' ';' or tab; 0 to take the one the header line holds most of (',' when it holds
    // none). A first line "sep=X" overrides either.
    char separator = 0;
};

struct WriteOptions {
    RowFormat format = RowFormat::Csv;
    char separator = ',';    // CSV
    bool excelSafe = false;  // CSV: a text cell beginning = + - @ gets a leading apostrophe
    bool byteOrderMark = false;
};

}  // namespace bithydraulics::cases
