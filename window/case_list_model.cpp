#include "window/case_list_model.h"

#include <numeric>

#include "window/quantity_captions.h"

namespace bithydraulics {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CaseListModel::CaseListModel(const CaseFileContents& contents, QObject* parent)
    : QAbstractTableModel(parent), contents_(contents), inputColumns_(contents.inputColumns) {
    if (inputColumns_.empty()) {
        inputColumns_.resize(kInputFieldCount);
        std::iota(inputColumns_.begin(), inputColumns_.end(), 0);
    }
    shown_.resize(contents_.cases.size());
    std::iota(shown_.begin(), shown_.end(), std::uint32_t{0});
}

int CaseListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int CaseListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0
                            : static_cast<int>(contents_.labelColumns.size()) +
                                  static_cast<int>(inputColumns_.size());
}

QString CaseListModel::cell(std::size_t caseIndex, int column) const {
    const auto labelCount = static_cast<int>(contents_.labelColumns.size());
    if (column < labelCount) {
        const QStringList& labels = contents_.labels.at(caseIndex);
        return column < labels.size() ? labels[column] : QString();
    }
    const int input = inputColumns_.at(static_cast<std::size_t>(column - labelCount));
    return contents_.cases.at(caseIndex)[static_cast<std::size_t>(input)];
}

QVariant CaseListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    return cell(caseAt(index.row()), index.column());
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
    QStringList names = contents_.labelColumns;
    for (const int input : inputColumns_) {
        names << QStringLiteral("%1(%2)").arg(fromUtf8(fieldCaption(input)),
                                              fromUtf8(fieldUnit(input)));
    }
    return names;
}

bool CaseListModel::holds(std::size_t caseIndex, const QString& text) const {
    if (caseIndex < contents_.labels.size()) {
        for (const QString& label : contents_.labels[caseIndex]) {
            if (label.contains(text, Qt::CaseInsensitive)) {
                return true;
            }
        }
    }
    for (const int input : inputColumns_) {
        if (contents_.cases[caseIndex][static_cast<std::size_t>(input)].contains(
                text, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

void CaseListModel::search(const QString& text) {
    const QString wanted = text.trimmed();
    beginResetModel();
    shown_.clear();
    for (std::size_t i = 0; i < contents_.cases.size(); ++i) {
        if (wanted.isEmpty() || holds(i, wanted)) {
            shown_.push_back(static_cast<std::uint32_t>(i));
        }
    }
    endResetModel();
}

}  // namespace bithydraulics
