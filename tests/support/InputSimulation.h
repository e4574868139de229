#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace torvane::testing {

// Keyboard and mouse input through SendInput, as a user would give it.

inline INPUT keyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

inline void pressKey(WORD key, bool shift = false) {
    std::vector<INPUT> inputs;
    if (shift) inputs.push_back(keyInput(VK_SHIFT, false));
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    if (shift) inputs.push_back(keyInput(VK_SHIFT, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Types characters as they come from a keyboard layout or an input method.
inline void typeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (const wchar_t character : text) {
        for (const bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = character;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

inline INPUT mouseInput(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// Absolute mouse input at a screen point.
inline INPUT mouseInputAt(POINT target, DWORD flags) {
    INPUT input = mouseInput(flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    input.mi.dx = MulDiv(target.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(target.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    return input;
}

// Moves the pointer to a screen point; the move lands asynchronously.
inline void movePointer(POINT target) {
    INPUT input = mouseInputAt(target, 0);
    SendInput(1, &input, sizeof(INPUT));
}

inline bool pointerIsAt(POINT target) {
    POINT at{};
    GetCursorPos(&at);
    return at.x == target.x && at.y == target.y;
}

// Press and release, each carrying the point, so that a late pointer event
// from the X server cannot move the click elsewhere.
inline void leftClickAt(POINT target) {
    INPUT inputs[2] = {mouseInputAt(target, MOUSEEVENTF_LEFTDOWN),
                       mouseInputAt(target, MOUSEEVENTF_LEFTUP)};
    SendInput(2, inputs, sizeof(INPUT));
}

// The centre of a window in screen coordinates, or an offset into it.
inline POINT screenPointOf(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

inline POINT centreOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return screenPointOf(window, client.right / 2, client.bottom / 2);
}

}  // namespace torvane::testing
