#pragma once

#include <string_view>

// Whether the result fields still show what the input fields compute. They go stale when an
// input is edited, a case is opened or pasted, or 运算 meets a fault, and are fresh again after
// the next 运算. A window keeps stale results on screen but shows them as such.
namespace bithydraulics {

// What a stale result field's tooltip says.
inline constexpr std::string_view kStaleResultNote = "输入已改动，按 运算 更新";

class StaleResults {
  public:
    // Before the first 运算 the result fields hold no results at all, so nothing is stale.
    bool stale() const { return stale_; }

    // 运算 wrote the results of the inputs as they stand.
    void computed() {
        computed_ = true;
        stale_ = false;
    }
    // An input changed or 运算 failed: what the results show no longer holds. Returns whether
    // this made them stale (so the window redraws them once).
    bool inputsChanged() {
        const bool was = stale_;
        stale_ = computed_;
        return stale_ != was;
    }

  private:
    bool computed_ = false;
    bool stale_ = false;
};

}  // namespace bithydraulics
