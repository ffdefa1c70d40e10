#pragma once

#include <QWidget>
#include <vector>

#include "behaviour/tools_answer.h"

class QPushButton;

namespace bithydraulics {

class HydraulicsForm;
class LimitsForm;
class OptimizationAnswerView;
class ToolsSession;
struct ToolsAnswer;

// 水力参数优选: the limits on the left, the answer beside and below them, recomputed as the
// limits are typed; 应用 writes the selected set into the main window. A window of its own
// beside the main one, deleted when closed.
class OptimizationWindow final : public QWidget {
    Q_OBJECT

  public:
    OptimizationWindow(HydraulicsForm& form, ToolsSession& session);

    LimitsForm& limits() const { return *limits_; }
    OptimizationAnswerView& answer() const { return *answer_; }
    QPushButton* applyButton() const { return apply_; }
    QPushButton* copySetButton() const { return copySet_; }
    QPushButton* copyButton() const { return copy_; }

    // The size that shows the limits and the whole table without scrolling; the screen may
    // allow less.
    QSize preferredSize() const;

  private:
    void showAnswer();
    void updateApply();
    void apply();

    HydraulicsForm& form_;
    ToolsSession& session_;
    LimitsForm* limits_;
    OptimizationAnswerView* answer_;
    QPushButton* copy_;
    QPushButton* copySet_;
    QPushButton* apply_;
};

}  // namespace bithydraulics
