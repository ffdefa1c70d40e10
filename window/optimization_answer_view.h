#pragma once

#include <QWidget>

#include "window/nozzle_set_table.h"

class QLabel;
class QSortFilterProxyModel;
class QTableView;

namespace bithydraulics {

struct ToolsAnswer;

// The optimiser's answer: why there is none, or the calibration, the operating window of the
// current nozzles, the continuous optimum with its 95 % band and the usual rounding beside it,
// and the best real sets as a table that sorts by any column and copies as tab-separated text.
class OptimizationAnswerView final : public QWidget {
    Q_OBJECT

  public:
    explicit OptimizationAnswerView(QWidget* parent = nullptr);

    // Shows `answer`; `message`, when not empty, says why part of it is missing.
    void showAnswer(const ToolsAnswer& answer, const QString& message);

    // The set of the selected row, if one is selected.
    const optimize::RankedSet* selectedSet() const;
    // Puts the table, as sorted, on the clipboard as tab-separated text.
    void copyTable() const;
    // The chosen set alone, under the table's header, as the table copies it.
    void copySelectedSet() const;

    QTableView* table() const { return table_; }
    // Every text of the answer above the table, one line each.
    QString summaryText() const;
    QString message() const;

  signals:
    void selectionChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* message_;
    QLabel* setUp_;
    QLabel* calibration_;
    QLabel* window_;
    QLabel* optimum_;
    QLabel* current_;
    QLabel* band_;
    QLabel* roundedUp_;
    NozzleSetTable* sets_;
    QSortFilterProxyModel* sorted_;
    QTableView* table_;
};

}  // namespace bithydraulics
