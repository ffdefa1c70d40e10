// The one place the window meets the CSV reader and writer it shares with the command-line
// companion.
#include "window/case_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "behaviour/write_failure_message.h"
#include "calc/quantities.h"
#include "cases/csv_reader.h"
#include "cases/errors.h"
#include "cases/output_buffer.h"
#include "cases/row_writer.h"

namespace bithydraulics {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A column that batch output adds to its input columns: a result or the fault it met.
bool isOutputColumn(std::string_view name) {
    if (name == "fault" || name == "faultQuantity") {
        return true;
    }
    for (const ResultQuantity& result : kDisplayedResults) {
        if (result.name == name || result.caption == name) {
            return true;
        }
    }
    return false;
}

// Where each column's cells go: an input's index, or nothing for a column that is ignored.
using ColumnInputs = std::vector<std::optional<std::size_t>>;

QString columnProblem(std::span<const std::string_view> header, ColumnInputs& columns) {
    QStringList unknown;
    std::array<bool, kInputFieldCount> seen{};
    for (const std::string_view name : header) {
        const auto input = findInput(name);
        if (input && seen[*input]) {
            return QStringLiteral("列“%1”重复：同一个输入只能有一列。").arg(fromUtf8(name));
        }
        if (input) {
            seen[*input] = true;
        } else if (!isOutputColumn(name)) {
            unknown << QStringLiteral("“%1”").arg(fromUtf8(name));
        }
        columns.push_back(input);
    }
    if (!unknown.isEmpty()) {
        return QStringLiteral(
                   "无法识别的列：%1。\n列名应为输入的字段名或标题，如 flowRate 或 排量。")
            .arg(unknown.join(QStringLiteral("、")));
    }
    return {};
}

CaseTexts defaultTexts() {
    CaseTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = fromUtf8(kInputQuantities[i].defaultText);
    }
    return texts;
}

CaseFileContents problem(const QString& text) {
    CaseFileContents contents;
    contents.problem = text;
    return contents;
}

// Writes `bytes` as the whole of `path`, or nothing: a failure leaves the old file as it was.
QString writeWhole(const QString& path, const std::string& bytes) {
    const bool hadOldFile = QFileInfo::exists(path);
    const platform::WriteFailure failure =
        platform::writeFileAtomically(QFile::encodeName(path).toStdString(), bytes);
    if (failure.failed()) {
        return QString::fromStdString(writeFailureMessage(failure, hadOldFile));
    }
    return {};
}

// The CSV text of `rows`, the first being the header, with the byte-order mark, made by the
// companion's writer.
std::string csvBytes(const QList<QStringList>& rows) {
    std::ostringstream text;
    {
        cli::OutputBuffer out(text);
        std::vector<cli::Column> columns;
        for (const QString& name : rows.front()) {
            columns.push_back({name.toStdString(), {}, {}, cli::CellKind::Text});
        }
        cli::WriteOptions options;
        options.byteOrderMark = true;
        const auto writer = cli::makeRowWriter(columns, options, out);
        for (qsizetype r = 1; r < rows.size(); ++r) {
            std::vector<std::string> cells;
            for (const QString& cell : rows[r]) {
                cells.push_back(cell.toStdString());
            }
            const std::vector<std::string_view> views(cells.begin(), cells.end());
            writer->writeRow(views);
        }
        writer->finish();
        out.flush();
    }
    return text.str();
}

}  // namespace

CaseFileContents readCaseFile(const QString& path) {
    if (QFileInfo(path).size() > kLargestCaseFileBytes) {
        return problem(QStringLiteral("文件太大（超过 %1 MB），窗口不打开这样大的算例文件。")
                           .arg(kLargestCaseFileBytes / (1024 * 1024)));
    }
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!in) {
        return problem(QStringLiteral("无法打开文件“%1”。").arg(path));
    }
    CaseFileContents contents;
    try {
        cli::CsvReader reader(in);
        if (!reader.next()) {
            return problem(QStringLiteral("文件是空的，没有表头和算例。"));
        }
        ColumnInputs columns;
        if (QString text = columnProblem(reader.cells(), columns); !text.isEmpty()) {
            return problem(text);
        }
        for (const auto& column : columns) {
            if (column) {
                contents.inputColumns.push_back(static_cast<int>(*column));
            }
        }
        while (reader.next()) {
            const auto cells = reader.cells();
            if (cells.size() != columns.size()) {
                return problem(QStringLiteral("第 %1 行有 %2 格，表头有 %3 格。")
                                   .arg(reader.line())
                                   .arg(cells.size())
                                   .arg(columns.size()));
            }
            if (contents.cases.size() == kMostCasesInAFile) {
                return problem(
                    QStringLiteral("文件中的算例超过 %L1 个，窗口只打开 %L1 个以内的文件。")
                        .arg(kMostCasesInAFile));
            }
            CaseTexts texts = defaultTexts();
            for (std::size_t i = 0; i < cells.size(); ++i) {
                if (columns[i]) {
                    texts[*columns[i]] = fromUtf8(cells[i]);
                }
            }
            contents.cases.push_back(std::move(texts));
        }
    } catch (const cli::InputError& error) {
        return problem(QStringLiteral("无法读取：文件须为 UTF-8 编码的 CSV 文件（%1）。")
                           .arg(fromUtf8(error.what())));
    } catch (const cli::ReadError&) {
        return problem(QStringLiteral("读取文件“%1”时出错。").arg(path));
    }
    if (in.bad()) {
        return problem(QStringLiteral("读取文件“%1”时出错。").arg(path));
    }
    if (contents.cases.empty()) {
        return problem(QStringLiteral("文件中只有表头，没有算例。"));
    }
    return contents;
}

QString writeCaseFile(const QString& path, const CaseTexts& texts) {
    QStringList header;
    QStringList row;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        header << fromUtf8(kInputQuantities[i].name);
        row << texts[i];
    }
    return writeCsvFile(path, {header, row});
}

QString writeCsvFile(const QString& path, const QList<QStringList>& rows) {
    try {
        return writeWhole(path, csvBytes(rows));
    } catch (const cli::OutputError&) {
        // Only a stream in memory is written here; it fails only when memory runs out.
        return QStringLiteral("无法写入文件“%1”：内存不足。").arg(QDir::toNativeSeparators(path));
    }
}

}  // namespace bithydraulics
