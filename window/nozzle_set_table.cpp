#include "window/nozzle_set_table.h"

#include "behaviour/answer_texts.h"
#include "calc/compute_command.h"
#include "calc/field_text.h"
#include "calc/quantities.h"
#include "optimize/texts.h"

namespace bithydraulics {
namespace {

// Captions over their units, broken, so that the columns stay narrow.
constexpr const char* kHeaders[NozzleSetTable::ColumnCount] = {
    "排名",
    "喷嘴\n1/32 英寸",
    "喷嘴\nmm",
    "喷嘴\n总面积\nmm²",
    "排量\nL/s",
    "泵压\nMPa",
    "泵功率\nkW",
    "钻头\n压降\nMPa",
    "钻头\n水功率\nkW",
    "比水\n功率\nW/mm²",
    "冲击力\nN",
    "喷射\n速度\nm/s",
    "上返\n速度1\nm/s",
    "当量循环\n密度\ng/cm³",
    "占最优",
    "受限于",
};

QString fixed(double value) {
    return QString::fromStdString(formatFixed2(value));
}

}  // namespace

void NozzleSetTable::setSets(std::vector<optimize::RankedSet> sets) {
    beginResetModel();
    sets_ = std::move(sets);
    rows_.clear();
    for (std::size_t i = 0; i < sets_.size(); ++i) {
        const optimize::RankedSet& set = sets_[i];
        const optimize::OperatingPoint& point = set.point;
        const HydraulicsResults& figures = point.results;
        // The main window's own texts for the program's figures.
        ResultTexts shown;
        try {
            shown = formResultTexts(figures);
        } catch (const CalculationFault&) {
            shown.fill("—");
        }
        const auto result = [&](std::string_view name) {
            for (std::size_t r = 0; r < kDisplayedResults.size(); ++r) {
                if (kDisplayedResults[r].name == name) {
                    return QString::fromStdString(shown[r]);
                }
            }
            return QString();
        };
        const std::string_view limit =
            optimize::limitName(set.limit, optimize::Language::SimplifiedChinese);
        Row row;
        row.texts = {QString::number(i + 1),
                     QString::fromStdString(nozzleSizesInch(set.nozzles)),
                     QString::fromStdString(nozzleSizesMm(set.nozzles)),
                     fixed(figures.nozzleArea),
                     fixed(point.flowRate()),
                     fixed(point.pumpPressure()),
                     fixed(point.pumpPower),
                     result("bitPressureDrop"),
                     result("bitHydraulicPower"),
                     result("specificHydraulicPower"),
                     result("impactForce"),
                     result("jetVelocity"),
                     result("annularVelocityPipe"),
                     QString::number(point.equivalentDensity, 'f', 3),
                     QString::number(set.shareOfOptimum * 100, 'f', 1) + QStringLiteral("%"),
                     QString::fromUtf8(limit.data(), static_cast<qsizetype>(limit.size()))};
        row.keys = {static_cast<double>(i + 1),
                    figures.nozzleArea,
                    figures.nozzleArea,
                    figures.nozzleArea,
                    point.flowRate(),
                    point.pumpPressure(),
                    point.pumpPower,
                    figures.bitPressureDrop,
                    figures.bitHydraulicPower,
                    figures.specificHydraulicPower,
                    figures.impactForce,
                    figures.jetVelocity,
                    figures.annularVelocityPipe,
                    point.equivalentDensity,
                    set.shareOfOptimum,
                    static_cast<double>(set.limit)};
        rows_.push_back(std::move(row));
    }
    endResetModel();
}

int NozzleSetTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int NozzleSetTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NozzleSetTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return row.texts.at(index.column());
        case kSortRole:
            return row.keys.at(index.column());
        case Qt::TextAlignmentRole:
            return index.column() == HoldingLimit ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                  : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant NozzleSetTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QString::fromUtf8(kHeaders[section]);
}

QString tabSeparated(const QAbstractItemModel& table, std::optional<int> onlyRow) {
    QStringList lines;
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column) {
        const QString caption =
            table.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        // "钻头水功率 (kW)": the caption's lines joined, the unit apart.
        const qsizetype unit = caption.lastIndexOf('\n');
        cells << (unit < 0 ? caption
                           : QString(caption.left(unit)).remove('\n') + QStringLiteral(" (") +
                                 caption.mid(unit + 1) + ')');
    }
    lines << cells.join('\t');
    for (int row = 0; row < table.rowCount(); ++row) {
        if (onlyRow && row != *onlyRow) {
            continue;
        }
        cells.clear();
        for (int column = 0; column < table.columnCount(); ++column) {
            cells << table.index(row, column).data(Qt::DisplayRole).toString();
        }
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

}  // namespace bithydraulics
