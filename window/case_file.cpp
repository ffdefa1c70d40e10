// The one place the window meets the case-table library it shares with the command-line
// companion, and the safe writer every file of the window goes through.
#include "window/case_file.h"

#include <QDir>
#include <QFile>
#include <string>

#include "behaviour/write_failure_text.h"
#include "calc/quantities.h"
#include "cases/case_table_writer.h"
#include "platform/atomic_file.h"
#include "window/utf8_text.h"

namespace bithydraulics {
namespace {

std::filesystem::path pathOf(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

}  // namespace

CaseTexts CaseFileContents::caseTexts(std::size_t index) const {
    CaseTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = fromUtf8(table.inputText(index, i));
    }
    return texts;
}

QStringList CaseFileContents::labelNames() const {
    QStringList names;
    for (const std::string& name : table.labelNames()) {
        names << fromUtf8(name);
    }
    return names;
}

QStringList CaseFileContents::labels(std::size_t index) const {
    QStringList texts;
    for (std::size_t j = 0; j < table.labelNames().size(); ++j) {
        texts << fromUtf8(table.label(index, j));
    }
    return texts;
}

QStringList CaseFileContents::columnNames() const {
    QStringList names;
    for (const cases::CaseColumn& column : table.columns()) {
        names << fromUtf8(column.name);
    }
    return names;
}

CaseFileContents readCaseFile(const QString& path) {
    CaseFileReading reading =
        readCaseFileAt(pathOf(path), QDir::toNativeSeparators(path).toStdString());
    CaseFileContents contents;
    contents.table = std::move(reading.table);
    contents.problem = fromUtf8(reading.problem);
    return contents;
}

QString writeCaseFile(const QString& path, const CaseTexts& texts) {
    std::vector<std::string> row;
    for (const QString& text : texts) {
        row.push_back(text.toStdString());
    }
    const std::string bytes = cases::caseTableBytes(cases::savedCaseHeader(), {row});
    return writeWholeFile(
        path, QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString writeCsvFile(const QString& path, const QList<QStringList>& rows) {
    std::vector<std::string> header;
    for (const QString& name : rows.front()) {
        header.push_back(name.toStdString());
    }
    std::vector<std::vector<std::string>> cells;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        std::vector<std::string>& row = cells.emplace_back();
        for (const QString& cell : rows[r]) {
            row.push_back(cell.toStdString());
        }
    }
    const std::string bytes = cases::caseTableBytes(header, cells);
    return writeWholeFile(
        path, QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    const platform::WriteFailure failure = platform::writeFileAtomically(
        pathOf(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!failure.failed()) {
        return {};
    }
    return QString::fromStdString(
        writeFailureText(failure, QDir::toNativeSeparators(path).toStdString()));
}

}  // namespace bithydraulics
