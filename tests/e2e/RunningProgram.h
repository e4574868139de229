#pragma once

#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "MessageBoxReader.h"
#include "ProcessWindows.h"
#include "UniqueHandle.h"
#include "Waiting.h"

namespace torvane::testing {

// The built Torvane.exe, named by the test's environment (a Unix path under
// Wine's Z: drive, or a Windows path).
inline std::wstring builtProgramPath() {
    const char* const named = std::getenv("TORVANE_EXE");
    std::string path = named != nullptr ? named : "";
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    if (!path.empty() && path.front() == '\\') path = "Z:" + path;
    return std::wstring(path.begin(), path.end());
}

// One started copy of the program and its main window.
class RunningProgram {
public:
    explicit RunningProgram(const std::wstring& executable) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        std::wstring commandLine = L"\"" + executable + L"\"";
        // Started from elsewhere: the program must find its folder itself.
        if (CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\",
                           &startup, &started)) {
            process_.reset(started.hProcess);
            platform::UniqueHandle thread(started.hThread);
            processId_ = started.dwProcessId;
            waitUntil([&] { return (window_ = findMainWindow()) != nullptr; }, 15000);
        }
    }

    HWND window() const { return window_; }
    DWORD processId() const { return processId_; }
    HANDLE process() const { return process_.get(); }
    HWND control(int id) const { return GetDlgItem(window_, id); }

    bool hasExited() const { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }
    std::optional<DWORD> exitCode(DWORD timeoutMs = 10000) const {
        if (WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(process_.get(), &code);
        return code;
    }

    // Waits for the outcome box, reads it and presses its OK button.
    std::optional<ShownMessage> takeMessage() const {
        std::optional<ShownMessage> shown;
        if (!waitUntil([&] { return (shown = findMessageBox(processId_)).has_value(); }, 15000)) {
            return std::nullopt;
        }
        PostMessageW(shown->box, WM_COMMAND, IDOK, 0);
        waitUntil([&] { return !IsWindow(shown->box); });
        return shown;
    }

    ~RunningProgram() {
        if (process_.valid() && !hasExited()) {
            TerminateProcess(process_.get(), 1);
            WaitForSingleObject(process_.get(), 5000);
        }
    }

private:
    HWND findMainWindow() const {
        return testing::findVisibleWindow(processId_, [](HWND window) {
            return testing::titleOf(window) == L"Torvane1.6byQuorvash";
        });
    }

    platform::UniqueHandle process_{nullptr};
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

}  // namespace torvane::testing
