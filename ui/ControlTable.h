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
    标签12,
    标签11,
    选择框_电池,
    单选框_多行,
    单选框_单行,
    超级列表框1,
    标签2,
    选择框_自动清理,
    标签9,
    选择框_自动切换,
    标签8,
    标签6,
    编辑框4,
    编辑框3,
    编辑框2,
    编辑框1,
    标签5,
    选择框_自动睡眠,
    标签1,
    按钮_上移,
    按钮_下移,
    按钮_生成,
    标签3,
    标签4,
    分组框1,
    标签7,
    分组框2,
    标签10,
    选择框_任务栏,
    分组框3,
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
