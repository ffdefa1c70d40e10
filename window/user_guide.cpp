#include "window/user_guide.h"

#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>

#include "platform/version.h"
#include "window/close_on_escape.h"
#include "window/main_menu.h"
#include "window/window_placement.h"

namespace bithydraulics {
namespace {

QString resourceText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

void UserGuide::showGuide() {
    if (guide_ == nullptr) {
        // A window of its own, owned by the main window, so that both stay open side by side.
        guide_ = new QTextBrowser(&window_);
        guide_->setWindowFlag(Qt::Window);
        guide_->setAttribute(Qt::WA_DeleteOnClose);
        guide_->setWindowTitle(QStringLiteral("使用说明 — %1").arg(window_.windowTitle()));
        guide_->setOpenExternalLinks(true);
        guide_->setAccessibleName(guide_->windowTitle());
        shareEveryWindowShortcuts(window_, *guide_);
        guide_->setMarkdown(resourceText(QStringLiteral(":/guide/guide.zh_CN.md")));
        closeOnEscape(*guide_);
        // About forty characters a line, as tall as most of the screen.
        const QFontMetrics metrics = guide_->fontMetrics();
        placeBeside(*guide_, window_,
                    QSize(metrics.horizontalAdvance(QChar(0x6C34)) * 40 + 4 * metrics.height(),
                          availableArea(window_).height() * 4 / 5));
    }
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

void UserGuide::showAbout() {
    const QString version =
        QString::fromUtf8(kDisplayVersion.data(), static_cast<qsizetype>(kDisplayVersion.size()));
    QMessageBox box(QMessageBox::Information, QStringLiteral("关于%1").arg(window_.windowTitle()),
                    QStringLiteral("%1 %2").arg(window_.windowTitle(), version), QMessageBox::Ok,
                    &window_);
    box.setInformativeText(
        QStringLiteral("钻头水力参数计算器\n许可证：GPL-3.0-or-later\n"
                       "界面字体：文泉驿微米黑的子集（Apache License 2.0），声明附后。"));
    box.setDetailedText(resourceText(QStringLiteral(":/about/NOTICE")));
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

}  // namespace bithydraulics
