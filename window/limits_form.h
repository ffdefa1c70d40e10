#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "behaviour/limit_texts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace bithydraulics {

// The limits of the optimisation window: the seven figures with their units, the criterion, the
// number of nozzles, the series and the largest size difference in a set. Each field says in its
// tooltip what it means; a field whose text cannot be used is marked, with the reason beside it.
class LimitsForm final : public QWidget {
    Q_OBJECT

  public:
    explicit LimitsForm(QWidget* parent = nullptr);

    LimitTexts texts() const;
    // Fills the form without signalling an edit.
    void setTexts(const LimitTexts& texts);

    // Marks each field that has a problem, with its reason, and clears the others. A field left
    // empty that must be given is marked only once the user has typed in it.
    void showProblems(const std::vector<LimitProblem>& problems);
    bool isMarked(optimize::Setting setting) const { return row(setting).marked; }
    // The reason shown beside a marked field, in full.
    QString reasonAt(optimize::Setting setting) const;

    // The depth an empty 垂深 takes, shown in it; none when not known.
    void setDefaultDepth(std::optional<double> depth);

    // The field of a typed setting (kTypedSettings).
    QLineEdit* field(optimize::Setting setting) const { return row(setting).edit; }
    QComboBox* criterionBox() const { return criterion_; }
    QSpinBox* nozzleCountBox() const { return nozzleCount_; }
    QComboBox* seriesBox() const { return series_; }
    QSpinBox* spreadBox() const { return spread_; }
    // The last control Tab reaches in the form.
    QWidget* lastInTabOrder() const;

  signals:
    void edited();

  private:
    struct Row {
        QLineEdit* edit = nullptr;
        QLabel* reason = nullptr;
        QString toolTip;
        bool marked = false;
        bool typedIn = false;  // the user has typed in it since the form opened
    };
    const Row& row(optimize::Setting setting) const {
        return rows_.at(typedSettingIndex(setting).value());
    }
    Row& row(optimize::Setting setting) { return rows_.at(typedSettingIndex(setting).value()); }
    void mark(Row& row, const QString& reason);
    static void clear(Row& row);
    void reportEdit();

    std::array<Row, kTypedSettings.size()> rows_;  // by kTypedSettings
    QComboBox* criterion_;
    QSpinBox* nozzleCount_;
    QComboBox* series_;
    QSpinBox* spread_;
    bool filling_ = false;
};

}  // namespace bithydraulics
