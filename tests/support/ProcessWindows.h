#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace torvane::testing {

// The first visible top-level window of a process that `matches` accepts.
inline HWND findVisibleWindow(DWORD processId, const std::function<bool(HWND)>& matches) {
    struct Search {
        DWORD processId;
        const std::function<bool(HWND)>& matches;
        HWND found;
    } search{processId, matches, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId && IsWindowVisible(window) && s.matches(window)) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline std::wstring classNameOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

inline std::wstring titleOf(HWND window) {
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    return title;
}

}  // namespace torvane::testing
