#include "window/line_edit_field_array.h"

#include <QLineEdit>

namespace bithydraulics {

LineEditFieldArray::LineEditFieldArray(const std::array<QLineEdit*, kFieldCount>& fields)
    : fields_(fields) {}

QLineEdit& LineEditFieldArray::field(int index) const {
    return *fields_.at(static_cast<std::size_t>(index));
}

std::string LineEditFieldArray::readText(int index) const {
    return field(index).text().toStdString();
}

void LineEditFieldArray::replaceText(int index, std::string_view text) {
    QLineEdit& target = field(index);
    target.setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    // Shown from its start, as a freshly set text box shows it: a result longer than its field
    // keeps its sign and leading digits in view.
    target.setCursorPosition(0);
}

}  // namespace bithydraulics
