#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace torvane::ui {

enum class ControlKind { Label, CheckBox, RadioButton, ListView, EditBox, PushButton, GroupBox };

enum class InitialState { Plain, Checked, Unchecked, Disabled };

// The controls in table order, which is also their stacking order.
enum class ControlId : std::size_t {
    Label12,
    Label11,
    CheckBattery,
    RadioMultiRow,
    RadioSingleRow,
    SwitchList,
    Label2,
    CheckAutoCleanup,
    Label9,
    CheckAutoSwitch,
    Label8,
    Label6,
    Edit4,
    Edit3,
    Edit2,
    Edit1,
    Label5,
    CheckAutoSleep,
    Label1,
    ButtonUp,
    ButtonDown,
    ButtonGenerate,
    Label3,
    Label4,
    Group1,
    Label7,
    Group2,
    Label10,
    CheckTaskBar,
    Group3,
};

inline constexpr std::size_t kControlCount = 30;

// A style bit of the program's label class: centred, word-wrapped text
// instead of one left-aligned, vertically centred line.
inline constexpr DWORD kLabelWrapStyle = 0x0001;
// A style bit of the label class: tell the parent about a left button press.
inline constexpr DWORD kLabelNotifyStyle = 0x0002;

struct ControlSpec {
    ControlId id;
    std::string_view name;
    ControlKind kind;
    std::optional<ControlId> parent;  // none: the main window
    int left;
    int top;
    int width;
    int height;
    std::string_view text;  // GBK
    InitialState initialState;
    std::optional<int> focusKey;  // none: not a focus stop
    DWORD style;                  // besides WS_CHILD, WS_VISIBLE and WS_CLIPSIBLINGS
    DWORD exStyle;
};

const std::array<ControlSpec, kControlCount>& controlTable();

constexpr std::size_t indexOf(ControlId id) { return static_cast<std::size_t>(id); }
const ControlSpec& specOf(ControlId id);

// Child-window identifiers: the controls, then the up-down buttons of the edits.
constexpr int commandIdOf(ControlId id) { return 1000 + static_cast<int>(indexOf(id)); }
constexpr int upDownCommandIdOf(ControlId edit) { return 2000 + static_cast<int>(indexOf(edit)); }

// Window title, ASCII.
inline constexpr std::string_view kWindowTitle = "Torvane1.6byQuorvash";
inline constexpr int kWindowWidth = 333;
inline constexpr int kWindowHeight = 394;

// The page the credit label opens.
inline constexpr std::wstring_view kAuthorPage = L"http://www.example.com/quorvash/";

}  // namespace torvane::ui
