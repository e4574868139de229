#include "MainWindow.h"

#include <commctrl.h>

#include <string>

#include "ControlCreation.h"
#include "GenerationRun.h"
#include "KeyboardNavigation.h"
#include "LabelControl.h"
#include "ShellOpen.h"
#include "SleepFields.h"
#include "WindowControlStates.h"

namespace torvane::ui {
namespace {

constexpr wchar_t kWindowClassName[] = L"TorvaneMainWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

void registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClassName;
    RegisterClassExW(&windowClass);
}

bool isRadioArrow(WPARAM key) {
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

}  // namespace

MainWindow::~MainWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool MainWindow::create(HINSTANCE instance) {
    registerLabelClass(instance);
    registerWindowClass(instance, windowProc);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    const std::wstring title(kWindowTitle.begin(), kWindowTitle.end());
    CreateWindowExW(0, kWindowClassName, title.c_str(), kWindowStyle, left, top, kWindowWidth,
                    kWindowHeight, nullptr, nullptr, instance, this);
    return window_ != nullptr;
}

void MainWindow::show(int showCommand) const {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* const self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* const self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->switchList_.reset();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->onMessage(message, wParam, lParam);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const auto* const create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (!createControls(create->hInstance)) {
            return -1;
        }
        loadIcons(create->hInstance);
        // One layout of the list after all 24 rows instead of one per row:
        // a tenth of the start-up under Wine otherwise. The window is not
        // shown yet, so its first paint draws the filled list.
        SendMessageW(control(ControlId::超级列表框1), WM_SETREDRAW, FALSE, 0);
        fillWithCatalogue(*switchList_);
        SendMessageW(control(ControlId::超级列表框1), WM_SETREDRAW, TRUE, 0);
        return 0;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam) - commandIdOf(ControlId::标签12);
        if (id >= 0 && static_cast<std::size_t>(id) < kControlCount) {
            onCommand(static_cast<ControlId>(id), HIWORD(wParam));
        }
        return 0;
    }
    case WM_NOTIFY:
        if (onNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
            return TRUE;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND const focus = GetFocus();
            if (focus != nullptr && IsChild(window_, focus)) {
                rememberedFocus_ = focus;
            }
        }
        break;
    case WM_SETFOCUS:
        focusRememberedControl();
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        // Black on the face colour for buttons, boxes and disabled edit boxes.
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool MainWindow::createControls(HINSTANCE instance) {
    const auto& table = controlTable();
    // Bottom row first, each new control on top of those before: the table
    // order becomes the stacking order, and the group box holding the radio
    // buttons exists before them.
    for (auto spec = table.rbegin(); spec != table.rend(); ++spec) {
        HWND const parent = spec->parent ? control(*spec->parent) : window_;
        const std::size_t index = indexOf(spec->id);
        if (spec->kind == ControlKind::EditBox) {
            // Created first so that it lies directly below its edit box.
            upDowns_[index] = createUpDown(*spec, parent, instance);
            if (upDowns_[index] == nullptr) {
                return false;
            }
        }
        controls_[index] = createControl(*spec, parent, instance);
        if (controls_[index] == nullptr) {
            return false;
        }
    }
    switchList_.emplace(control(ControlId::超级列表框1));
    switchList_->configure();
    return true;
}

void MainWindow::loadIcons(HINSTANCE instance) {
    largeIcon_.reset(static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXICON),
                                                   GetSystemMetrics(SM_CYICON), 0)));
    smallIcon_.reset(static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

void MainWindow::onCommand(ControlId id, WORD code) {
    if (id == ControlId::标签1 && code == kLabelPressed) {
        platform::openWebPage(std::wstring(kAuthorPage));
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    switch (id) {
    case ControlId::选择框_自动睡眠: onSleepBoxClicked(); break;
    case ControlId::按钮_上移: onMoveClicked(true); break;
    case ControlId::按钮_下移: onMoveClicked(false); break;
    case ControlId::按钮_生成: generate(); break;
    default: break;
    }
}

bool MainWindow::onNotify(const NMHDR& header) {
    if (header.code != UDN_DELTAPOS) {
        return false;
    }
    const auto id = static_cast<int>(header.idFrom) - upDownCommandIdOf(ControlId::标签12);
    if (id < 0 || static_cast<std::size_t>(id) >= kControlCount) {
        return false;
    }
    const auto edit = static_cast<ControlId>(id);
    const std::optional<SleepFieldRange> range = sleepFieldRange(edit);
    if (!range) {
        return false;
    }
    const auto& step = reinterpret_cast<const NMUPDOWN&>(header);
    stepSleepField(control(edit), *range, step.iDelta > 0);
    // Nonzero: the up-down keeps its own position, which plays no part.
    return true;
}

bool MainWindow::isChecked(ControlId id) const {
    return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::onSleepBoxClicked() const {
    // Reads the box once per step; only one of the two takes effect.
    if (isChecked(ControlId::选择框_自动睡眠)) {
        for (const ControlId edit : kSleepFieldSwitchOrder) {
            EnableWindow(control(edit), TRUE);
            EnableWindow(upDownOf(edit), TRUE);
        }
    }
    if (!isChecked(ControlId::选择框_自动睡眠)) {
        for (const ControlId edit : kSleepFieldSwitchOrder) {
            EnableWindow(control(edit), FALSE);
            EnableWindow(upDownOf(edit), FALSE);
        }
    }
}

void MainWindow::onMoveClicked(bool up) {
    const MoveOutcome outcome = up ? switchList_->moveSelectedUp() : switchList_->moveSelectedDown();
    if (outcome != MoveOutcome::NothingSelected) {
        SetFocus(control(ControlId::超级列表框1));
    }
}

void MainWindow::generate() {
    const WindowControlStates states(*switchList_, [this](ControlId id) { return control(id); });
    const OutputWriter writer(output_);
    runGeneration(states, writer);
}

bool MainWindow::isAvailable(ControlId id) const {
    HWND const control = this->control(id);
    return IsWindowVisible(control) && IsWindowEnabled(control);
}

void MainWindow::focusRememberedControl() const {
    if (rememberedFocus_ != nullptr && IsWindow(rememberedFocus_) && IsChild(window_, rememberedFocus_)) {
        SetFocus(rememberedFocus_);
        return;
    }
    const std::optional<ControlId> first = firstFocusStop([this](ControlId id) { return isAvailable(id); });
    if (first) {
        SetFocus(control(*first));
    }
}

std::optional<ControlId> MainWindow::tableControlOf(HWND window) const {
    for (HWND at = window; at != nullptr && at != window_; at = GetParent(at)) {
        const int id = GetDlgCtrlID(at) - commandIdOf(ControlId::标签12);
        if (id >= 0 && static_cast<std::size_t>(id) < kControlCount && controls_[static_cast<std::size_t>(id)] == at) {
            return static_cast<ControlId>(id);
        }
    }
    return std::nullopt;
}

bool MainWindow::preTranslateMessage(const MSG& message) const {
    if (message.message != WM_KEYDOWN || window_ == nullptr ||
        (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    const auto available = [this](ControlId id) { return isAvailable(id); };
    const std::optional<ControlId> focused = tableControlOf(GetFocus());
    switch (message.wParam) {
    case VK_ESCAPE:
        // Exactly what the close button does.
        SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    case VK_TAB: {
        const bool forward = GetKeyState(VK_SHIFT) >= 0;
        const std::optional<ControlId> target =
            focused ? nextFocusStop(*focused, forward, available) : firstFocusStop(available);
        if (target) {
            SetFocus(control(*target));
        }
        return true;
    }
    default:
        break;
    }
    if (isRadioArrow(message.wParam) && focused &&
        specOf(*focused).kind == ControlKind::RadioButton) {
        const bool forward = message.wParam == VK_RIGHT || message.wParam == VK_DOWN;
        const std::optional<ControlId> target = nextRadioButton(*focused, forward, available);
        if (target) {
            SetFocus(control(*target));
            // Selects it, clears the other and reports the click.
            SendMessageW(control(*target), BM_CLICK, 0, 0);
        }
        return true;
    }
    return false;
}

void dispatchMessage(const MainWindow& window, const MSG& message) {
    if (!window.preTranslateMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int runMessageLoop(const MainWindow& window) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatchMessage(window, message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace torvane::ui
