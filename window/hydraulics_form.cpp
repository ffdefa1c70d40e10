#include "window/hydraulics_form.h"

#include <QCloseEvent>
#include <QPushButton>

#include "platform/ui/fault_report.h"
#include "platform/ui/program_end.h"
#include "window/form_description.h"
#include "window/quantity_captions.h"

namespace bithydraulics {

HydraulicsForm::HydraulicsForm(FaultReporter& faults, QWidget* parent)
    : QWidget(parent),
      faults_(faults),
      controls_(buildForm(*this, hydraulicsFormDescription())),
      fields_(controls_.fields) {
    connect(controls_.compute, &QPushButton::clicked, this, &HydraulicsForm::compute);
    connect(controls_.exit, &QPushButton::clicked, this, [] { endProgram(); });
}

void HydraulicsForm::compute() {
    try {
        runComputeCommand(fields_, state_);
    } catch (const CalculationFault& fault) {
        // The command wrote nothing; the user's figures stay for correcting.
        faults_.report(*this, fault, quantityCaption(fault.quantity()));
    }
}

void HydraulicsForm::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}

}  // namespace bithydraulics
