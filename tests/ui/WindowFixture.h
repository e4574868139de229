#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "ControlTable.h"
#include "FakeOutputPlatform.h"
#include "GbkText.h"
#include "InputSimulation.h"
#include "MainWindow.h"
#include "Waiting.h"
#include "WindowText.h"

namespace torvane::ui {

// The real main window on this thread, shown, active and with its first
// focus; generation runs write into an in-memory platform.
class WindowFixture : public ::testing::Test {
public:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        ASSERT_TRUE(window.create(GetModuleHandleW(nullptr)));
        window.show(SW_SHOWNORMAL);
        SetForegroundWindow(window.handle());
        ASSERT_TRUE(waitFor([&] {
            return GetForegroundWindow() == window.handle() && GetFocus() == control(ControlId::选择框_任务栏);
        })) << "the window did not come up with the focus on its first stop";
    }

    HWND control(ControlId id) const { return window.control(id); }

    // Pumps this thread's messages through the window's own handling.
    bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
        return testing::waitUntil(
            condition, [this](const MSG& message) { dispatchMessage(window, message); }, timeoutMs);
    }
    void settle() { waitFor([] { return false; }, 50); }

    bool focusOn(ControlId id) {
        SetFocus(control(id));
        return waitFor([&] { return GetFocus() == control(id); });
    }
    bool isChecked(ControlId id) const { return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::wstring textOf(ControlId id) const { return windowText(control(id)); }

    // A real click: move, wait until the pointer has stayed there a moment
    // (Wine moves it asynchronously), press and release.
    bool clickAt(POINT point) {
        testing::movePointer(point);
        if (!waitFor([&] { return testing::pointerIsAt(point); })) {
            return false;
        }
        settle();
        if (!waitFor([&] { return testing::pointerIsAt(point); })) {
            return false;
        }
        testing::leftClickAt(point);
        settle();
        return true;
    }

    // Ticks the sleep box with the keyboard, which enables the sleep fields.
    bool enableSleepFields() {
        if (!focusOn(ControlId::选择框_自动睡眠)) return false;
        testing::pressKey(VK_SPACE);
        return waitFor([&] { return IsWindowEnabled(control(ControlId::编辑框1)) != FALSE; });
    }

    testing::FakeOutputPlatform output;
    MainWindow window{output};
};

}  // namespace torvane::ui
