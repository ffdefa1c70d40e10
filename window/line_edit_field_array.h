#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/compute_command.h"

class QLineEdit;

namespace bithydraulics {

// The compute command's field array over the window's twenty text fields; texts are UTF-8.
class LineEditFieldArray final : public FieldArray {
  public:
    explicit LineEditFieldArray(const std::array<QLineEdit*, kFieldCount>& fields);
    std::string readText(int index) const override;
    void replaceText(int index, std::string_view text) override;

  private:
    QLineEdit& field(int index) const;

    std::array<QLineEdit*, kFieldCount> fields_;
};

}  // namespace bithydraulics
