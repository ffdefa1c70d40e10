#include "window/case_commands.h"

#include <QDir>
#include <QLineEdit>

#include "window/case_file.h"
#include "window/field_editing.h"
#include "window/hydraulics_form.h"
#include "window/user_dialogs.h"
#include "window/window_memory.h"

namespace bithydraulics {
namespace {

const QString kFilter = QStringLiteral("算例文件 (*.csv);;所有文件 (*)");

// How a case is offered for choosing: its row, its labels and its figures.
QString caseLabel(const CaseFileContents& contents, std::size_t index) {
    QStringList parts = contents.labels(index);
    for (const QString& text : contents.caseTexts(index)) {
        parts << text;
    }
    return QStringLiteral("第 %1 个算例：%2").arg(index + 1).arg(parts.join(QStringLiteral(", ")));
}

}  // namespace

void CaseCommands::open() {
    const QString path =
        dialogs_.fileToOpen(form_, QStringLiteral("打开算例"), memory_.lastFolder(), kFilter);
    if (path.isEmpty()) {
        return;
    }
    memory_.rememberFolderOf(path);
    const CaseFileContents contents = readCaseFile(path);
    if (!contents.problem.isEmpty()) {
        dialogs_.error(form_, QStringLiteral("无法打开算例“%1”。\n%2")
                                  .arg(QDir::toNativeSeparators(path), contents.problem));
        return;
    }
    std::size_t chosen = 0;
    if (contents.caseCount() > 1) {
        QStringList labels;
        for (std::size_t i = 0; i < contents.caseCount(); ++i) {
            labels << caseLabel(contents, i);
        }
        const auto choice = dialogs_.choice(
            form_, QStringLiteral("打开算例"),
            QStringLiteral("文件中有 %1 个算例，请选择一个：").arg(contents.caseCount()), labels);
        if (!choice || *choice < 0) {
            return;
        }
        chosen = static_cast<std::size_t>(*choice);
    }
    const CaseTexts texts = contents.caseTexts(chosen);
    for (int i = 0; i < kInputFieldCount; ++i) {
        replaceTextAsEdit(*form_.field(i), texts[static_cast<std::size_t>(i)]);
    }
}

void CaseCommands::save() {
    const QString path = dialogs_.fileToSave(
        form_, QStringLiteral("保存算例"),
        QDir(memory_.lastFolder()).filePath(QStringLiteral("算例.csv")), kFilter);
    if (path.isEmpty()) {
        return;
    }
    memory_.rememberFolderOf(path);
    CaseTexts texts;
    for (int i = 0; i < kInputFieldCount; ++i) {
        texts[static_cast<std::size_t>(i)] = form_.field(i)->text();
    }
    if (const QString problem = writeCaseFile(path, texts); !problem.isEmpty()) {
        dialogs_.error(form_, problem);
    }
}

}  // namespace bithydraulics
