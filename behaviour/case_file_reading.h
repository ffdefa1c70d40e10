#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "cases/case_table.h"

// Opening a case file in a window: the whole file read by the case-table library batch uses too,
// or one problem told in the user's words. Nothing reaches the fields unless all of it was read.
namespace bithydraulics {

// The most cases a file may hold to be opened in a window, and the largest file it reads: more
// is refused before anything is read into the fields.
inline constexpr std::size_t kMostCasesInAFile = 100'000;
inline constexpr std::uintmax_t kLargestCaseFileBytes = 64 * 1024 * 1024;

struct CaseFileReading {
    cases::CaseTable table;  // the cases, their labels and the header's columns
    std::string problem;     // why the file cannot be opened, UTF-8; empty if it can
};

// Reads every case of the file at `path`, or none: an unreadable or too large file, text in no
// encoding it knows, malformed CSV, a repeated input or one with a wrong unit, no input column,
// no case or too many each give a problem instead, in Chinese, naming the line and the column
// where there is one. `shownPath` is the file as the user knows it.
CaseFileReading readCaseFileAt(const std::filesystem::path& path, const std::string& shownPath);

// The problem of a file the case-table reader refused, in the window's words.
std::string caseFileProblemText(const cases::InputError& error);

}  // namespace bithydraulics
