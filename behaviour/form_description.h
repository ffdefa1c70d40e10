#pragma once

#include <span>
#include <string_view>

// The window as data: every control's kind, name, place and initial text, in twips (1/1440 inch)
// measured from the top left corner of the client area. The window is built from this alone,
// and the tests read it too.
namespace bithydraulics {

// 1440 twips an inch at 96 device-independent pixels an inch.
inline constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel to a measure in twips.
constexpr int twipsToPixels(int twips) {
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -(kTwipsPerPixel / 2))) / kTwipsPerPixel;
}

enum class ControlKind {
    TextField,  // single-line, left-aligned; takes focus
    Caption,    // static text, left-aligned, no border; takes no focus
    Button,     // push button; neither default nor cancel
};

// What a button's Click does.
enum class ControlRole { None, Compute, Exit };

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kNoIndex = -1;  // a lone control, not part of a control array
inline constexpr int kNoFocus = -1;  // a control outside the focus order

struct ControlDescription {
    ControlKind kind;
    std::string_view name;  // "Text1", "Label1", "Command1", "Command2"
    int index;              // place in its control array, or kNoIndex
    TwipsRect bounds;
    std::string_view text;  // initial text or caption, UTF-8
    int focusOrder;         // 0 takes the focus first; kNoFocus for captions
    ControlRole role = ControlRole::None;
    int captionOf = kNoIndex;  // a caption: the index of the field on its row
    // A text field that only the program writes: selectable and copyable, not typed into.
    bool readOnly = false;
};

struct FormDescription {
    std::string_view caption;  // the window's title, UTF-8
    int clientWidth;           // twips
    int clientHeight;          // twips
    std::span<const ControlDescription> controls;
};

// The one window of the program.
const FormDescription& hydraulicsFormDescription();

// The control named `name` with index `index` (kNoIndex for a lone control), or nullptr.
const ControlDescription* findControl(const FormDescription& form, std::string_view name,
                                      int index = kNoIndex);

}  // namespace bithydraulics
