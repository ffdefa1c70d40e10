#pragma once

namespace bithydraulics {

// Ends the program at once: the event loop returns and nothing further is asked or saved.
void endProgram();

}  // namespace bithydraulics
