#include "window/case_list_model.h"

#include <QRegularExpression>
#include <algorithm>
#include <numeric>
#include <string>

#include "cases/case_columns.h"
#include "window/utf8_text.h"

namespace bithydraulics {
namespace {

char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether `text` holds `wanted` (already lowered), ASCII letters in either case: the search runs
// on the file's UTF-8 texts as they are kept, without making a string of each cell.
bool holdsText(std::string_view text, std::string_view wanted) {
    return std::search(text.begin(), text.end(), wanted.begin(), wanted.end(),
                       [](char a, char b) { return lowered(a) == b; }) != text.end();
}

}  // namespace

CaseListModel::CaseListModel(const CaseFileContents& contents, QObject* parent)
    : QAbstractTableModel(parent), contents_(contents) {
    for (const cases::CaseColumn& column : contents_.table.columns()) {
        if (column.role == cases::ColumnRole::Input) {
            inputColumns_.push_back(column.input);
        }
    }
    shown_.resize(contents_.caseCount());
    std::iota(shown_.begin(), shown_.end(), std::uint32_t{0});
}

int CaseListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int CaseListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid()
               ? 0
               : static_cast<int>(contents_.table.labelNames().size() + inputColumns_.size());
}

std::string_view CaseListModel::cell(std::size_t caseIndex, int column) const {
    const std::size_t labelCount = contents_.table.labelNames().size();
    const auto index = static_cast<std::size_t>(column);
    if (index < labelCount) {
        return contents_.table.label(caseIndex, index);
    }
    return contents_.table.inputText(caseIndex, inputColumns_.at(index - labelCount));
}

QVariant CaseListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    return fromUtf8(cell(caseAt(index.row()), index.column()));
}

QVariant CaseListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return static_cast<qulonglong>(caseAt(section) + 1);
    }
    return columnNames().value(section);
}

QStringList CaseListModel::columnNames() const {
    QStringList names = contents_.labelNames();
    for (const std::size_t input : inputColumns_) {
        names << QString::fromStdString(cases::captionWithUnit(input));
    }
    return names;
}

bool CaseListModel::holds(std::size_t caseIndex, std::string_view wanted) const {
    const int columns = columnCount();
    for (int column = 0; column < columns; ++column) {
        if (holdsText(cell(caseIndex, column), wanted)) {
            return true;
        }
    }
    return false;
}

void CaseListModel::search(const QString& text) {
    std::vector<std::string> words;
    for (const QString& word :
         text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        std::string& lowerWord = words.emplace_back(word.toStdString());
        std::transform(lowerWord.begin(), lowerWord.end(), lowerWord.begin(), lowered);
    }
    beginResetModel();
    shown_.clear();
    for (std::size_t i = 0; i < contents_.caseCount(); ++i) {
        if (std::all_of(words.begin(), words.end(),
                        [&](const std::string& word) { return holds(i, word); })) {
            shown_.push_back(static_cast<std::uint32_t>(i));
        }
    }
    endResetModel();
}

}  // namespace bithydraulics
