#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "window/case_file.h"

namespace bithydraulics {

// The cases of a file as the case chooser lists them: a row a case, numbered as in the file; the
// file's label columns (井号, well …) first, then the inputs it gives, each headed by its caption
// and unit. Cells are read from the file's contents as they are shown, so a file of 100,000 cases
// lists at once. A search shows only the cases with a cell that holds the text searched for.
class CaseListModel final : public QAbstractTableModel {
  public:
    // `contents` must outlive the model.
    explicit CaseListModel(const CaseFileContents& contents, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Shows only the cases with a cell holding `text`, case ignored; every case for a blank text.
    void search(const QString& text);
    // The file's case (0-based) on `row`.
    std::size_t caseAt(int row) const { return shown_.at(static_cast<std::size_t>(row)); }
    std::size_t caseCount() const { return contents_.cases.size(); }
    // The column headings, for whoever lists the cases other than in a view.
    QStringList columnNames() const;

  private:
    QString cell(std::size_t caseIndex, int column) const;
    bool holds(std::size_t caseIndex, const QString& text) const;

    const CaseFileContents& contents_;
    std::vector<int> inputColumns_;  // the inputs shown after the labels
    std::vector<std::uint32_t> shown_;
};

}  // namespace bithydraulics
