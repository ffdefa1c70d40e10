#pragma once

class QWidget;

namespace bithydraulics {

// Esc closes the top-level `window` (a tool window or the guide), as it closes a dialog.
void closeOnEscape(QWidget& window);

}  // namespace bithydraulics
