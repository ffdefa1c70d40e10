#pragma once

#include <QPointer>
#include <QTextBrowser>

class QWidget;

namespace bithydraulics {

// 使用说明 and 关于: the user guide (docs/guide.zh_CN.md, compiled in) in a window of its own
// beside the main one, and a box with the program's name, version, licence and the notice of
// its font. Both are made when first asked for, so they cost nothing at start-up.
class UserGuide {
  public:
    explicit UserGuide(QWidget& window) : window_(window) {}

    // Shows the guide, bringing it to the front if it is open already.
    void showGuide();
    // Shows the about box and returns when the user closes it.
    void showAbout();

    // The guide's window once it has been shown.
    QTextBrowser* guideWindow() const { return guide_; }

  private:
    QWidget& window_;
    QPointer<QTextBrowser> guide_;
};

}  // namespace bithydraulics
