#include "window/limits_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QSpinBox>
#include <algorithm>

#include "calc/field_text.h"

namespace bithydraulics {
namespace {

using optimize::Setting;

// Plainly wrong, unlike the pale mark of a main-window field read in part.
constexpr QColor kProblemBackground(0xFF, 0xD6, 0xD6);
constexpr QColor kProblemText(0xA0, 0x00, 0x00);
constexpr int kAnySpread = -1;
constexpr int kFieldWidth = 110;  // a figure and its default

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
        const TypedSettingDescription& description = describeTypedSetting(setting);
        Row& row = this->row(setting);
        row.edit = new QLineEdit(this);
        row.edit->setMaximumWidth(kFieldWidth);
        row.edit->setObjectName(QString::fromUtf8(description.caption));
        row.edit->setPlaceholderText(QString::fromUtf8(description.whenEmpty));
        row.edit->setAccessibleName(QString::fromUtf8(description.caption));
        row.toolTip = QString::fromUtf8(description.meaning);
        row.reason = new QLabel(this);
        row.reason->setWordWrap(true);
        row.reason->setTextFormat(Qt::PlainText);
        QPalette palette = row.reason->palette();
        palette.setColor(QPalette::WindowText, kProblemText);
        row.reason->setPalette(palette);
        row.reason->hide();
        grid->addWidget(captionFor(row.edit, QString::fromUtf8(description.caption), row.toolTip),
                        line, 0);
        grid->addWidget(row.edit, line, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(description.unit), this), line++, 2);
        grid->addWidget(row.reason, line++, 0, 1, 4);
        connect(row.edit, &QLineEdit::textEdited, this, &LimitsForm::reportEdit);
    };
    const auto addChoice = [&](QWidget* box, const QString& caption, const QString& toolTip) {
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
    addChoice(nozzleCount_, QStringLiteral("喷嘴数"), QStringLiteral("一组喷嘴的个数，1 到 3。"));
    series_->addItems({QStringLiteral("1/32 英寸"), QStringLiteral("列出的尺寸")});
    addChoice(series_, QStringLiteral("喷嘴系列"),
              QStringLiteral("从哪些尺寸中选喷嘴：1/32 英寸系列 7/32 至 32/32 英寸，"
                             "或列出的直径 (mm)。"));
    addField(Setting::SeriesSizes);
    spread_->setRange(kAnySpread, static_cast<int>(optimize::kMaxSeriesSizes) - 1);
    spread_->setSpecialValueText(QStringLiteral("任意"));
    addChoice(spread_, QStringLiteral("尺寸级差"),
              QStringLiteral("一组喷嘴中最大与最小尺寸在系列中最多相差几级：0 为等径，"
                             "1 为相邻尺寸，“任意”为不限。"));
    grid->setRowStretch(line, 1);

    connect(criterion_, &QComboBox::currentIndexChanged, this, &LimitsForm::reportEdit);
    connect(nozzleCount_, &QSpinBox::valueChanged, this, &LimitsForm::reportEdit);
    connect(series_, &QComboBox::currentIndexChanged, this, [this] {
        field(Setting::SeriesSizes)->setEnabled(series_->currentIndex() == 1);
        reportEdit();
    });
    connect(spread_, &QSpinBox::valueChanged, this, &LimitsForm::reportEdit);
    setTexts(LimitTexts{});
}

LimitTexts LimitsForm::texts() const {
    LimitTexts texts;
    for (std::size_t i = 0; i < kTypedSettings.size(); ++i) {
        texts.fields[i] = rows_[i].edit->text();
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
        rows_[i].edit->setText(texts.fields[i]);
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
        if (problem != problems.end()) {
            mark(rows_[i], problem->reason);
        } else {
            clear(rows_[i]);
        }
    }
}

QString LimitsForm::reasonAt(Setting setting) const {
    return row(setting).marked ? row(setting).reason->text() : QString();
}

void LimitsForm::mark(Row& row, const QString& reason) {
    QPalette palette = row.edit->palette();
    palette.setColor(QPalette::Base, kProblemBackground);
    row.edit->setPalette(palette);
    row.edit->setToolTip(row.toolTip + '\n' + reason);
    row.reason->setText(reason);
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
    row.reason->hide();
    row.marked = false;
}

void LimitsForm::setDefaultDepth(std::optional<double> depth) {
    const TypedSettingDescription& description = describeTypedSetting(Setting::VerticalDepth);
    field(Setting::VerticalDepth)
        ->setPlaceholderText(depth ? QStringLiteral("%1（%2）")
                                         .arg(QString::fromStdString(formatFixed2(*depth)),
                                              QString::fromUtf8(description.whenEmpty))
                                   : QString::fromUtf8(description.whenEmpty));
}

}  // namespace bithydraulics
