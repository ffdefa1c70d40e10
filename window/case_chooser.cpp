#include "window/case_chooser.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "window/case_list_model.h"

namespace bithydraulics {
namespace {

// Column widths come from this many rows around the top, not from every case of a large file.
constexpr int kRowsMeasured = 200;

}  // namespace

CaseChooser::CaseChooser(QWidget& parent, const QString& question, CaseListModel& cases)
    : QDialog(&parent),
      cases_(cases),
      search_(new QLineEdit(this)),
      table_(new QTableView(this)),
      count_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("选择算例"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(question, this));

    search_->setPlaceholderText(QStringLiteral("搜索：井号、数值…"));
    search_->setClearButtonEnabled(true);
    search_->setAccessibleName(QStringLiteral("搜索算例"));
    layout->addWidget(search_);

    table_->setModel(&cases_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setTabKeyNavigation(false);
    table_->setAccessibleName(QStringLiteral("算例"));
    // Rows of one height: the view places 100,000 of them without measuring each.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setResizeContentsPrecision(kRowsMeasured);
    table_->resizeColumnsToContents();
    layout->addWidget(table_, 1);
    layout->addWidget(count_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    open_ = buttons->button(QDialogButtonBox::Ok);
    open_->setText(QStringLiteral("打开"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(search_, &QLineEdit::textChanged, this, &CaseChooser::search);
    // Up and down in the search field move through the list, as in a search box of a list.
    search_->installEventFilter(this);

    search(QString());
    search_->setFocus();
    resize(760, 460);
}

void CaseChooser::search(const QString& text) {
    cases_.search(text);
    const int shown = cases_.rowCount();
    if (shown > 0) {
        table_->selectRow(0);
    }
    count_->setText(
        text.trimmed().isEmpty()
            ? QStringLiteral("共 %1 个算例").arg(cases_.caseCount())
            : QStringLiteral("找到 %1 个，共 %2 个算例").arg(shown).arg(cases_.caseCount()));
    open_->setEnabled(shown > 0);
}

bool CaseChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QCoreApplication::sendEvent(table_, event);
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<std::size_t> CaseChooser::chosenCase() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return std::nullopt;
    }
    return cases_.caseAt(rows.front().row());
}

}  // namespace bithydraulics
