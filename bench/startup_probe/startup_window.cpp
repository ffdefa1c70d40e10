// bit-hydraulics' start-up, as its entry point does it, with a probe at the first paint.
#include <memory>

#include "first_paint_probe.h"
#include "window/hydraulics_form.h"
#include "window/program_start.h"

int main(int argc, char* argv[]) {
    std::unique_ptr<FirstPaintProbe> probe;
    return bithydraulics::runProgram(argc, argv, [&probe](bithydraulics::HydraulicsForm& form) {
        probe = std::make_unique<FirstPaintProbe>(form);
    });
}
