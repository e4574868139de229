#include "ControlCreation.h"

#include <commctrl.h>

#include <string>

#include "GbkText.h"
#include "LabelControl.h"
#include "SleepFields.h"

namespace torvane::ui {
namespace {

const wchar_t* classOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return kLabelClassName;
    case ControlKind::ListView: return WC_LISTVIEWW;
    case ControlKind::EditBox: return WC_EDITW;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::PushButton:
    case ControlKind::GroupBox: return WC_BUTTONW;
    }
    return WC_BUTTONW;
}

constexpr DWORD kEveryControl = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

void putOnTop(HWND control) {
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

HWND createControl(const ControlSpec& spec, HWND parent, HINSTANCE instance) {
    DWORD style = kEveryControl | spec.style;
    if (spec.focusKey) {
        style |= WS_TABSTOP;
    }
    if (spec.initialState == InitialState::Disabled) {
        style |= WS_DISABLED;
    }
    const std::wstring text = platform::gbkToWide(spec.text);
    HWND const control = CreateWindowExW(
        spec.exStyle, classOf(spec.kind), text.c_str(), style, spec.left, spec.top, spec.width,
        spec.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(commandIdOf(spec.id))),
        instance, nullptr);
    if (control == nullptr) {
        return nullptr;
    }
    putOnTop(control);
    if (spec.kind == ControlKind::EditBox) {
        installSleepFieldBehaviour(control);
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    if (spec.initialState == InitialState::Checked) {
        // Set directly: no click, so no handler runs at start.
        SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
    }
    return control;
}

HWND createUpDown(const ControlSpec& edit, HWND parent, HINSTANCE instance) {
    const std::optional<SleepFieldRange> range = sleepFieldRange(edit.id);
    DWORD style = kEveryControl;
    if (edit.initialState == InitialState::Disabled) {
        style |= WS_DISABLED;
    }
    HWND const upDown = CreateWindowExW(
        0, UPDOWN_CLASSW, L"", style, edit.left + edit.width, edit.top, kUpDownWidth, edit.height,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(upDownCommandIdOf(edit.id))), instance,
        nullptr);
    if (upDown == nullptr) {
        return nullptr;
    }
    // Some up-down implementations pick their own width when created; the
    // button keeps its place and size whatever it chose.
    SetWindowPos(upDown, HWND_TOP, edit.left + edit.width, edit.top, kUpDownWidth, edit.height,
                 SWP_NOACTIVATE);
    if (range) {
        SendMessageW(upDown, UDM_SETRANGE32, static_cast<WPARAM>(range->minimum),
                     static_cast<LPARAM>(range->maximum));
    }
    return upDown;
}

}  // namespace torvane::ui
