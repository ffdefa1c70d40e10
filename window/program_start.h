#pragma once

#include <functional>

namespace bithydraulics {

class HydraulicsForm;

// The program's life: says so in one line and returns 1 when no display can be opened, else
// starts the GUI library, shows the one window (after handing it to `beforeShowing`, if given)
// and runs the event loop until the program ends; a case file named as the first argument is
// opened in the window. Returns the exit status.
int runProgram(int& argc, char* argv[],
               const std::function<void(HydraulicsForm&)>& beforeShowing = {});

}  // namespace bithydraulics
