#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "behaviour/group_edit_record.h"

class QLineEdit;

namespace bithydraulics {

// A new text for one input field, by the field's index.
struct InputText {
    int index;
    QString text;
};

// A case that comes whole goes into the input fields as one edit (GroupEditRecord): Ctrl+Z in any
// input field, or undo() from elsewhere in the window, takes back every field it changed at once.
class InputGroupEdits final : public QObject {
  public:
    // `inputs` in field order; they must outlive this object.
    explicit InputGroupEdits(std::span<QLineEdit* const> inputs, QObject* parent = nullptr);

    // Replaces the texts of the fields named in `texts` as one edit. Fields whose text is already
    // the new one are left alone.
    void replace(std::span<const InputText> texts);

    // Takes back the last group edit if the fields still read as it left them; returns whether
    // there was one to take back.
    bool undo();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    InputTexts texts() const;

    std::vector<QLineEdit*> inputs_;
    GroupEditRecord record_;
};

}  // namespace bithydraulics
