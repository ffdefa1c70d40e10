#include "window/standard_texts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace bithydraulics {

void useChineseStandardTexts() {
    static QTranslator* const installed = [] {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QStringLiteral(":/i18n/qtbase_zh_CN.qm"))) {
            QCoreApplication::installTranslator(translator);
        }
        return translator;
    }();
    (void)installed;
}

}  // namespace bithydraulics
