#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <cstdint>

#include "behaviour/case_file_reading.h"
#include "calc/compute_command.h"
#include "cases/case_table.h"

// Case files: CSV tables of cases, read by the same rules as the command-line companion's batch
// (cases/case_table.h: any encoding and separator, captions with units, label columns carried)
// and written whole or not at all (platform/atomic_file.h). A saved case has Chinese captions
// with units as its header, UTF-8 with a byte-order mark, so that a spreadsheet shows them.
namespace bithydraulics {

// The eleven input texts of one case, in field order.
using CaseTexts = std::array<QString, kInputFieldCount>;

struct CaseFileContents {
    cases::CaseTable table;  // the cases, their labels and the header's columns
    QString problem;         // why the file cannot be opened, for the user; empty if it can

    std::size_t caseCount() const { return table.rowCount(); }
    // The texts of case `index`; inputs the header leaves out hold their default texts.
    CaseTexts caseTexts(std::size_t index) const;
    // The label columns (井号, well, section, ...), and the texts of case `index` under them.
    QStringList labelNames() const;
    QStringList labels(std::size_t index) const;
    // Every named column of the header, as written there.
    QStringList columnNames() const;
};

// Reads every case of the file at `path`, or none: an unreadable or too large file, text in no
// encoding it knows, malformed CSV, a repeated input or one with a wrong unit, no input column,
// no case or too many each give a problem instead, in Chinese, naming the line and the column
// where there is one. Result columns of a batch output are left out.
CaseFileContents readCaseFile(const QString& path);

// Writes one case under a header of captions with units. Returns why it failed, or nothing.
QString writeCaseFile(const QString& path, const CaseTexts& texts);

// Writes `rows` (the first the header) as CSV, UTF-8 with a byte-order mark, replacing the file
// only once all of it is written. Returns why it failed, or nothing.
QString writeCsvFile(const QString& path, const QList<QStringList>& rows);

// Writes `bytes` as the whole file at `path`, leaving the old file as it was on failure. Returns
// why it failed, in Chinese and naming the file and the reason, or nothing.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace bithydraulics
