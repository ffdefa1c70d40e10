#pragma once

#include <functional>
#include <string>

#include "behaviour/case_document.h"

// Before the inputs go (another case opened, 新建, the program closed): whether a changed case
// file must first be saved, in the words every window puts it.
namespace bithydraulics {

// The answers to "save the changed case first?".
enum class UnsavedAnswer { Save, Discard, Cancel };

// The question as the user reads it; buttons carry their access keys.
struct UnsavedQuestion {
    std::string question;     // 算例“算例.csv”已改动，是否保存？
    std::string consequence;  // what 不保存 means
    std::string saveButton;
    std::string discardButton;
    std::string cancelButton;
};

// The question about the case file at `path`, named by its file name.
UnsavedQuestion unsavedQuestion(std::string_view path);

// Whether the inputs may go: at once when nothing is unsaved; else as the user answers `ask`.
// On 保存, `save` saves as 保存 does (it may ask for a name and may fail), and they go only once
// `inputs()` is what the file holds.
bool mayLetInputsGo(const CaseDocument& document, const std::function<InputTexts()>& inputs,
                    const std::function<UnsavedAnswer(const UnsavedQuestion&)>& ask,
                    const std::function<void()>& save);

}  // namespace bithydraulics
