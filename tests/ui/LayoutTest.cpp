#include <algorithm>
#include <vector>

#include "LabelControl.h"
#include "SleepFields.h"
#include "WindowFixture.h"

namespace torvane::ui {
namespace {

using Layout = WindowFixture;

RECT rectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

LONG_PTR styleOf(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }
LONG_PTR exStyleOf(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

TEST_F(Layout, WindowIsCentredFixedAndTitled) {
    HWND const main = window.handle();
    RECT outer{};
    GetWindowRect(main, &outer);
    EXPECT_EQ(outer.right - outer.left, 333);
    EXPECT_EQ(outer.bottom - outer.top, 394);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 333) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 394) / 2);

    const LONG_PTR style = styleOf(main);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(exStyleOf(main) & WS_EX_TOPMOST);
    EXPECT_EQ(GetMenu(main), nullptr);
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    EXPECT_EQ(windowText(main), L"Torvane1.6byQuorvash");
}

TEST_F(Layout, IconsAreTheThirtyTwoAndSixteenPixelImages) {
    for (const auto& [which, size] : {std::pair{ICON_BIG, 32}, std::pair{ICON_SMALL, 16}}) {
        auto icon = reinterpret_cast<HICON>(SendMessageW(window.handle(), WM_GETICON, which, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        EXPECT_EQ(colour.bmBitsPixel, 32);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

// Places in the parent's client area, classes and style bits of every control.
TEST_F(Layout, EveryControlHasItsPlaceKindAndStyle) {
    for (const ControlSpec& spec : controlTable()) {
        SCOPED_TRACE(std::string(spec.name));
        HWND const c = control(spec.id);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(GetParent(c), spec.parent ? control(*spec.parent) : window.handle());
        const RECT rect = rectInParent(c);
        EXPECT_EQ(rect.left, spec.left);
        EXPECT_EQ(rect.top, spec.top);
        EXPECT_EQ(rect.right - rect.left, spec.width);
        EXPECT_EQ(rect.bottom - rect.top, spec.height);

        const LONG_PTR style = styleOf(c);
        EXPECT_TRUE(style & WS_VISIBLE);
        EXPECT_TRUE(style & WS_CLIPSIBLINGS);
        // Radio buttons are left out: the platform moves WS_TABSTOP to the
        // checked one of a group, and the window's own focus order ignores it.
        if (spec.kind != ControlKind::RadioButton) {
            EXPECT_EQ((style & WS_TABSTOP) != 0, spec.focusKey.has_value());
        }
        switch (spec.kind) {
        case ControlKind::CheckBox:
            EXPECT_EQ(classOf(c), L"Button");
            EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
            break;
        case ControlKind::RadioButton:
            EXPECT_EQ(classOf(c), L"Button");
            EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
            break;
        case ControlKind::PushButton:
            EXPECT_EQ(classOf(c), L"Button");
            EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON) << "no default button";
            break;
        case ControlKind::GroupBox:
            EXPECT_EQ(classOf(c), L"Button");
            EXPECT_EQ(style & BS_TYPEMASK, BS_GROUPBOX);
            break;
        case ControlKind::EditBox:
            EXPECT_EQ(classOf(c), L"Edit");
            EXPECT_EQ(style & (ES_CENTER | ES_AUTOHSCROLL), ES_CENTER | ES_AUTOHSCROLL);
            EXPECT_FALSE(style & (ES_MULTILINE | ES_NOHIDESEL));
            EXPECT_FALSE(exStyleOf(c) & WS_EX_CLIENTEDGE);
            {
                // One plain pixel of border at the sides; the text line in the middle.
                RECT client{};
                GetClientRect(c, &client);
                EXPECT_EQ(client.right, spec.width - 2);
                POINT origin{0, 0};
                MapWindowPoints(c, GetParent(c), &origin, 1);
                const int above = origin.y - spec.top;
                const int below = spec.top + spec.height - (origin.y + client.bottom);
                EXPECT_GE(above, 1);
                EXPECT_LE(std::abs(above - below), 1) << "text line centred";
            }
            break;
        case ControlKind::Label:
            EXPECT_EQ(classOf(c), kLabelClassName);
            break;
        case ControlKind::ListView:
            EXPECT_EQ(classOf(c), L"SysListView32");
            break;
        }
        if (spec.kind != ControlKind::Label) {
            EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(c, WM_GETFONT, 0, 0)),
                      GetStockObject(DEFAULT_GUI_FONT));
        }
    }
}

TEST_F(Layout, RadioButtonsAndUpDownsSitWhereTheWindowShowsThem) {
    struct Place {
        HWND window;
        LONG left, top, width, height;
    };
    const Place places[] = {
        {control(ControlId::单选框_单行), 148, 48, 72, 16},
        {control(ControlId::单选框_多行), 238, 48, 70, 16},
        {window.upDownOf(ControlId::编辑框1), 165, 209, 18, 24},
        {window.upDownOf(ControlId::编辑框2), 199, 209, 18, 24},
        {window.upDownOf(ControlId::编辑框3), 258, 209, 18, 24},
        {window.upDownOf(ControlId::编辑框4), 292, 209, 18, 24},
    };
    for (const Place& place : places) {
        RECT rect{};
        GetWindowRect(place.window, &rect);
        MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, place.left);
        EXPECT_EQ(rect.top, place.top);
        EXPECT_EQ(rect.right - rect.left, place.width);
        EXPECT_EQ(rect.bottom - rect.top, place.height);
    }
    for (const SleepFieldRange& range : kSleepFieldRanges) {
        HWND const upDown = window.upDownOf(range.edit);
        EXPECT_EQ(classOf(upDown), L"msctls_updown32");
        EXPECT_FALSE(styleOf(upDown) & WS_BORDER);
        int low = -1, high = -1;
        SendMessageW(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        EXPECT_EQ(low, 0);
        EXPECT_EQ(high, range.edit == ControlId::编辑框1 || range.edit == ControlId::编辑框3 ? 23 : 59);
    }
}

// Texts written out here rather than taken from the table, so a wrong byte
// in the table's GBK shows.
TEST_F(Layout, ControlsShowTheirChineseTexts) {
    const std::pair<ControlId, const wchar_t*> texts[] = {
        {ControlId::标签12, L"推荐在面板中搭配开关插件一起使用\r\n可添加源安装:\r\nexample.com/repo/"},
        {ControlId::标签11, L"电池呼出"},
        {ControlId::选择框_电池, L"选择框"},
        {ControlId::单选框_多行, L"多行显示"},
        {ControlId::单选框_单行, L"单行显示"},
        {ControlId::标签2, L"——"},
        {ControlId::选择框_自动清理, L"选择框"},
        {ControlId::标签9, L"定时清理后台"},
        {ControlId::选择框_自动切换, L"选择框"},
        {ControlId::标签8, L"锁屏3G切换2G"},
        {ControlId::标签6, L"到"},
        {ControlId::标签5, L"定时睡眠"},
        {ControlId::选择框_自动睡眠, L"选择框"},
        {ControlId::标签1, L"Quorvash倾情奉献 quorvash@example.com 2013.3.15"},
        {ControlId::按钮_上移, L"↑"},
        {ControlId::按钮_下移, L"↓"},
        {ControlId::按钮_生成, L"生成配置文件"},
        {ControlId::标签3, L"——"},
        {ControlId::标签4, L"——"},
        {ControlId::分组框1, L"IntelligenceSetting.plist"},
        {ControlId::标签7, L"——"},
        {ControlId::分组框2, L"PanelOrder.plist"},
        {ControlId::标签10, L"显示任务栏"},
        {ControlId::选择框_任务栏, L"选择框"},
        {ControlId::分组框3, L"PanelSetting.plist"},
    };
    for (const auto& [id, text] : texts) {
        EXPECT_EQ(textOf(id), text) << specOf(id).name;
    }
    EXPECT_EQ(textOf(ControlId::标签2), std::wstring(2, L'\u2014'));
}

TEST_F(Layout, LabelsUseTheirTwoTextFormats) {
    for (const ControlSpec& spec : controlTable()) {
        if (spec.kind != ControlKind::Label) continue;
        const UINT format = labelTextFormat(static_cast<DWORD>(styleOf(control(spec.id))));
        const bool wraps = spec.id == ControlId::标签12 || spec.id == ControlId::标签1;
        EXPECT_EQ(format, wraps ? UINT{DT_CENTER | DT_WORDBREAK} : UINT{DT_LEFT | DT_SINGLELINE | DT_VCENTER})
            << spec.name;
    }
}

TEST_F(Layout, SwitchListIsAHeaderlessSingleSelectionReportWithGridLines) {
    HWND const list = control(ControlId::超级列表框1);
    const LONG_PTR style = styleOf(list);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_NOCOLUMNHEADER);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_FALSE(style & (LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_SORTASCENDING | LVS_SORTDESCENDING));
    EXPECT_TRUE(exStyleOf(list) & WS_EX_CLIENTEDGE);
    const LRESULT extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ(extended & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_FALSE(extended & (LVS_EX_CHECKBOXES | LVS_EX_TRACKSELECT));

    wchar_t title[16] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_FMT;
    column.pszText = title;
    column.cchTextMax = 16;
    ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(column.cx, 70);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    EXPECT_EQ(std::wstring(title), L"名称");
    EXPECT_FALSE(SendMessageW(list, LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column))) << "one column only";
}

// Among the window's children the table order is the stacking order, each
// up-down directly below its edit box; the radio buttons stack in the group box.
TEST_F(Layout, StackingFollowsTheTable) {
    std::vector<HWND> expected;
    for (const ControlSpec& spec : controlTable()) {
        if (spec.parent) continue;
        expected.push_back(control(spec.id));
        if (spec.kind == ControlKind::EditBox) expected.push_back(window.upDownOf(spec.id));
    }
    std::vector<HWND> actual;
    for (HWND c = GetWindow(window.handle(), GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        actual.push_back(c);
    }
    EXPECT_EQ(actual, expected);

    HWND const group = control(ControlId::分组框3);
    EXPECT_EQ(GetWindow(group, GW_CHILD), control(ControlId::单选框_多行));
    EXPECT_EQ(GetWindow(control(ControlId::单选框_多行), GW_HWNDNEXT), control(ControlId::单选框_单行));
    EXPECT_EQ(GetWindow(control(ControlId::单选框_单行), GW_HWNDNEXT), nullptr);
}

}  // namespace
}  // namespace torvane::ui
