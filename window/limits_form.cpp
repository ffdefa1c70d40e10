#include "window/limits_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QSpinBox>
#include <algorithm>

#include "calc/field_text.h"
#include "window/utf8_text.h"

namespace bithydraulics {
namespace {

using optimize::Setting;

// Plainly wrong, unlike the pale mark of a main-window field read in part.
constexpr QColor kProblemBackground(0xFF, 0xD6, 0xD6);
constexpr QColor kProblemText(0xA0, 0x00, 0x00);
constexpr int kAnySpread = -1;
constexpr int kFieldWidth = 110;  // a figure and its default
constexpr int kReasonWidthInCharacters = 12;

QLabel* captionFor(QWidget* buddy, const QString& text, const QString& toolTip) {
    auto* caption = new QLabel(text);
    caption->setBuddy(buddy);
    caption->setToolTip(toolTip);
    buddy->setToolTip(toolTip);
    return caption;
}

}  // namespace

LimitsForm::LimitsForm(QWidget* parent)
    : QWidget(parent),
      criterion_(new QComboBox(this)),
      nozzleCount_(new QSpinBox(this)),
      series_(new QComboBox(this)),
      spread_(new QSpinBox(this)) {
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(3, 1);
    int line = 0;
    const auto addField = [&](Setting setting) {
        const optimize::SettingTerm& description = describeTypedSetting(setting);
        Row& row = this->row(setting);
        row.edit = new QLineEdit(this);
        row.edit->setMaximumWidth(kFieldWidth);
        row.edit->setObjectName(fromUtf8(description.caption));
        row.edit->setPlaceholderText(fromUtf8(description.whenEmpty));
        row.edit->setAccessibleName(fromUtf8(description.caption));
        row.toolTip = fromUtf8(description.meaning);
        // Beside its field, one line in room kept for it, so that no field moves while the user
        // types; the whole reason is in the field's tooltip.
        row.reason = new QLabel(this);
        row.reason->setTextFormat(Qt::PlainText);
        row.reason->setFixedWidth(kReasonWidthInCharacters * fontMetrics().height());
        QPalette palette = row.reason->palette();
        palette.setColor(QPalette::WindowText, kProblemText);
        row.reason->setPalette(palette);
        QSizePolicy kept = row.reason->sizePolicy();
        kept.setRetainSizeWhenHidden(true);
        row.reason->setSizePolicy(kept);
        row.reason->hide();
        grid->addWidget(captionFor(row.edit, fromUtf8(description.caption), row.toolTip), line, 0);
        grid->addWidget(row.edit, line, 1);
        grid->addWidget(new QLabel(fromUtf8(description.unit), this), line, 2);
        grid->addWidget(row.reason, line++, 3);
        connect(row.edit, &QLineEdit::textEdited, this, [this, &row] {
            row.typedIn = true;
            reportEdit();
        });
    };
    const auto addChoice = [&](QWidget* box, const QString& caption, const QString& toolTip) {
        box->setAccessibleName(caption);
        grid->addWidget(captionFor(box, caption, toolTip), line, 0);
        grid->addWidget(box, line++, 1);
    };

    // The seven figures; the sizes come with the series.
    for (const Setting setting : kTypedSettings) {
        if (setting != Setting::SeriesSizes) {
            addField(setting);
        }
    }
    criterion_->addItems({QStringLiteral("最大钻头水功率"), QStringLiteral("最大射流冲击力"),
                          QStringLiteral("最大喷射速度")});
    addChoice(criterion_, QStringLiteral("优选准则"),
              QStringLiteral("优选时使钻头处的哪一项最大。"));
    nozzleCount_->setRange(1, optimize::kMaxNozzleCount);
    addChoice(nozzleCount_, fromUtf8(optimize::settingTerm(Setting::NozzleCount).caption),
              fromUtf8(optimize::settingTerm(Setting::NozzleCount).meaning));
    series_->addItems({QStringLiteral("1/32 英寸"), QStringLiteral("列出的尺寸")});
    addChoice(series_, QStringLiteral("喷嘴系列"),
              QStringLiteral("从哪些尺寸中选喷嘴：1/32 英寸系列 7/32 至 32/32 英寸，"
                             "或列出的直径 (mm)。"));
    addField(Setting::SeriesSizes);
    spread_->setRange(kAnySpread, static_cast<int>(optimize::kMaxSeriesSizes) - 1);
    spread_->setSpecialValueText(QStringLiteral("任意"));
    addChoice(spread_, fromUtf8(optimize::settingTerm(Setting::Spread).caption),
              fromUtf8(optimize::settingTerm(Setting::Spread).meaning));
    grid->setRowStretch(line, 1);

    // Tab goes down the figures, then through the choices, the sizes with their series.
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    };
    for (const Setting setting : kTypedSettings) {
        if (setting != Setting::SeriesSizes) {
            chain(field(setting));
        }
    }
    for (QWidget* choice :
         {static_cast<QWidget*>(criterion_), static_cast<QWidget*>(nozzleCount_),
          static_cast<QWidget*>(series_), static_cast<QWidget*>(field(Setting::SeriesSizes)),
          static_cast<QWidget*>(spread_)}) {
        chain(choice);
    }

    connect(criterion_, &QComboBox::currentIndexChanged, this, &LimitsForm::reportEdit);
    connect(nozzleCount_, &QSpinBox::valueChanged, this, &LimitsForm::reportEdit);
    connect(series_, &QComboBox::currentIndexChanged, this, [this] {
        field(Setting::SeriesSizes)->setEnabled(series_->currentIndex() == 1);
        reportEdit();
    });
    connect(spread_, &QSpinBox::valueChanged, this, &LimitsForm::reportEdit);
    setTexts(LimitTexts{});
}

QWidget* LimitsForm::lastInTabOrder() const {
    return spread_;
}

LimitTexts LimitsForm::texts() const {
    LimitTexts texts;
    for (std::size_t i = 0; i < kTypedSettings.size(); ++i) {
        texts.fields[i] = rows_[i].edit->text().toStdString();
    }
    texts.criterion = static_cast<optimize::Criterion>(criterion_->currentIndex());
    texts.nozzleCount = nozzleCount_->value();
    texts.sizesInMillimetres = series_->currentIndex() == 1;
    texts.spread =
        spread_->value() == kAnySpread ? std::nullopt : std::optional<int>(spread_->value());
    return texts;
}

void LimitsForm::setTexts(const LimitTexts& texts) {
    filling_ = true;
    for (std::size_t i = 0; i < kTypedSettings.size(); ++i) {
        rows_[i].edit->setText(QString::fromStdString(texts.fields[i]));
    }
    criterion_->setCurrentIndex(static_cast<int>(texts.criterion));
    nozzleCount_->setValue(texts.nozzleCount);
    series_->setCurrentIndex(texts.sizesInMillimetres ? 1 : 0);
    field(Setting::SeriesSizes)->setEnabled(texts.sizesInMillimetres);
    spread_->setValue(texts.spread.value_or(kAnySpread));
    filling_ = false;
}

void LimitsForm::reportEdit() {
    if (!filling_) {
        emit edited();
    }
}

void LimitsForm::showProblems(const std::vector<LimitProblem>& problems) {
    for (std::size_t i = 0; i < kTypedSettings.size(); ++i) {
        const auto problem =
            std::find_if(problems.begin(), problems.end(),
                         [i](const LimitProblem& p) { return p.setting == kTypedSettings[i]; });
        if (problem != problems.end() && (!problem->missing || rows_[i].typedIn)) {
            mark(rows_[i], QString::fromStdString(problem->reason));
        } else {
            clear(rows_[i]);
        }
    }
}

QString LimitsForm::reasonAt(Setting setting) const {
    return row(setting).marked ? row(setting).reason->toolTip() : QString();
}

void LimitsForm::mark(Row& row, const QString& reason) {
    QPalette palette = row.edit->palette();
    palette.setColor(QPalette::Base, kProblemBackground);
    row.edit->setPalette(palette);
    row.edit->setToolTip(row.toolTip + '\n' + reason);
    row.reason->setText(
        row.reason->fontMetrics().elidedText(reason, Qt::ElideRight, row.reason->width()));
    row.reason->setToolTip(reason);
    row.reason->show();
    row.marked = true;
}

void LimitsForm::clear(Row& row) {
    if (!row.marked) {
        return;
    }
    row.edit->setPalette(QPalette());
    row.edit->setToolTip(row.toolTip);
    row.reason->clear();
    row.reason->setToolTip({});
    row.reason->hide();
    row.marked = false;
}

void LimitsForm::setDefaultDepth(std::optional<double> depth) {
    const optimize::SettingTerm& description = describeTypedSetting(Setting::VerticalDepth);
    field(Setting::VerticalDepth)
        ->setPlaceholderText(depth ? QStringLiteral("%1（%2）")
                                         .arg(QString::fromStdString(formatFixed2(*depth)),
                                              fromUtf8(description.whenEmpty))
                                   : fromUtf8(description.whenEmpty));
}

}  // namespace bithydraulics
