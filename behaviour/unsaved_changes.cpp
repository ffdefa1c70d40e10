#include "behaviour/unsaved_changes.h"

namespace bithydraulics {

UnsavedQuestion unsavedQuestion(std::string_view path) {
    return {"算例“" + std::string(fileNameOf(path)) + "”已改动，是否保存？",
            "不保存，改动就会丢失。", "保存(&S)", "不保存(&N)", "取消"};
}

bool mayLetInputsGo(const CaseDocument& document, const std::function<InputTexts()>& inputs,
                    const std::function<UnsavedAnswer(const UnsavedQuestion&)>& ask,
                    const std::function<void()>& save) {
    if (!document.mustAsk(inputs())) {
        return true;
    }
    switch (ask(unsavedQuestion(document.path()))) {
        case UnsavedAnswer::Save:
            save();
            return !document.changed(inputs());  // not saved: the figures stay
        case UnsavedAnswer::Discard:
            return true;
        case UnsavedAnswer::Cancel:
            return false;
    }
    return false;
}

}  // namespace bithydraulics
