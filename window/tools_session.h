#pragma once

#include <QObject>
#include <optional>

#include "behaviour/result_record.h"
#include "behaviour/tools_answer.h"
#include "calc/hydraulics.h"
#include "optimize/refusal.h"
#include "optimize/results.h"
#include "window/flow_chart_interface.h"

namespace bithydraulics {

class HydraulicsForm;
class WindowMemory;

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
