#pragma once

#include <optional>
#include <vector>

#include "behaviour/result_record.h"

// A case that comes whole (opened from a file, pasted, applied from the optimiser, 新建) goes into
// the input fields as one edit, and 撤销 takes back every field it changed at once. What was
// typed after it is taken back first, field by field, by the fields themselves; the whole edit
// comes next, once the fields read as it left them. This keeps the steps; each view replaces and
// restores the texts of its own fields.
namespace bithydraulics {

struct GroupEdit {
    std::vector<int> changed;  // the fields it changed, in field order
    InputTexts before;
    InputTexts after;
};

class GroupEditRecord {
  public:
    // The fields read `before` and now read `after` by one group edit. An edit that changed no
    // field is no step.
    void record(const InputTexts& before, const InputTexts& after);

    // The last group edit, taken off the record, when the fields (`current`) still read as it
    // left them; nothing when there is none or something was typed since.
    std::optional<GroupEdit> takeBack(const InputTexts& current);

  private:
    std::vector<GroupEdit> steps_;
};

}  // namespace bithydraulics
