#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "ControlTable.h"
#include "ListViewSwitchList.h"
#include "OutputWriter.h"
#include "UniqueHandle.h"

namespace torvane::ui {

// The program's one window with its 30 controls. Its state lives here and is
// reached from the window procedure through GWLP_USERDATA.
class MainWindow {
public:
    explicit MainWindow(OutputPlatform& output) : output_(output) {}
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    // Creates the window centred on the screen, its controls in their initial
    // state and the switch list filled; not shown yet. False when the
    // platform refused the window.
    bool create(HINSTANCE instance);
    void show(int showCommand) const;

    // Null once the window has been destroyed.
    HWND handle() const { return window_; }
    HWND control(ControlId id) const { return controls_[indexOf(id)]; }
    HWND upDownOf(ControlId edit) const { return upDowns_[indexOf(edit)]; }

    // The window's own keyboard handling, ahead of dispatch: Tab and
    // Shift+Tab in focus order, arrows on the radio buttons, Esc. True when
    // the message was used and must not be dispatched.
    bool preTranslateMessage(const MSG& message) const;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool createControls(HINSTANCE instance);
    void loadIcons(HINSTANCE instance);
    void onCommand(ControlId id, WORD code);
    bool onNotify(const NMHDR& header);
    void onSleepBoxClicked() const;
    void onMoveClicked(bool up);
    void generate();
    void focusRememberedControl() const;
    bool isAvailable(ControlId id) const;
    std::optional<ControlId> tableControlOf(HWND window) const;
    bool isChecked(ControlId id) const;

    OutputPlatform& output_;
    HWND window_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    std::array<HWND, kControlCount> upDowns_{};
    std::optional<ListViewSwitchList> switchList_;
    platform::UniqueIcon largeIcon_;
    platform::UniqueIcon smallIcon_;
    HWND rememberedFocus_ = nullptr;
};

// Hands one message to the window: its keyboard handling first, then the
// usual translation and dispatch.
void dispatchMessage(const MainWindow& window, const MSG& message);

// Runs until the window has been closed; returns the exit code.
int runMessageLoop(const MainWindow& window);

}  // namespace torvane::ui
