#pragma once

#include <windows.h>

namespace torvane::ui {

// The program's own label: fills its area with the face colour and draws its
// window text in black with the default GUI font. kLabelWrapStyle picks the
// centred, word-wrapped layout; kLabelNotifyStyle makes a left button press
// reach the parent as WM_COMMAND with kLabelPressed.
inline constexpr wchar_t kLabelClassName[] = L"TorvaneLabel";
inline constexpr WORD kLabelPressed = 0;

void registerLabelClass(HINSTANCE instance);

// The DrawTextW format of a label with these window styles.
UINT labelTextFormat(DWORD style);

}  // namespace torvane::ui
