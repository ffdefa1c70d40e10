#pragma once

class QLineEdit;
class QString;

namespace bithydraulics {

// Replaces the whole text of `field` as the user's own paste would: one step that Ctrl+Z in the
// field takes back, and an edit like any other (the field's reading mark goes with it).
void replaceTextAsEdit(QLineEdit& field, const QString& text);

}  // namespace bithydraulics
