#pragma once

#include <optional>

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "optimize/results.h"

class QAbstractItemModel;

namespace bithydraulics {

// The best real nozzle sets as a table, best first: the rank, sizes in 1/32 in and mm, the total
// nozzle area, flow rate, predicted
// pump pressure and power, the program's figures at the bit and in the annulus as the main window
// shows them, the equivalent density, the share of the optimum and the limit that holds the
// flow rate. Each cell sorts by its figure (Qt::UserRole), the sizes by the nozzle area.
class NozzleSetTable final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        Rank,
        SizesInch,
        SizesMm,
        NozzleArea,
        FlowRate,
        PumpPressure,
        PumpPower,
        BitPressureDrop,
        BitHydraulicPower,
        SpecificHydraulicPower,
        ImpactForce,
        JetVelocity,
        AnnularVelocityPipe,
        EquivalentDensity,
        ShareOfOptimum,
        HoldingLimit,
        ColumnCount
    };
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setSets(std::vector<optimize::RankedSet> sets);
    const optimize::RankedSet& set(int row) const {
        return sets_.at(static_cast<std::size_t>(row));
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct Row {
        QStringList texts;
        QList<double> keys;
    };
    std::vector<optimize::RankedSet> sets_;
    std::vector<Row> rows_;
};

// The table as shown, in its order, as tab-separated text: the header (each caption on one
// line), then a line a row; only row `onlyRow` when one is given.
QString tabSeparated(const QAbstractItemModel& table, std::optional<int> onlyRow = std::nullopt);

}  // namespace bithydraulics
