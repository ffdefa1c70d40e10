#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace bithydraulics {

class CaseListModel;

// The case chooser: the cases of a file in a table that scrolls, with a search field above it.
// Typing in the search field narrows the list at once; Enter or a double click takes the case
// chosen, Esc takes none. The first case listed is chosen to start with.
class CaseChooser final : public QDialog {
  public:
    CaseChooser(QWidget& parent, const QString& question, CaseListModel& cases);

    // The file's case (0-based) chosen, if one is.
    std::optional<std::size_t> chosenCase() const;

    QLineEdit* searchField() const { return search_; }
    QTableView* table() const { return table_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void search(const QString& text);

    CaseListModel& cases_;
    QLineEdit* search_;
    QTableView* table_;
    QLabel* count_;
    QPushButton* open_ = nullptr;
};

}  // namespace bithydraulics
