#include "window/field_editing.h"

#include <QLineEdit>

namespace bithydraulics {

void replaceTextAsEdit(QLineEdit& field, const QString& text) {
    // setText() would empty the field's undo history; inserting over a full selection is
    // recorded like typing.
    field.selectAll();
    field.insert(text);
    field.setCursorPosition(0);
}

}  // namespace bithydraulics
