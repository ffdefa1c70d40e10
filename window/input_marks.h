#pragma once

#include <QObject>
#include <QString>
#include <span>
#include <vector>

class QLineEdit;

namespace bithydraulics {

// Marks the input fields whose text the compute command read only in part ("15mm" reads 15,
// "1,820" reads 1, "abc" reads 0): a pale background, and the figure read in the field's
// tooltip ("读作 15"). The figures themselves do not change. A mark goes when its field's text
// is edited.
class InputMarks final : public QObject {
  public:
    // `inputs` are the eleven input fields in field order; they must outlive this object.
    explicit InputMarks(std::span<QLineEdit* const> inputs, QObject* parent = nullptr);

    // Marks each input whose text is not read whole and clears the others; run before each
    // compute command reads them.
    void markPartlyRead();

    bool isMarked(int index) const { return marks_.at(static_cast<std::size_t>(index)).marked; }

  private:
    struct Mark {
        QLineEdit* field;
        QString toolTip;  // the field's own, restored with its look when the mark goes
        bool marked = false;
    };
    void mark(Mark& mark, double read);
    static void clear(Mark& mark);

    std::vector<Mark> marks_;
};

}  // namespace bithydraulics
