#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <array>

#include "calc/compute_command.h"
#include "behaviour/form_description.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Turns a window description into Qt widgets at fixed places; nothing is laid out again later.
namespace bithydraulics {

// The controls of a built window, by index and by role. The widgets belong to the window.
struct FormControls {
    std::array<QLineEdit*, kFieldCount> fields{};  // Text1(0..19)
    std::array<QLabel*, kFieldCount> captions{};   // Label1(0..19)
    QPushButton* compute = nullptr;                // the button whose role is Compute
    QPushButton* exit = nullptr;                   // the button whose role is Exit
};

// A rectangle in twips as device-independent pixels.
QRect toPixels(const TwipsRect& bounds);

// The window's font: WenQuanYi Micro Hei at 9 points, the same on every machine, from the
// cut-down copy compiled into the program (registered on the first call).
QFont windowFont();

// Makes the window's font that of `window` and of the application (tooltips, menus, dialogs).
void useWindowFont(QWidget& window);

// The description's client area in device-independent pixels.
QSize clientSize(const FormDescription& form);

// Sizes `clientArea` as the description's client area, creates every control as its child,
// links each caption to the field on its row (QLabel::setBuddy) and chains the focus order. Each
// field's accessible name is its caption and its tooltip names its quantity and unit.
FormControls buildForm(QWidget& clientArea, const FormDescription& form);

// The widget name of a control: "Text1(3)", "Command1".
QString controlObjectName(const ControlDescription& control);

}  // namespace bithydraulics
