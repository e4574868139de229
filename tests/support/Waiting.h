#pragma once

#include <windows.h>

#include <functional>

namespace torvane::testing {

// Handles every pending message of this thread through `dispatch`.
inline void pumpMessages(const std::function<void(const MSG&)>& dispatch) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) {
            dispatch(message);
        }
    }
}

inline void pumpMessages() {
    pumpMessages([](const MSG& message) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    });
}

// Pumps messages until the condition holds or the time runs out; returns
// whether it held.
inline bool waitUntil(const std::function<bool()>& condition,
                      const std::function<void(const MSG&)>& dispatch, DWORD timeoutMs = 5000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        pumpMessages(dispatch);
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

inline bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
    return waitUntil(
        condition,
        [](const MSG& message) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        },
        timeoutMs);
}

}  // namespace torvane::testing
