#pragma once

#include <array>
#include <string>
#include <vector>

#include "behaviour/case_document.h"
#include "behaviour/result_table.h"
#include "calc/compute_command.h"

// The window's case files, through the case-table library it shares with the command-line
// companion: a header of input names (field names or captions, any order, any subset), then one
// row a case of the texts as typed. Written whole or not at all. Problems come back as one
// Chinese message for the user.
namespace bithydraulics::win32 {

// The most cases a file may hold to be opened in the window, which offers them to choose from.
inline constexpr std::size_t kMostCasesInAFile = 100000;

struct CaseFileContents {
    std::vector<InputTexts> cases;  // inputs the header leaves out hold their default texts
    std::string problem;            // why the file cannot be opened; empty if it can
};

CaseFileContents readCaseFile(const std::wstring& path);

// Writes one case under a header of field names; returns why it failed, or nothing.
std::string writeCaseFile(const std::wstring& path, const InputTexts& texts);

// Writes `rows` (the first the header) as CSV with a byte-order mark; returns why it failed, or
// nothing.
std::string writeTableFile(const std::wstring& path, const std::vector<TableRow>& rows);

}  // namespace bithydraulics::win32
