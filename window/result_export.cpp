#include "window/result_export.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>

#include "behaviour/result_record.h"
#include "calc/compute_command.h"
#include "window/case_file.h"
#include "window/hydraulics_form.h"
#include "window/user_dialogs.h"
#include "window/utf8_text.h"
#include "window/window_memory.h"

namespace bithydraulics {

QList<QStringList> fieldTable(const HydraulicsForm& form) {
    QList<QStringList> rows;
    for (const ResultRow& row : form.resultRecord().table()) {
        rows << QStringList{fromUtf8(row.caption), fromUtf8(row.figure), fromUtf8(row.unit)};
    }
    return rows;
}

void ResultExport::copyToClipboard() {
    if (!form_.computeUnlessCurrent()) {
        return;
    }
    const QString text = fromUtf8(tabSeparatedText(form_.resultRecord().table()));
    QGuiApplication::clipboard()->setText(text);
}

void ResultExport::exportToFile() {
    if (!form_.computeUnlessCurrent()) {
        return;
    }
    const QString path =
        dialogs_.fileToSave(form_, QStringLiteral("导出结果"),
                            QDir(memory_.lastFolder()).filePath(QStringLiteral("结果.csv")),
                            QStringLiteral("CSV 文件 (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    memory_.rememberFolderOf(path);
    if (const QString problem = writeCsvFile(path, fieldTable(form_)); !problem.isEmpty()) {
        dialogs_.error(form_, problem);
    }
}

}  // namespace bithydraulics
