#include "SleepFields.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <string>

#include "GdiScope.h"
#include "WindowText.h"

namespace torvane::ui {
namespace {

constexpr UINT_PTR kSubclassId = 1;

bool isBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

// Height of one line of the box's font.
int lineHeight(HWND edit) {
    const WindowDcScope dc(edit, false);
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0));
    const SelectionScope selection(dc.dc(), font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.dc(), &metrics);
    return metrics.tmHeight;
}

// The box draws its own one-pixel border around the whole box and keeps the
// client area to one text line in the middle, so the line sits centred.
LRESULT centreClientArea(HWND edit, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefSubclassProc(edit, WM_NCCALCSIZE, wParam, lParam);
    RECT& client = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
    const int height = client.bottom - client.top;
    const int band = std::max(1, (height - lineHeight(edit)) / 2);
    client.left += 1;
    client.right -= 1;
    client.top += band;
    client.bottom = std::max(client.top, client.bottom - band);
    return result;
}

// Paints the border and the bands above and below the text line like the
// rest of the box.
void paintFrame(HWND edit) {
    RECT window{};
    GetWindowRect(edit, &window);
    RECT client{};
    GetClientRect(edit, &client);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT whole{0, 0, window.right - window.left, window.bottom - window.top};
    const RECT above{1, 1, whole.right - 1, client.top - window.top};
    const RECT below{1, client.bottom - window.top, whole.right - 1, whole.bottom - 1};

    const WindowDcScope dc(edit, true);
    // The brush the box paints its own area with comes from the parent.
    const bool enabled = IsWindowEnabled(edit) != FALSE;
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(edit),
                                                       enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc.dc()),
                                                       reinterpret_cast<LPARAM>(edit)));
    if (brush == nullptr) {
        brush = GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE);
    }
    FillRect(dc.dc(), &above, brush);
    FillRect(dc.dc(), &below, brush);
    FrameRect(dc.dc(), &whole, GetSysColorBrush(COLOR_WINDOWFRAME));
}

LRESULT CALLBACK sleepFieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
    switch (message) {
    case WM_CHAR:
        if (!isAcceptedCharacter(static_cast<wchar_t>(wParam))) {
            return 0;
        }
        break;
    case WM_NCCALCSIZE:
        if (wParam != FALSE) {
            return centreClientArea(edit, wParam, lParam);
        }
        break;
    case WM_NCPAINT: {
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        paintFrame(edit);
        return result;
    }
    case WM_SETFONT: {
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return result;
    }
    case WM_ENABLE:
        RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, sleepFieldProc, kSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

std::optional<SleepFieldRange> sleepFieldRange(ControlId edit) {
    const auto found = std::find_if(kSleepFieldRanges.begin(), kSleepFieldRanges.end(),
                                    [edit](const SleepFieldRange& r) { return r.edit == edit; });
    if (found == kSleepFieldRanges.end()) {
        return std::nullopt;
    }
    return *found;
}

int leadingInteger(std::wstring_view text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) {
        negative = text[at] == L'-';
        ++at;
    }
    long long value = 0;
    for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
        value = std::min(value * 10 + (text[at] - L'0'), static_cast<long long>(INT_MAX) + 1);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int steppedValue(std::wstring_view text, const SleepFieldRange& range, bool up) {
    const long long current = leadingInteger(text);
    const long long next = up ? current + 1 : current - 1;
    if (next < range.minimum || next > range.maximum) {
        return up ? range.minimum : range.maximum;
    }
    return static_cast<int>(next);
}

bool isAcceptedCharacter(wchar_t character) {
    return character < 32 || character == L'-' || (character >= L'0' && character <= L'9');
}

void installSleepFieldBehaviour(HWND edit) {
    SetWindowSubclass(edit, sleepFieldProc, kSubclassId, 0);
    // No length limit: the platform's default stops a paste at 30,000
    // characters; zero asks for the largest limit it has.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
}

void stepSleepField(HWND edit, const SleepFieldRange& range, bool up) {
    if (!IsWindowEnabled(edit) || !IsWindowVisible(edit)) {
        return;
    }
    const std::wstring stepped = std::to_wstring(steppedValue(windowText(edit), range, up));
    SetWindowTextW(edit, stepped.c_str());
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SetFocus(edit);
}

}  // namespace torvane::ui
