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

using optimize::RefusalReason;

constexpr int kPreferredTableRows = 12;  // the best sets the optimiser lists, and a little more

QString refusalText(const optimize::Refusal& refusal) {
    return QString::fromStdString(
        optimize::describeRefusal(refusal, optimize::Language::SimplifiedChinese));
}

// Why the answer is missing or incomplete, in words; empty when it is whole.
QString answerMessage(const ToolsAnswer& answer, const HydraulicsForm& form) {
    if (answer.readFault) {
        return QStringLiteral("主窗口的数据无法计算，请改正后按“运算”：") +
               form.faultText(*answer.readFault);
    }
    if (answer.partlyRead) {
        const InputQuantity& input = kInputQuantities.at(*answer.partlyRead);
        return QStringLiteral(
                   "主窗口“%1”栏的“%2”只有开头是数，不能用于标定循环压耗；"
                   "请改为一个数后按“运算”。")
            .arg(QString::fromUtf8(input.caption.data(),
                                   static_cast<qsizetype>(input.caption.size())),
                 answer.partlyReadText.toHtmlEscaped());
    }
    if (answer.setUpStale) {
        return QString::fromUtf8(kStaleSetUpNote.data(),
                                 static_cast<qsizetype>(kStaleSetUpNote.size()));
    }
    if (!answer.limits.problems.empty()) {
        const bool onlyMissing =
            std::all_of(answer.limits.problems.begin(), answer.limits.problems.end(),
                        [](const LimitProblem& problem) { return problem.missing; });
        return onlyMissing ? QStringLiteral("请填写泵允许的最高泵压，之后即可优选。")
                           : QStringLiteral("限制中有不能使用的数（已在栏旁标出），未作计算。");
    }
    if (answer.refusal) {
        return QStringLiteral("无法优选：") + refusalText(*answer.refusal).toHtmlEscaped();
    }
    if (answer.fault) {
        return QStringLiteral("计算出错：") + form.faultText(*answer.fault);
    }
    if (answer.result && answer.result->bestSets.empty()) {
        return QString::fromStdString(
                   optimize::describeNoUsableSet(*answer.result, answer.limits.limits,
                                                 optimize::Language::SimplifiedChinese))
                   .toHtmlEscaped() +
               QStringLiteral("。");
    }
    return {};
}

}  // namespace

std::vector<LimitProblem> fieldProblems(const ToolsAnswer& answer) {
    std::vector<LimitProblem> problems = answer.limits.problems;
    if (!answer.refusal) {
        return problems;
    }
    const optimize::Refusal& refusal = *answer.refusal;
    const QString reason = refusalText(refusal);
    const auto add = [&](std::optional<optimize::Setting> setting) {
        if (setting) {
            problems.push_back({*setting, reason});
        }
    };
    switch (refusal.reason) {
        case RefusalReason::SettingOutOfRange:
        case RefusalReason::SeriesNotAscending:
            add(refusal.setting);
            break;
        case RefusalReason::DepthNotPositive:
            add(optimize::Setting::VerticalDepth);
            break;
        case RefusalReason::EquivalentDensityNotAboveMud:
            add(optimize::Setting::MaxEquivalentDensity);
            break;
        case RefusalReason::JetVelocityWithoutHoleCleaning:
            add(optimize::Setting::MinAnnularVelocity);
            break;
        case RefusalReason::LimitsContradict:
            add(settingOfLimit(refusal.contradiction.lower));
            add(settingOfLimit(refusal.contradiction.upper));
            break;
        default:
            break;  // about the main window's figures, not a limit
    }
    return problems;
}

OptimizationWindow::OptimizationWindow(HydraulicsForm& form, ToolsSession& session)
    : QWidget(&form, Qt::Window),
      form_(form),
      session_(session),
      limits_(new LimitsForm(this)),
      answer_(new OptimizationAnswerView(this)),
      copy_(new QPushButton(QStringLiteral("复制表格(&C)"), this)),
      apply_(new QPushButton(QStringLiteral("应用(&A)"), this)) {
    setObjectName(QStringLiteral("optimizationWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("水力参数优选 — %1").arg(form.windowTitle()));
    apply_->setToolTip(QStringLiteral(
        "把选中一组的喷嘴直径、排量和泵压填入主窗口并运算；主窗口各栏可用 Ctrl+Z 撤销。"));
    copy_->setToolTip(QStringLiteral("把表格按当前顺序以制表符分隔复制到剪贴板。"));

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
    setTabOrder(copy_, apply_);
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
    answer_->showAnswer(answer, answerMessage(answer, form_));
}

// The main window has three nozzle fields: a set of more cannot go there, and says so.
void OptimizationWindow::updateApply() {
    const optimize::RankedSet* selected = answer_->selectedSet();
    const bool fits = selected != nullptr && selected->nozzles.count <= 3;
    apply_->setEnabled(fits);
    apply_->setToolTip(
        selected != nullptr && !fits
            ? QStringLiteral("选中的一组有 %1 个喷嘴，主窗口只有 3 个喷嘴栏，无法填入；"
                             "可用“复制表格”复制它的尺寸。")
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
