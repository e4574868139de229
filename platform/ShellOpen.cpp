#include "ShellOpen.h"

#include <windows.h>
#include <shellapi.h>

namespace torvane::platform {

void openWebPage(const std::wstring& address) {
    // A running browser window, when there is one, owns whatever the shell shows.
    HWND const owner = FindWindowExW(nullptr, nullptr, nullptr, L"Microsoft Internet Explorer");
    ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace torvane::platform
