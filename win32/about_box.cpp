#include "win32/about_box.h"

#include <commctrl.h>

#include <string>

#include "behaviour/form_description.h"
#include "platform/version.h"
#include "win32/resource_ids.h"
#include "win32/resource_text.h"
#include "win32/wide_text.h"

namespace bithydraulics::win32 {

void showAboutBox(HINSTANCE instance, HWND owner) {
    const std::wstring caption = toWide(hydraulicsFormDescription().caption);
    const std::wstring title = L"关于" + caption;
    const std::wstring heading = caption + L" " + toWide(kDisplayVersion);
    const std::wstring notice = toWide(resourceText(instance, BH_RESOURCE_NOTICE));
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner;
    config.hInstance = instance;
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
    config.dwCommonButtons = TDCBF_OK_BUTTON;
    config.pszWindowTitle = title.c_str();
    config.pszMainIcon = MAKEINTRESOURCEW(1);  // the program's icon
    config.pszMainInstruction = heading.c_str();
    config.pszContent =
        L"钻头水力参数计算器\n许可证：GPL-3.0-or-later\n"
        L"界面字体：文泉驿微米黑的子集（Apache License 2.0），声明见详细信息。";
    config.pszExpandedInformation = notice.c_str();
    config.pszExpandedControlText = L"隐藏详细信息";
    config.pszCollapsedControlText = L"详细信息";
    TaskDialogIndirect(&config, nullptr, nullptr, nullptr);
}

}  // namespace bithydraulics::win32
