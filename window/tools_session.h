#pragma once

#include <QObject>
#include <optional>

#include "behaviour/result_record.h"
#include "calc/hydraulics.h"
#include "optimize/refusal.h"
#include "optimize/results.h"
#include "window/flow_chart_interface.h"
#include "window/limit_texts.h"

namespace bithydraulics {

class HydraulicsForm;
class WindowMemory;

// What the tools show, all from one reading of the main window and one set of limits.
struct ToolsAnswer {
    // The main window's eleven figures as the compute command read them; none when reading
    // them faulted (`readFault`).
    std::optional<HydraulicsInputs> setUp;
    std::optional<CalculationFault> readFault;
    // The main window's inputs no longer read as they did when `setUp` was taken: everything
    // below belongs to the figures of the last 运算.
    bool setUpStale = false;
    // The first input field whose text was read only in part ("13,5" as 13, "3O" as 3), and that
    // text: the reading calibrates the losses, so nothing is optimised from it.
    std::optional<std::size_t> partlyRead;
    QString partlyReadText;
    LimitsReading limits;
    // With a set-up and limits that read: the optimiser's answer, or its refusal, or the fault
    // its arithmetic met.
    std::optional<optimize::OptimizationResult> result;
    std::optional<optimize::Refusal> refusal;
    std::optional<CalculationFault> fault;
};

// The tools' shared state: the main window's figures, read when a tool opens and after each 运算
// there, and the limits typed in the optimisation window, remembered between runs. Any change
// computes the answer again (the optimiser takes a few milliseconds at most) and says so.
class ToolsSession final : public QObject {
    Q_OBJECT

  public:
    ToolsSession(HydraulicsForm& form, WindowMemory& memory);

    // Reads the main window's figures as the compute command does; a fault is reported as the
    // compute command reports it.
    void readMainWindow();

    const LimitTexts& limitTexts() const { return texts_; }
    void setLimitTexts(const LimitTexts& texts);

    const ToolsAnswer& answer() const { return answer_; }

    // The flow-rate chart of the current nozzles, with the limits and the optimum.
    FlowChartFigures chartFigures() const;

  signals:
    void changed();

  private:
    void takeSetUp(const HydraulicsInputs& setUp);
    void loseSetUp(const CalculationFault& fault);
    void checkStaleness();
    void recompute();

    HydraulicsForm& form_;
    WindowMemory& memory_;
    LimitTexts texts_;
    InputTexts takenFrom_;  // the main window's input texts that `answer_.setUp` was read from
    ToolsAnswer answer_;
};

}  // namespace bithydraulics
