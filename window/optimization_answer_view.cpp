#include "window/optimization_answer_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "behaviour/answer_texts.h"
#include "behaviour/nozzle_choice.h"
#include "window/tools_session.h"

namespace bithydraulics {
namespace {

QLabel* answerLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Wrapped, so that a long line does not set the window's least width.
    label->setWordWrap(true);
    return label;
}

}  // namespace

OptimizationAnswerView::OptimizationAnswerView(QWidget* parent)
    : QWidget(parent),
      message_(new QLabel(this)),
      setUp_(answerLabel(this)),
      calibration_(answerLabel(this)),
      window_(answerLabel(this)),
      optimum_(answerLabel(this)),
      current_(answerLabel(this)),
      band_(answerLabel(this)),
      roundedUp_(answerLabel(this)),
      sets_(new NozzleSetTable(this)),
      sorted_(new QSortFilterProxyModel(this)),
      table_(new QTableView(this)) {
    message_->setObjectName(QStringLiteral("answerMessage"));
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::RichText);
    message_->hide();
    window_->setWordWrap(true);

    auto* summary = new QFormLayout();
    summary->addRow(QStringLiteral("主窗口数据"), setUp_);
    summary->addRow(QStringLiteral("循环压耗"), calibration_);
    summary->addRow(QStringLiteral("当前喷嘴工作范围"), window_);
    summary->addRow(QStringLiteral("理论最优"), optimum_);
    summary->addRow(QStringLiteral("当前喷嘴"), current_);
    summary->addRow(QStringLiteral("95% 范围"), band_);
    summary->addRow(QStringLiteral("常规取整"), roundedUp_);

    sorted_->setSourceModel(sets_);
    sorted_->setSortRole(NozzleSetTable::kSortRole);
    table_->setModel(sorted_);
    table_->setObjectName(QStringLiteral("nozzleSets"));
    table_->setAccessibleName(QStringLiteral("优选喷嘴组合"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One stop of the window's Tab order; the arrow keys move within it.
    table_->setTabKeyNavigation(false);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    // Every column as wide as its figures: a narrow window scrolls the table rather than cut a
    // figure short.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table_->setTextElideMode(Qt::ElideNone);
    // The library's ranking until the user sorts by a column.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    // Ctrl+C copies the whole table, not the table view's current cell.
    table_->installEventFilter(this);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &OptimizationAnswerView::selectionChanged);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(message_);
    layout->addLayout(summary);
    layout->addWidget(table_, 1);
}

void OptimizationAnswerView::showAnswer(const ToolsAnswer& answer, const QString& message) {
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
    setUp_->setText(answer.setUp ? QString::fromStdString(setUpText(*answer.setUp))
                                 : QStringLiteral("—"));
    const optimize::OptimizationResult* result = answer.result ? &*answer.result : nullptr;
    calibration_->setText(result ? QString::fromStdString(calibrationText(result->calibration))
                                 : QStringLiteral("—"));
    window_->setText(result ? QString::fromStdString(operatingWindowText(result->currentWindow))
                            : QStringLiteral("—"));
    optimum_->setText(result ? QString::fromStdString(optimumText(*result)) : QStringLiteral("—"));
    const std::string current =
        result && answer.setUp ? currentAgainstOptimumText(*answer.setUp, *result) : std::string();
    current_->setText(current.empty() ? QStringLiteral("—") : QString::fromStdString(current));
    band_->setText(result ? QString::fromStdString(bandText(result->optimum.band95))
                          : QStringLiteral("—"));
    const std::string roundedUp = result ? roundedUpText(*result) : std::string();
    roundedUp_->setText(roundedUp.empty() ? QStringLiteral("—")
                                          : QString::fromStdString(roundedUp));
    // The chosen set stays chosen when the answer is computed again (after 应用 above all, so
    // that a second 应用 does not write another set); otherwise the best is.
    const optimize::RankedSet* chosen = selectedSet();
    const std::optional<optimize::NozzleSet> kept =
        chosen != nullptr ? std::optional(chosen->nozzles) : std::nullopt;
    sets_->setSets(result ? result->bestSets : std::vector<optimize::RankedSet>{});
    const std::optional<std::size_t> same =
        kept ? findSet(result ? result->bestSets : std::vector<optimize::RankedSet>{}, *kept)
             : std::nullopt;
    // A series in mm has no sizes in 1/32 in to show.
    const bool inMillimetres = result && !result->bestSets.empty() &&
                               result->bestSets.front().nozzles.thirtySecondsInch[0] == 0;
    table_->setColumnHidden(NozzleSetTable::SizesInch, inMillimetres);
    if (same) {
        table_->selectRow(sorted_->mapFromSource(sets_->index(static_cast<int>(*same), 0)).row());
    } else if (sorted_->rowCount() > 0) {
        table_->selectRow(0);
    }
    emit selectionChanged();
}

const optimize::RankedSet* OptimizationAnswerView::selectedSet() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return nullptr;
    }
    return &sets_->set(sorted_->mapToSource(rows.front()).row());
}

void OptimizationAnswerView::copyTable() const {
    QApplication::clipboard()->setText(tabSeparated(*sorted_));
}

void OptimizationAnswerView::copySelectedSet() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        QApplication::clipboard()->setText(tabSeparated(*sorted_, rows.front().row()));
    }
}

QString OptimizationAnswerView::summaryText() const {
    return QStringList{setUp_->text(),   calibration_->text(), window_->text(),   optimum_->text(),
                       current_->text(), band_->text(),        roundedUp_->text()}
        .join('\n');
}

bool OptimizationAnswerView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copyTable();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QString OptimizationAnswerView::message() const {
    return message_->text();
}

}  // namespace bithydraulics
