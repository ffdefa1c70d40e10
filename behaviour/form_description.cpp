#include "behaviour/form_description.h"

#include <array>

#include "calc/compute_command.h"
#include "calc/quantities.h"

namespace bithydraulics {
namespace {

// Every text field has the same size.
constexpr int kFieldWidth = 1215;
constexpr int kFieldHeight = 270;

// The input column: captions at the left, fields beside them.
constexpr int kInputCaptionLeft = 180;
constexpr int kInputCaptionWidth = 1035;
constexpr int kInputCaptionHeight = 255;
constexpr int kInputFieldLeft = 1320;

// The result column.
constexpr int kResultCaptionLeft = 3120;
constexpr int kResultCaptionWidth = 1035;
constexpr int kResultCaptionHeight = 200;
constexpr int kResultFieldLeft = 4140;

// Focus order: Command1, then Text1(0)..Text1(18), then Command2, then Text1(19).
constexpr int kComputeFocus = 0;
constexpr int kExitFocus = 20;
constexpr int kLastFieldFocus = 21;

constexpr int fieldFocus(int field) {
    return field < 19 ? field + 1 : kLastFieldFocus;
}

constexpr ControlDescription inputField(int field, int top) {
    return {ControlKind::TextField,
            "Text1",
            field,
            {kInputFieldLeft, top, kFieldWidth, kFieldHeight},
            kInputQuantities[static_cast<std::size_t>(field)].defaultText,
            fieldFocus(field)};
}

// The caption on the row of input field `field`; its own index differs from the field's.
constexpr ControlDescription inputCaption(int label, int field, int top) {
    return {ControlKind::Caption,
            "Label1",
            label,
            {kInputCaptionLeft, top, kInputCaptionWidth, kInputCaptionHeight},
            kInputQuantities[static_cast<std::size_t>(field)].caption,
            kNoFocus,
            ControlRole::None,
            field};
}

constexpr ControlDescription resultField(int field, int top) {
    return {ControlKind::TextField,
            "Text1",
            field,
            {kResultFieldLeft, top, kFieldWidth, kFieldHeight},
            kInitialResultText,
            fieldFocus(field),
            ControlRole::None,
            kNoIndex,
            true};
}

constexpr ControlDescription resultCaption(int label, int field, int top,
                                           int height = kResultCaptionHeight) {
    return {ControlKind::Caption,
            "Label1",
            label,
            {kResultCaptionLeft, top, kResultCaptionWidth, height},
            kDisplayedResults[static_cast<std::size_t>(field - kFirstResultField)].caption,
            kNoFocus,
            ControlRole::None,
            field};
}

// clang-format off
constexpr std::array kControls{
    // Input column, row by row: the field, then the caption on its row.
    inputField(0, 240), inputCaption(6, 0, 240),
    inputField(1, 510), inputCaption(1, 1, 510),
    inputField(2, 780), inputCaption(2, 2, 765),
    inputField(3, 1050), inputCaption(3, 3, 1035),
    inputField(4, 1320), inputCaption(4, 4, 1305),
    inputField(5, 1560), inputCaption(5, 5, 1575),
    inputField(6, 1860), inputCaption(7, 6, 1830),
    inputField(7, 2130), inputCaption(8, 7, 2100),
    inputField(8, 2400), inputCaption(9, 8, 2370),
    inputField(9, 2670), inputCaption(10, 9, 2640),
    inputField(10, 2940), inputCaption(18, 10, 2940),

    // Result column.
    resultField(11, 292), resultCaption(11, 11, 300),
    resultField(12, 600), resultCaption(12, 12, 630),
    resultField(13, 930), resultCaption(0, 13, 945),
    resultField(14, 1260), resultCaption(14, 14, 1275),
    resultField(15, 1590), resultCaption(15, 15, 1605),
    resultField(16, 1920), resultCaption(16, 16, 1920),
    resultField(17, 2250), resultCaption(17, 17, 2250),
    resultField(18, 2580), resultCaption(13, 18, 2580),
    resultField(19, 2880), resultCaption(19, 19, 2880, 195),

    // The two buttons.
    ControlDescription{ControlKind::Button, "Command1", kNoIndex, {2160, 3420, 1335, 375},
                       "运算", kComputeFocus, ControlRole::Compute},
    ControlDescription{ControlKind::Button, "Command2", kNoIndex, {3780, 3420, 1395, 375},
                       "退出", kExitFocus, ControlRole::Exit},
};
// clang-format on

constexpr FormDescription kHydraulicsForm{"水利参数", 6840, 3930, kControls};

}  // namespace

const FormDescription& hydraulicsFormDescription() {
    return kHydraulicsForm;
}

const ControlDescription* findControl(const FormDescription& form, std::string_view name,
                                      int index) {
    for (const ControlDescription& control : form.controls) {
        if (control.name == name && control.index == index) {
            return &control;
        }
    }
    return nullptr;
}

}  // namespace bithydraulics
