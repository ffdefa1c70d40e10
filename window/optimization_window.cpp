#include "window/optimization_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/quantities.h"
#include "optimize/texts.h"
#include "window/hydraulics_form.h"
#include "window/limits_form.h"
#include "window/nozzle_set_apply.h"
#include "window/optimization_answer_view.h"
#include "window/tools_session.h"

namespace bithydraulics {
namespace {

constexpr int kPreferredTableRows = 12;  // the best sets the optimiser lists, and a little more

// The answer's message as the answer view shows it: rich text, a fault's report worded with the
// main window's fields.
QString answerMessageText(const ToolsAnswer& answer, const HydraulicsForm& form) {
    const AnswerMessage message = answerMessage(answer);
    return QString::fromStdString(message.text).toHtmlEscaped() +
           (message.fault ? form.faultText(*message.fault) : QString());
}

}  // namespace

OptimizationWindow::OptimizationWindow(HydraulicsForm& form, ToolsSession& session)
    : QWidget(&form, Qt::Window),
      form_(form),
      session_(session),
      limits_(new LimitsForm(this)),
      answer_(new OptimizationAnswerView(this)),
      copy_(new QPushButton(QStringLiteral("复制表格(&C)"), this)),
      copySet_(new QPushButton(QStringLiteral("复制所选组合(&S)"), this)),
      apply_(new QPushButton(QStringLiteral("应用(&A)"), this)) {
    setObjectName(QStringLiteral("optimizationWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("水力参数优选 — %1").arg(form.windowTitle()));
    apply_->setToolTip(QStringLiteral(
        "把选中一组的喷嘴直径、排量和泵压填入主窗口并运算；主窗口各栏可用 Ctrl+Z 撤销。"));
    copy_->setToolTip(QStringLiteral("把表格按当前顺序以制表符分隔复制到剪贴板。"));
    copySet_->setToolTip(
        QStringLiteral("把选中的一组（喷嘴尺寸及其各项数值）连同表头复制到剪贴板。"));

    // On a short screen the limits scroll rather than push the buttons off it.
    auto* limitsBox = new QGroupBox(QStringLiteral("限制"), this);
    auto* limitsScroll = new QScrollArea(limitsBox);
    limitsScroll->setWidget(limits_);
    limitsScroll->setWidgetResizable(true);
    limitsScroll->setFrameShape(QFrame::NoFrame);
    // The form is one Tab stop per field, not one for the area around it.
    limitsScroll->setFocusPolicy(Qt::NoFocus);
    // As wide as the form where the screen has room; on a narrow one (a large scale) at most two
    // fifths of it, the rest reached by scrolling, so that the window still fits.
    const int wanted =
        limits_->minimumSizeHint().width() + limitsScroll->verticalScrollBar()->sizeHint().width();
    const int room =
        form.screen() != nullptr ? form.screen()->availableGeometry().width() * 2 / 5 : wanted;
    limitsScroll->setHorizontalScrollBarPolicy(wanted > room ? Qt::ScrollBarAsNeeded
                                                             : Qt::ScrollBarAlwaysOff);
    limitsScroll->setMinimumWidth(std::min(wanted, room));
    (new QVBoxLayout(limitsBox))->addWidget(limitsScroll);
    auto* answerBox = new QGroupBox(QStringLiteral("优选结果"), this);
    (new QVBoxLayout(answerBox))->addWidget(answer_);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(copy_);
    buttons->addWidget(copySet_);
    buttons->addStretch(1);
    buttons->addWidget(apply_);
    buttons->addWidget(close);

    auto* columns = new QHBoxLayout();
    columns->addWidget(limitsBox, 0);
    columns->addWidget(answerBox, 1);
    auto* layout = new QVBoxLayout(this);
    // Narrow margins: at a large scale every pixel of a laptop's height is needed.
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    // Tab: the limits, the table as one stop, then the buttons left to right.
    setTabOrder(limits_->lastInTabOrder(), answer_->table());
    setTabOrder(answer_->table(), copy_);
    setTabOrder(copy_, copySet_);
    setTabOrder(copySet_, apply_);
    setTabOrder(apply_, close);
    close->setObjectName(QStringLiteral("closeButton"));
    // The window opens with the first limit ready for typing.
    limits_->field(optimize::Setting::MaxPressure)->setFocus();
    setAccessibleName(windowTitle());

    limits_->setTexts(session.limitTexts());
    connect(limits_, &LimitsForm::edited, this,
            [this] { session_.setLimitTexts(limits_->texts()); });
    connect(&session, &ToolsSession::changed, this, &OptimizationWindow::showAnswer);
    connect(answer_, &OptimizationAnswerView::selectionChanged, this,
            &OptimizationWindow::updateApply);
    connect(apply_, &QPushButton::clicked, this, &OptimizationWindow::apply);
    connect(copy_, &QPushButton::clicked, answer_, &OptimizationAnswerView::copyTable);
    connect(copySet_, &QPushButton::clicked, answer_, &OptimizationAnswerView::copySelectedSet);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    showAnswer();
}

QSize OptimizationWindow::preferredSize() const {
    // The whole table beside the limits, and the limits without scrolling.
    const QTableView& table = *answer_->table();
    const int tableWidth = table.horizontalHeader()->length() + 2 * table.frameWidth() +
                           table.verticalScrollBar()->sizeHint().width();
    const int tableHeight = table.horizontalHeader()->sizeHint().height() +
                            kPreferredTableRows * table.verticalHeader()->defaultSectionSize() +
                            2 * table.frameWidth();
    const QSize hint = sizeHint();
    return {hint.width() - table.sizeHint().width() + tableWidth,
            std::max(hint.height(), hint.height() - table.sizeHint().height() + tableHeight)};
}

void OptimizationWindow::showAnswer() {
    const ToolsAnswer& answer = session_.answer();
    limits_->showProblems(fieldProblems(answer));
    limits_->setDefaultDepth(answer.result ? std::optional(answer.result->calibration.verticalDepth)
                                           : std::nullopt);
    answer_->showAnswer(answer, answerMessageText(answer, form_));
}

// The main window has three nozzle fields: a set of more cannot go there, and says so.
void OptimizationWindow::updateApply() {
    const optimize::RankedSet* selected = answer_->selectedSet();
    const bool fits = selected != nullptr && selected->nozzles.count <= 3;
    copySet_->setEnabled(selected != nullptr);
    apply_->setEnabled(fits);
    apply_->setToolTip(
        selected != nullptr && !fits
            ? QStringLiteral("选中的一组有 %1 个喷嘴，主窗口只有 3 个喷嘴栏，无法填入；"
                             "可用“复制所选组合”复制它的尺寸。")
                  .arg(selected->nozzles.count)
            : QStringLiteral("把选中一组的喷嘴直径、排量和泵压填入主窗口并运算；"
                             "主窗口各栏可用 Ctrl+Z 撤销。"));
}

void OptimizationWindow::apply() {
    const optimize::RankedSet* selected = answer_->selectedSet();
    if (selected == nullptr || selected->nozzles.count > 3) {
        return;
    }
    // The answer is computed again from what 运算 reads, which replaces the selected row.
    const optimize::RankedSet set = *selected;
    applyNozzleSet(form_, set);
}

}  // namespace bithydraulics
