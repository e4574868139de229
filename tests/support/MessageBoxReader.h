#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ProcessWindows.h"

namespace torvane::testing {

struct ShownMessage {
    HWND box;
    std::wstring title;
    std::wstring text;
};

// The standard message box (#32770) of the given process, if one is shown:
// its title and the text of its message.
inline std::optional<ShownMessage> findMessageBox(DWORD processId) {
    HWND const box = findVisibleWindow(
        processId, [](HWND window) { return classNameOf(window) == L"#32770"; });
    if (box == nullptr) return std::nullopt;

    ShownMessage shown{box, {}, {}};
    wchar_t buffer[1024] = {};
    GetWindowTextW(box, buffer, 1024);
    shown.title = buffer;
    // The message is the box's static text that is not the icon.
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] = {};
        GetClassNameW(child, className, 32);
        wchar_t text[1024] = {};
        // WM_GETTEXT crosses the process boundary; GetWindowText would not ask.
        SendMessageW(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
        if (_wcsicmp(className, L"Static") == 0 && text[0] != L'\0') {
            shown.text = text;
        }
    }
    return shown;
}

}  // namespace torvane::testing
