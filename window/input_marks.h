#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc/compute_command.h"

class QLineEdit;

namespace bithydraulics {

// Marks the input fields whose text the compute command read only in part (partlyReadNote()):
// a pale background, and the figure read in the field's tooltip ("读作 15"). The figures themselves
// do not change. A mark goes when its field's text is edited.
class InputMarks final : public QObject {
  public:
    // `inputs` are the eleven input fields in field order; they must outlive this object.
    explicit InputMarks(std::span<QLineEdit* const> inputs, QObject* parent = nullptr);

    // Marks each input that has a note (runComputeAction()) and clears the others.
    void show(const std::array<std::optional<std::string>, kInputFieldCount>& notes);

    bool isMarked(int index) const { return marks_.at(static_cast<std::size_t>(index)).marked; }

  private:
    struct Mark {
        QLineEdit* field;
        QString toolTip;  // the field's own, restored with its look when the mark goes
        bool marked = false;
    };
    void mark(Mark& mark, const QString& note);
    static void clear(Mark& mark);

    std::vector<Mark> marks_;
};

}  // namespace bithydraulics
