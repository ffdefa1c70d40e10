#pragma once

// The numbers the window gives its controls and commands, which the tests driving it from
// outside use too. None is IDOK (1) or IDCANCEL (2): Enter and Esc in a field press no button.
namespace bithydraulics::win32 {

inline constexpr int kFirstFieldId = 1000;    // Text1(i) is 1000 + i
inline constexpr int kFirstCaptionId = 1100;  // Label1(i) is 1100 + i
inline constexpr int kComputeButtonId = 1200;
inline constexpr int kExitButtonId = 1201;

// Menu commands.
inline constexpr int kNewCaseCommand = 2000;
inline constexpr int kOpenCaseCommand = 2001;
inline constexpr int kSaveCaseCommand = 2002;
inline constexpr int kSaveCaseAsCommand = 2003;
inline constexpr int kExportResultsCommand = 2004;
inline constexpr int kExitCommand = 2005;
inline constexpr int kUndoCommand = 2100;
inline constexpr int kCopyResultsCommand = 2101;
inline constexpr int kPasteCaseCommand = 2102;
inline constexpr int kGuideCommand = 2301;
inline constexpr int kAboutCommand = 2302;
inline constexpr int kFirstRecentFileCommand = 2400;  // 2400 + i, the i-th most recent

// The main window's class, by which the tests find it.
inline constexpr wchar_t kMainWindowClass[] = L"BitHydraulicsMainWindow";

}  // namespace bithydraulics::win32
