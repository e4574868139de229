#include "LabelControl.h"

#include <string>

#include "ControlTable.h"
#include "GdiScope.h"
#include "WindowText.h"

namespace torvane::ui {
namespace {

void paint(HWND window) {
    const PaintScope paint(window);
    RECT area{};
    GetClientRect(window, &area);
    FillRect(paint.dc(), &area, GetSysColorBrush(COLOR_BTNFACE));

    const SelectionScope font(paint.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(paint.dc(), TRANSPARENT);
    SetTextColor(paint.dc(), RGB(0, 0, 0));
    std::wstring text = windowText(window);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    DrawTextW(paint.dc(), text.data(), static_cast<int>(text.size()), &area, labelTextFormat(style));
}

LRESULT CALLBACK labelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, TRUE);
        return result;
    }
    case WM_LBUTTONDOWN:
        if ((GetWindowLongPtrW(window, GWL_STYLE) & kLabelNotifyStyle) != 0) {
            SendMessageW(GetParent(window), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(window), kLabelPressed),
                         reinterpret_cast<LPARAM>(window));
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

UINT labelTextFormat(DWORD style) {
    return (style & kLabelWrapStyle) != 0 ? DT_CENTER | DT_WORDBREAK
                                          : DT_LEFT | DT_SINGLELINE | DT_VCENTER;
}

void registerLabelClass(HINSTANCE instance) {
    WNDCLASSEXW labelClass{};
    labelClass.cbSize = sizeof(labelClass);
    labelClass.lpfnWndProc = labelProc;
    labelClass.hInstance = instance;
    labelClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    labelClass.lpszClassName = kLabelClassName;
    // Registering again (a second window in one process) fails harmlessly.
    RegisterClassExW(&labelClass);
}

}  // namespace torvane::ui
