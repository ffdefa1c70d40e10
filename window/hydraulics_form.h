#pragma once

#include <QWidget>

#include "calc/compute_command.h"
#include "window/form_builder.h"
#include "window/line_edit_field_array.h"

class QCloseEvent;

namespace bithydraulics {

class FaultReporter;

// The program's one window, built from hydraulicsFormDescription(). It owns the twenty fields
// and the calculation state. Its compute button runs the compute command on the fields; a
// calculation fault goes to the fault reporter and leaves every field as it was. Its exit button
// and its close box end the program.
class HydraulicsForm final : public QWidget {
    Q_OBJECT

  public:
    explicit HydraulicsForm(FaultReporter& faults, QWidget* parent = nullptr);

    QLineEdit* field(int index) const {
        return controls_.fields.at(static_cast<std::size_t>(index));
    }
    QLabel* caption(int index) const {
        return controls_.captions.at(static_cast<std::size_t>(index));
    }
    QPushButton* computeButton() const { return controls_.compute; }
    QPushButton* exitButton() const { return controls_.exit; }
    const CalculationState& state() const { return state_; }

    // The compute button's Click.
    void compute();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    FaultReporter& faults_;
    FormControls controls_;
    LineEditFieldArray fields_;
    CalculationState state_;
};

}  // namespace bithydraulics
