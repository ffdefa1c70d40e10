#include "window/form_builder.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "behaviour/form_scale.h"
#include "behaviour/quantity_captions.h"
#include "window/utf8_text.h"

namespace bithydraulics {
namespace {

// WenQuanYi Micro Hei cut down to the characters the program shows, compiled in from
// packaging/fonts/ and renamed, so that the installed full font stays the fallback for any
// other character a user types.
constexpr const char* kFontFamily = "WenQuanYi Micro Hei Subset";
constexpr const char* kFontResource = ":/fonts/wqy-microhei-subset.ttf";
constexpr int kFontPoints = 9;

QLineEdit* makeField(QWidget& window, const ControlDescription& control) {
    auto* field = new QLineEdit(fromUtf8(control.text), &window);
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    field->setReadOnly(control.readOnly);
    field->setAccessibleName(fromUtf8(fieldCaption(control.index)));
    field->setToolTip(QString::fromStdString(fieldToolTip(control.index)));
    return field;
}

QLabel* makeCaption(QWidget& window, const ControlDescription& control) {
    // Plain text: a caption has no access key and no markup.
    auto* caption = new QLabel(&window);
    caption->setTextFormat(Qt::PlainText);
    caption->setText(fromUtf8(control.text));
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption->setFrameShape(QFrame::NoFrame);
    caption->setFocusPolicy(Qt::NoFocus);
    return caption;
}

QPushButton* makeButton(QWidget& window, const ControlDescription& control) {
    auto* button = new QPushButton(fromUtf8(control.text), &window);
    // Enter presses the button that has the focus. Neither is the window's default button, so
    // Enter in a text field and Esc press none.
    button->setAutoDefault(true);
    button->setDefault(false);
    return button;
}

void placeInArray(auto& array, int index, auto* widget) {
    if (index >= 0 && static_cast<std::size_t>(index) < array.size()) {
        array[static_cast<std::size_t>(index)] = widget;
    }
}

}  // namespace

QRect toPixels(const TwipsRect& bounds) {
    // Qt lays out in pixels of 96 dots an inch and scales them itself; the Win32 window asks
    // pixelRectAt for its monitor's density, and at 96 both come to the same rectangles.
    const PixelRect rect = pixelRectAt(bounds, kStandardDpi);
    return {rect.left, rect.top, rect.width, rect.height};
}

QFont windowFont() {
    // Registered once, on the first call.
    [[maybe_unused]] static const int fontId =
        QFontDatabase::addApplicationFont(QString::fromLatin1(kFontResource));
    QFont font(QString::fromLatin1(kFontFamily), kFontPoints);
    font.setStyleHint(QFont::SansSerif);
    // The font's own outlines, without FreeType's automatic hinter, which would measure the
    // strokes of Chinese text on sample characters that the cut-down font does not hold.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString controlObjectName(const ControlDescription& control) {
    QString name = fromUtf8(control.name);
    if (control.index != kNoIndex) {
        name += QStringLiteral("(%1)").arg(control.index);
    }
    return name;
}

void useWindowFont(QWidget& window) {
    // The application's font too: tooltips and menus take it, and a text field lays out its
    // first text in it before it takes the window's.
    const QFont font = windowFont();
    QApplication::setFont(font);
    window.setFont(font);
}

QSize clientSize(const FormDescription& form) {
    return {twipsToPixelsAt(form.clientWidth, kStandardDpi),
            twipsToPixelsAt(form.clientHeight, kStandardDpi)};
}

FormControls buildForm(QWidget& clientArea, const FormDescription& form) {
    clientArea.resize(clientSize(form));

    FormControls controls;
    std::vector<std::pair<QLabel*, int>> captionsOfFields;
    std::vector<std::pair<int, QWidget*>> focusChain;
    for (const ControlDescription& control : form.controls) {
        QWidget* widget = nullptr;
        switch (control.kind) {
            case ControlKind::TextField: {
                QLineEdit* field = makeField(clientArea, control);
                placeInArray(controls.fields, control.index, field);
                widget = field;
                break;
            }
            case ControlKind::Caption: {
                QLabel* caption = makeCaption(clientArea, control);
                placeInArray(controls.captions, control.index, caption);
                captionsOfFields.emplace_back(caption, control.captionOf);
                widget = caption;
                break;
            }
            case ControlKind::Button: {
                QPushButton* button = makeButton(clientArea, control);
                if (control.role == ControlRole::Compute) {
                    controls.compute = button;
                } else if (control.role == ControlRole::Exit) {
                    controls.exit = button;
                }
                widget = button;
                break;
            }
        }
        widget->setObjectName(controlObjectName(control));
        widget->setGeometry(toPixels(control.bounds));
        if (control.focusOrder != kNoFocus) {
            focusChain.emplace_back(control.focusOrder, widget);
        }
    }

    // A screen reader reads a field's caption with it: "排量, 30".
    for (const auto& [caption, field] : captionsOfFields) {
        if (field >= 0 && static_cast<std::size_t>(field) < controls.fields.size()) {
            caption->setBuddy(controls.fields[static_cast<std::size_t>(field)]);
        }
    }

    std::sort(focusChain.begin(), focusChain.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusChain.size(); ++i) {
        QWidget::setTabOrder(focusChain[i - 1].second, focusChain[i].second);
    }
    if (!focusChain.empty()) {
        focusChain.front().second->setFocus();
    }
    return controls;
}

}  // namespace bithydraulics
