#pragma once

namespace bithydraulics {

// Makes the texts Qt itself shows (a text field's context menu, the buttons and captions of its
// dialogs) Simplified Chinese, from Qt's own translation compiled into the program, whatever the
// system's language. Installed once into the running application; later calls do nothing.
void useChineseStandardTexts();

}  // namespace bithydraulics
