#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <span>
#include <vector>

class QLineEdit;

namespace bithydraulics {

class InputGroupEdits;

// Lets the input fields take a paste of several cells: pasted into a field (Ctrl+V, Shift+Insert,
// the context menu, the middle button, a drop), a text of several cells fills that field and the
// input fields after it, one cell each (planPaste()), as one edit that Ctrl+Z takes back whole.
// Cells beyond the last input field are left out, and the note saying how many goes to `note`,
// for showing where it covers nothing. A text of one cell pastes as usual, without the line break
// a copied cell ends in.
class PasteCells final : public QObject {
  public:
    // `inputs` in their focus order, edited through `edits`; both must outlive this object.
    using NoteSink = std::function<void(const QString&)>;
    PasteCells(std::span<QLineEdit* const> inputs, InputGroupEdits& edits, NoteSink note,
               QObject* parent = nullptr);

    // Fills the inputs from index `first` on with the cells of `text`, each replacing a field's
    // whole text; notes cells left out. Returns how many fields were filled.
    int fill(int first, const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Pastes `text` into `field` at its cursor, or over it and the fields after it.
    void pasteInto(QLineEdit& field, const QString& text);
    int indexOf(const QLineEdit& field) const;

    std::vector<QLineEdit*> inputs_;
    InputGroupEdits& edits_;
    NoteSink note_;
};

}  // namespace bithydraulics
