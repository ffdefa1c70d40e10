#include "window/hydraulics_form.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include "behaviour/form_description.h"
#include "platform/ui/fault_report.h"
#include "platform/ui/program_end.h"
#include "window/lazy_standard_icons.h"
#include "window/program_icon.h"
#include "window/quantity_captions.h"
#include "window/standard_texts.h"
#include "window/user_dialogs.h"
#include "window/window_menus.h"

namespace bithydraulics {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The client area, made before the controls are built into it, in the window's font, so that
// they lay out their first text in it.
QWidget* newClientArea(QMainWindow& window) {
    useLazyStandardIcons();
    useWindowFont(window);
    auto* area = new QWidget(&window);
    area->setObjectName(QStringLiteral("clientArea"));
    window.setCentralWidget(area);
    return area;
}

std::unique_ptr<UserDialogs> dialogsUnlessGiven(const WindowServices& services) {
    return services.dialogs != nullptr ? nullptr : std::make_unique<QtUserDialogs>();
}

}  // namespace

HydraulicsForm::HydraulicsForm(FaultReporter& faults, QWidget* parent)
    : HydraulicsForm(WindowServices{faults}, parent) {}

HydraulicsForm::HydraulicsForm(const WindowServices& services, QWidget* parent)
    : QMainWindow(parent),
      faults_(services.faults),
      ownDialogs_(dialogsUnlessGiven(services)),
      dialogs_(services.dialogs != nullptr ? *services.dialogs : *ownDialogs_),
      memory_(services.settings),
      controls_(buildForm(*newClientArea(*this), hydraulicsFormDescription())),
      fields_(controls_.fields),
      marks_(inputFields()),
      groupEdits_(inputFields()),
      pasteCells_(inputFields(), groupEdits_),
      chartLibraryFolder_(services.chartLibraryFolder),
      menus_(std::make_unique<WindowMenus>(*this, dialogs_, memory_)) {
    useChineseStandardTexts();
    const FormDescription& description = hydraulicsFormDescription();
    setWindowTitle(fromUtf8(description.caption));
    // The program's icon, which the application has already when the program starts it.
    setWindowIcon(QGuiApplication::windowIcon().isNull() ? programIcon()
                                                         : QGuiApplication::windowIcon());
    addMenus(*menuBar(), menus_->menus());
    // Nothing inside the window limits its size, as before it had a menu bar: resizing moves no
    // control.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    // The window grows by the menu bar; the client area keeps the description's size.
    const QSize client = clientSize(description);
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    // The focus frame shows on 运算 from the first frame, not only once Tab has been pressed.
    setAttribute(Qt::WA_KeyboardFocusChange);
    memory_.restorePosition(*this);

    connect(controls_.compute, &QPushButton::clicked, this, &HydraulicsForm::compute);
    connect(controls_.exit, &QPushButton::clicked, this, &HydraulicsForm::exitProgram);
}

HydraulicsForm::~HydraulicsForm() = default;

void HydraulicsForm::compute() {
    marks_.markPartlyRead();
    try {
        runComputeCommand(fields_, state_);
    } catch (const CalculationFault& fault) {
        // The command wrote nothing; the user's figures stay for correcting.
        reportFault(fault);
        return;
    }
    emit computed();
}

void HydraulicsForm::reportFault(const CalculationFault& fault) {
    faults_.report(*this, fault, faultLocation(fault.quantity(), fields_));
}

QString HydraulicsForm::faultText(const CalculationFault& fault) const {
    return faultReportText(fault, faultLocation(fault.quantity(), fields_));
}

void HydraulicsForm::pasteCase() {
    pasteCells_.fill(0, QGuiApplication::clipboard()->text());
}

void HydraulicsForm::openCaseFile(const QString& path) {
    menus_->cases().openFile(path);
}

bool HydraulicsForm::mayEnd() {
    return menus_->cases().mayLetGo();
}

void HydraulicsForm::exitProgram() {
    if (!mayEnd()) {
        return;
    }
    memory_.rememberPosition(*this);
    endProgram();
}

void HydraulicsForm::closeEvent(QCloseEvent* event) {
    if (!mayEnd()) {
        event->ignore();
        return;
    }
    event->accept();
    memory_.rememberPosition(*this);
    endProgram();
}

}  // namespace bithydraulics
