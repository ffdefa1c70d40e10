#include "win32/case_files.h"

#include <filesystem>

#include "behaviour/write_failure_text.h"
#include "cases/case_table_writer.h"
#include "platform/atomic_file.h"
#include "win32/wide_text.h"

namespace bithydraulics::win32 {
namespace {

std::string writeWholeFile(const std::wstring& path, const std::string& bytes) {
    const platform::WriteFailure failure =
        platform::writeFileAtomically(std::filesystem::path(path), bytes);
    return failure.failed() ? writeFailureText(failure, toUtf8(path)) : std::string();
}

}  // namespace

CaseFileReading readCaseFile(const std::wstring& path) {
    return readCaseFileAt(std::filesystem::path(path), toUtf8(path));
}

InputTexts caseTexts(const cases::CaseTable& table, std::size_t index) {
    InputTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = table.inputText(index, i);
    }
    return texts;
}

std::string writeCaseFile(const std::wstring& path, const InputTexts& texts) {
    const std::vector<std::string> row(texts.begin(), texts.end());
    return writeWholeFile(path, cases::caseTableBytes(cases::savedCaseHeader(), {row}));
}

std::string writeResultFile(const std::wstring& path, const std::vector<ResultRow>& rows) {
    std::vector<std::vector<std::string>> cells;
    for (const ResultRow& row : rows) {
        cells.push_back({row.caption, row.figure, row.unit});
    }
    const std::vector<std::string> header = cells.front();
    cells.erase(cells.begin());
    return writeWholeFile(path, cases::caseTableBytes(header, cells));
}

}  // namespace bithydraulics::win32
