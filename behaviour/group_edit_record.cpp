#include "behaviour/group_edit_record.h"

#include <cstddef>

namespace bithydraulics {
namespace {

// Enough for a session's cases; the oldest are forgotten first.
constexpr std::size_t kMostSteps = 50;

}  // namespace

void GroupEditRecord::record(const InputTexts& before, const InputTexts& after) {
    GroupEdit step{{}, before, after};
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] != after[i]) {
            step.changed.push_back(static_cast<int>(i));
        }
    }
    if (step.changed.empty()) {
        return;
    }
    if (steps_.size() == kMostSteps) {
        steps_.erase(steps_.begin());
    }
    steps_.push_back(std::move(step));
}

std::optional<GroupEdit> GroupEditRecord::takeBack(const InputTexts& current) {
    // Typing since the edit comes off first; a step the fields no longer show is out of reach.
    if (steps_.empty() || current != steps_.back().after) {
        return std::nullopt;
    }
    GroupEdit step = std::move(steps_.back());
    steps_.pop_back();
    return step;
}

}  // namespace bithydraulics
