#include "ControlTable.h"

#include <commctrl.h>

namespace torvane::ui {
namespace {

using K = ControlKind;
using S = InitialState;
using Id = ControlId;

constexpr DWORD kLabel = 0;
constexpr DWORD kWrappedLabel = kLabelWrapStyle;
constexpr DWORD kCheckBox = BS_AUTOCHECKBOX;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kList = LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL;
// No WS_BORDER: the sleep fields draw their one-pixel border themselves
// (SleepFields), so that the text line can sit centred in the box.
constexpr DWORD kEdit = ES_AUTOHSCROLL | ES_CENTER;
constexpr DWORD kButton = BS_PUSHBUTTON | BS_CENTER | BS_VCENTER;
constexpr DWORD kGroup = BS_GROUPBOX;

// Texts are GBK; a hex escape is split from a following hex digit.
constexpr std::string_view kCheckBoxText = "\xD1\xA1\xD4\xF1\xBF\xF2";  // 选择框
constexpr std::string_view kDashes = "\xA1\xAA\xA1\xAA";                // ——

// 推荐在面板中搭配开关插件一起使用\r\n可添加源安装:\r\nexample.com/repo/
constexpr std::string_view kRecommendation =
    "\xCD\xC6\xBC\xF6\xD4\xDA\xC3\xE6\xB0\xE5\xD6\xD0\xB4\xEE\xC5\xE4\xBF\xAA\xB9\xD8\xB2\xE5"
    "\xBC\xFE\xD2\xBB\xC6\xF0\xCA\xB9\xD3\xC3\r\n"
    "\xBF\xC9\xCC\xED\xBC\xD3\xD4\xB4\xB0\xB2\xD7\xB0:\r\n"
    "example.com/repo/";
// Quorvash倾情奉献 quorvash@example.com 2013.3.15
constexpr std::string_view kCredit =
    "Quorvash\xC7\xE3\xC7\xE9\xB7\xEE\xCF\xD7 quorvash@example.com 2013.3.15";

constexpr std::array<ControlSpec, kControlCount> kTable{{
    // id, name, kind, parent, left, top, width, height, text, initial state, focus key, style, ex style
    {Id::标签12, "标签12", K::Label, {}, 136, 282, 192, 37, kRecommendation, S::Plain, {}, kWrappedLabel, 0},
    {Id::标签11, "标签11", K::Label, {}, 168, 25, 66, 13, "\xB5\xE7\xB3\xD8\xBA\xF4\xB3\xF6", S::Plain, {}, kLabel, 0},  // 电池呼出
    {Id::选择框_电池, "选择框_电池", K::CheckBox, {}, 150, 24, 16, 16, kCheckBoxText, S::Unchecked, 0, kCheckBox, 0},
    {Id::单选框_多行, "单选框_多行", K::RadioButton, Id::分组框3, 99, 42, 70, 16, "\xB6\xE0\xD0\xD0\xCF\xD4\xCA\xBE", S::Checked, 0, kRadio, 0},  // 多行显示
    {Id::单选框_单行, "单选框_单行", K::RadioButton, Id::分组框3, 9, 42, 72, 16, "\xB5\xA5\xD0\xD0\xCF\xD4\xCA\xBE", S::Unchecked, 0, kRadio, 0},  // 单行显示
    {Id::超级列表框1, "超级列表框1", K::ListView, {}, 15, 20, 77, 331, "", S::Plain, {}, kList, WS_EX_CLIENTEDGE},
    {Id::标签2, "标签2", K::Label, {}, 9, 77, 24, 24, kDashes, S::Plain, {}, kLabel, 0},
    {Id::选择框_自动清理, "选择框_自动清理", K::CheckBox, {}, 149, 158, 16, 16, kCheckBoxText, S::Unchecked, 0, kCheckBox, 0},
    {Id::标签9, "标签9", K::Label, {}, 167, 159, 72, 13, "\xB6\xA8\xCA\xB1\xC7\xE5\xC0\xED\xBA\xF3\xCC\xA8", S::Plain, {}, kLabel, 0},  // 定时清理后台
    {Id::选择框_自动切换, "选择框_自动切换", K::CheckBox, {}, 149, 132, 16, 16, kCheckBoxText, S::Unchecked, 0, kCheckBox, 0},
    {Id::标签8, "标签8", K::Label, {}, 167, 133, 73, 13, "\xCB\xF8\xC6\xC1" "3G\xC7\xD0\xBB\xBB" "2G", S::Plain, {}, kLabel, 0},  // 锁屏3G切换2G
    {Id::标签6, "标签6", K::Label, {}, 225, 209, 11, 24, "\xB5\xBD", S::Plain, {}, kLabel, 0},  // 到
    {Id::编辑框4, "编辑框4", K::EditBox, {}, 276, 209, 16, 24, "0", S::Disabled, 0, kEdit, 0},
    {Id::编辑框3, "编辑框3", K::EditBox, {}, 242, 209, 16, 24, "6", S::Disabled, 0, kEdit, 0},
    {Id::编辑框2, "编辑框2", K::EditBox, {}, 183, 209, 16, 24, "0", S::Disabled, 0, kEdit, 0},
    {Id::编辑框1, "编辑框1", K::EditBox, {}, 149, 209, 16, 24, "0", S::Disabled, 0, kEdit, 0},
    {Id::标签5, "标签5", K::Label, {}, 167, 185, 56, 13, "\xB6\xA8\xCA\xB1\xCB\xAF\xC3\xDF", S::Plain, {}, kLabel, 0},  // 定时睡眠
    {Id::选择框_自动睡眠, "选择框_自动睡眠", K::CheckBox, {}, 149, 184, 16, 16, kCheckBoxText, S::Unchecked, 0, kCheckBox, 0},
    {Id::标签1, "标签1", K::Label, {}, 158, 333, 138, 24, kCredit, S::Plain, {}, kWrappedLabel | kLabelNotifyStyle, 0},
    {Id::按钮_上移, "按钮_上移", K::PushButton, {}, 97, 86, 24, 24, "\xA1\xFC", S::Plain, 1, kButton, 0},  // ↑
    {Id::按钮_下移, "按钮_下移", K::PushButton, {}, 97, 121, 24, 24, "\xA1\xFD", S::Plain, 2, kButton, 0},  // ↓
    {Id::按钮_生成, "按钮_生成", K::PushButton, {}, 185, 248, 83, 24, "\xC9\xFA\xB3\xC9\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE", S::Plain, 0, kButton, 0},  // 生成配置文件
    {Id::标签3, "标签3", K::Label, {}, 9, 142, 24, 24, kDashes, S::Plain, {}, kLabel, 0},
    {Id::标签4, "标签4", K::Label, {}, 9, 207, 24, 24, kDashes, S::Plain, {}, kLabel, 0},
    {Id::分组框1, "分组框1", K::GroupBox, {}, 139, 108, 180, 134, "IntelligenceSetting.plist", S::Plain, {}, kGroup, 0},
    {Id::标签7, "标签7", K::Label, {}, 9, 272, 24, 24, kDashes, S::Plain, {}, kLabel, 0},
    {Id::分组框2, "分组框2", K::GroupBox, {}, 8, 6, 121, 352, "PanelOrder.plist", S::Plain, {}, kGroup, 0},
    {Id::标签10, "标签10", K::Label, {}, 167, 72, 66, 13, "\xCF\xD4\xCA\xBE\xC8\xCE\xCE\xF1\xC0\xB8", S::Plain, {}, kLabel, 0},  // 显示任务栏
    {Id::选择框_任务栏, "选择框_任务栏", K::CheckBox, {}, 149, 71, 16, 16, kCheckBoxText, S::Checked, 0, kCheckBox, 0},
    {Id::分组框3, "分组框3", K::GroupBox, {}, 139, 6, 180, 90, "PanelSetting.plist", S::Plain, {}, kGroup, 0},
}};

constexpr bool idsFollowTableOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (indexOf(kTable[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(idsFollowTableOrder(), "ControlId values are the table positions");

}  // namespace

const std::array<ControlSpec, kControlCount>& controlTable() { return kTable; }

const ControlSpec& specOf(ControlId id) { return kTable[indexOf(id)]; }

}  // namespace torvane::ui
