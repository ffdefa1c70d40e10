#pragma once

#include <QObject>
#include <QStringList>
#include <span>
#include <vector>

class QLineEdit;

namespace bithydraulics {

class InputGroupEdits;

// The cells of a pasted text, as a spreadsheet puts a row, a column or a block of cells on the
// clipboard: cells end at tabs and line breaks, row after row, and the line break that ends the
// last row is not a cell of its own. A text without either is one cell.
QStringList pastedCells(const QString& text);

// Lets the input fields take a paste of several cells: pasted into a field (Ctrl+V, Shift+Insert,
// the context menu, the middle button, a drop), a text of several cells fills that field and the
// input fields after it, one cell each, as one edit that Ctrl+Z takes back whole. Cells beyond the
// last input field are left out, and a short note by the field says how many. A text of one cell
// pastes as usual, without the line break a copied cell ends in.
class PasteCells final : public QObject {
  public:
    // `inputs` in their focus order, edited through `edits`; both must outlive this object.
    PasteCells(std::span<QLineEdit* const> inputs, InputGroupEdits& edits,
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
};

}  // namespace bithydraulics
