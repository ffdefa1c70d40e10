#include "window/tools_session.h"

#include "calc/compute_command.h"
#include "optimize/optimizer.h"
#include "optimize/texts.h"
#include "platform/number_reading.h"
#include "window/chart_without_limits.h"
#include "window/flow_chart_figures.h"
#include "window/hydraulics_form.h"
#include "window/window_memory.h"

namespace bithydraulics {

ToolsSession::ToolsSession(HydraulicsForm& form, WindowMemory& memory)
    : form_(form), memory_(memory), texts_(memory.limitTexts()) {
    answer_.limits = readLimits(texts_);
    // What 运算 read is what the tools work from.
    connect(&form, &HydraulicsForm::computed, this, [this] { takeSetUp(form_.state().inputs); });
    // Figures that no longer compute leave the tools nothing to show but that.
    connect(&form, &HydraulicsForm::computeFaulted, this, &ToolsSession::loseSetUp);
    connect(&form, &HydraulicsForm::inputsEdited, this, &ToolsSession::checkStaleness);
}

void ToolsSession::readMainWindow() {
    try {
        takeSetUp(readInputs(form_.fieldArray()));
    } catch (const CalculationFault& fault) {
        loseSetUp(fault);
        form_.reportFault(fault);
    }
}

void ToolsSession::takeSetUp(const HydraulicsInputs& setUp) {
    answer_.setUp = setUp;
    answer_.readFault.reset();
    takenFrom_ = form_.inputTexts();
    answer_.setUpStale = false;
    answer_.partlyRead.reset();
    answer_.partlyReadText.clear();
    for (int i = 0; i < kInputFieldCount; ++i) {
        const std::string text = form_.fieldArray().readText(i);
        if (!readFigure(text).whole) {
            answer_.partlyRead = static_cast<std::size_t>(i);
            answer_.partlyReadText = text;
            break;
        }
    }
    recompute();
}

void ToolsSession::loseSetUp(const CalculationFault& fault) {
    answer_.setUp.reset();
    answer_.readFault = fault;
    takenFrom_ = form_.inputTexts();
    answer_.setUpStale = false;
    recompute();
}

void ToolsSession::checkStaleness() {
    const bool stale = form_.inputTexts() != takenFrom_;
    if (stale != answer_.setUpStale) {
        answer_.setUpStale = stale;
        emit changed();
    }
}

void ToolsSession::setLimitTexts(const LimitTexts& texts) {
    if (texts == texts_) {
        return;
    }
    texts_ = texts;
    memory_.rememberLimitTexts(texts_);
    recompute();
}

void ToolsSession::recompute() {
    answer_.limits = readLimits(texts_);
    answer_.result.reset();
    answer_.refusal.reset();
    answer_.fault.reset();
    if (answer_.setUp && !answer_.partlyRead && answer_.limits.problems.empty()) {
        try {
            answer_.result = optimize::optimizeHydraulics(*answer_.setUp, answer_.limits.limits);
        } catch (const optimize::OptimizationRefused& refused) {
            answer_.refusal = refused.refusal();
        } catch (const CalculationFault& fault) {
            answer_.fault = fault;
        }
    }
    emit changed();
}

FlowChartFigures ToolsSession::chartFigures() const {
    FlowChartFigures figures;
    if (!answer_.setUp) {
        figures.problem = QString::fromUtf8(kChartWithoutSetUp.data(),
                                            static_cast<qsizetype>(kChartWithoutSetUp.size())) +
                          QStringLiteral("\n") +
                          (answer_.readFault ? form_.faultText(*answer_.readFault) : QString());
        return figures;
    }
    try {
        if (!answer_.limits.problems.empty()) {
            // The curves still, without the limits until they can be used.
            const LimitProblem& problem = answer_.limits.problems.front();
            return chartWithoutLimits(*answer_.setUp, answer_.limits.limits,
                                      QString::fromStdString(limitsNotDrawnNote(problem)));
        }
        const optimize::FlowRange range =
            optimize::computeFlowRange(*answer_.setUp, answer_.limits.limits, kFlowChartSamples);
        ChartSeries series = chartSeries(*answer_.setUp, range, answer_.limits.limits,
                                         answer_.result ? &*answer_.result : nullptr);
        if (answer_.setUpStale) {
            series.note =
                std::string(kStaleSetUpNote) + (series.note.empty() ? "" : "\n") + series.note;
        }
        return flowChartFigures(series);
    } catch (const optimize::OptimizationRefused& refused) {
        figures.problem = QString::fromStdString(
            optimize::describeRefusal(refused.refusal(), optimize::Language::SimplifiedChinese));
    } catch (const CalculationFault& fault) {
        figures.problem = form_.faultText(fault);
    }
    return figures;
}

}  // namespace bithydraulics
