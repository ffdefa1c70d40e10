#include "window/case_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <vector>

#include "behaviour/form_description.h"
#include "behaviour/unsaved_changes.h"
#include "window/case_file.h"
#include "window/case_list_model.h"
#include "window/hydraulics_form.h"
#include "window/input_group_edits.h"
#include "window/user_dialogs.h"
#include "window/utf8_text.h"
#include "window/window_memory.h"

namespace bithydraulics {
namespace {

const QString kFilter = QStringLiteral("算例文件 (*.csv);;所有文件 (*)");

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

CaseCommands::CaseCommands(HydraulicsForm& form, UserDialogs& dialogs, WindowMemory& memory)
    : form_(form), dialogs_(dialogs), memory_(memory) {
    for (QLineEdit* field : form_.inputFields()) {
        QObject::connect(field, &QLineEdit::textChanged, &form_, [this] { showTitle(); });
    }
}

InputTexts CaseCommands::inputTexts() const {
    InputTexts texts;
    for (int i = 0; i < kInputFieldCount; ++i) {
        texts[static_cast<std::size_t>(i)] = form_.field(i)->text().toStdString();
    }
    return texts;
}

void CaseCommands::showTitle() {
    const std::string title =
        document_.title(hydraulicsFormDescription().caption, document_.inPlay() ? "[*]" : "");
    form_.setWindowTitle(QString::fromStdString(title));
    form_.setWindowModified(document_.changed(inputTexts()));
}

void CaseCommands::newCase() {
    if (!mayLetGo()) {
        return;
    }
    std::vector<InputText> defaults;
    for (int i = 0; i < kInputFieldCount; ++i) {
        defaults.push_back(
            {i, fromUtf8(kInputQuantities[static_cast<std::size_t>(i)].defaultText)});
    }
    form_.replaceInputs(defaults);
    document_.closed();
    showTitle();
}

void CaseCommands::open() {
    if (!mayLetGo()) {
        return;
    }
    const QString path =
        dialogs_.fileToOpen(form_, QStringLiteral("打开算例"), memory_.lastFolder(), kFilter);
    if (!path.isEmpty()) {
        openFile(path);
    }
}

void CaseCommands::openFile(const QString& path) {
    memory_.rememberFolderOf(path);
    const CaseFileContents contents = readCaseFile(path);
    if (!contents.problem.isEmpty()) {
        memory_.forgetRecentFile(path);
        dialogs_.error(
            form_, QStringLiteral("无法打开算例“%1”。\n%2").arg(shownPath(path), contents.problem));
        return;
    }
    std::size_t chosen = 0;
    if (contents.caseCount() > 1) {
        CaseListModel cases(contents);
        const auto choice = dialogs_.chosenCase(form_,
                                                QStringLiteral("“%1”中有 %L2 个算例，请选择一个：")
                                                    .arg(QFileInfo(path).fileName())
                                                    .arg(contents.caseCount()),
                                                cases);
        if (!choice) {
            return;
        }
        chosen = *choice;
    }
    const CaseTexts texts = contents.caseTexts(chosen);
    std::vector<InputText> inputs;
    for (int i = 0; i < kInputFieldCount; ++i) {
        inputs.push_back({i, texts[static_cast<std::size_t>(i)]});
    }
    form_.replaceInputs(inputs);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    document_.opened(absolute.toStdString(), chosen, contents.caseCount(), inputTexts());
    memory_.rememberRecentFile(absolute);
    showTitle();
}

void CaseCommands::save() {
    if (const auto target = document_.saveTarget()) {
        saveTo(QString::fromStdString(*target));
    } else {
        saveAs();
    }
}

void CaseCommands::saveAs() {
    const auto target = document_.saveTarget();
    const QString proposed = target
                                 ? QString::fromStdString(*target)
                                 : QDir(memory_.lastFolder()).filePath(QStringLiteral("算例.csv"));
    const QString path = dialogs_.fileToSave(form_, QStringLiteral("另存为"), proposed, kFilter);
    if (!path.isEmpty()) {
        saveTo(QString::fromStdString(withCaseFileExtension(path.toStdString())));
    }
}

bool CaseCommands::saveTo(const QString& path) {
    memory_.rememberFolderOf(path);
    CaseTexts texts;
    for (int i = 0; i < kInputFieldCount; ++i) {
        texts[static_cast<std::size_t>(i)] = form_.field(i)->text();
    }
    if (const QString problem = writeCaseFile(path, texts); !problem.isEmpty()) {
        dialogs_.error(form_, problem);
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    document_.saved(absolute.toStdString(), inputTexts());
    memory_.rememberRecentFile(absolute);
    showTitle();
    return true;
}

void CaseCommands::fillRecentFiles(QMenu& menu) {
    const QStringList recent = memory_.recentFiles();
    if (recent.isEmpty()) {
        menu.addAction(QStringLiteral("（无）"))->setEnabled(false);
        return;
    }
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        const QFileInfo file(path);
        QAction* action = menu.addAction(
            QStringLiteral("&%1 %2（%3）").arg(i + 1).arg(file.fileName(), shownPath(file.path())));
        QObject::connect(action, &QAction::triggered, &form_, [this, path] {
            if (mayLetGo()) {
                openFile(path);
            }
        });
    }
}

bool CaseCommands::mayLetGo() {
    return mayLetInputsGo(
        document_, [this] { return inputTexts(); },
        [this](const UnsavedQuestion& question) { return dialogs_.saveChanges(form_, question); },
        [this] { save(); });
}

}  // namespace bithydraulics
