#include <climits>

#include "SleepFields.h"
#include "WindowFixture.h"

namespace torvane::ui {
namespace {

using SleepFields = WindowFixture;

TEST_F(SleepFields, SleepBoxEnablesAndDisablesAllFourWithTheirUpDowns) {
    ASSERT_TRUE(enableSleepFields());
    for (const SleepFieldRange& field : kSleepFieldRanges) {
        EXPECT_TRUE(IsWindowEnabled(control(field.edit)));
        EXPECT_TRUE(IsWindowEnabled(window.upDownOf(field.edit)));
    }
    testing::pressKey(VK_SPACE);
    ASSERT_TRUE(waitFor([&] { return !isChecked(ControlId::选择框_自动睡眠); }));
    for (const SleepFieldRange& field : kSleepFieldRanges) {
        EXPECT_FALSE(IsWindowEnabled(control(field.edit)));
        EXPECT_FALSE(IsWindowEnabled(window.upDownOf(field.edit)));
    }
    EXPECT_EQ(textOf(ControlId::编辑框1), L"0");
    EXPECT_EQ(textOf(ControlId::编辑框3), L"6");
}

TEST_F(SleepFields, TypingKeepsOnlyDigitsMinusAndControlCharacters) {
    ASSERT_TRUE(enableSleepFields());
    HWND const edit = control(ControlId::编辑框2);
    ASSERT_TRUE(focusOn(ControlId::编辑框2));
    SetWindowTextW(edit, L"");
    testing::typeText(L"1a.5");
    ASSERT_TRUE(waitFor([&] { return textOf(ControlId::编辑框2) == L"15"; })) << "got " << ::testing::PrintToString(textOf(ControlId::编辑框2));

    SendMessageW(edit, EM_SETSEL, 1, 1);
    testing::typeText(L"-\u4E2D\uFF11x");  // a minus between the digits; a CJK and a full-width digit are dropped
    testing::pressKey(VK_END);
    testing::typeText(L"-");
    ASSERT_TRUE(waitFor([&] { return textOf(ControlId::编辑框2) == L"1-5-"; }));

    testing::pressKey(VK_BACK);
    ASSERT_TRUE(waitFor([&] { return textOf(ControlId::编辑框2) == L"1-5"; })) << "Backspace still edits";
}

TEST_F(SleepFields, PastedTextIsNotFiltered) {
    ASSERT_TRUE(enableSleepFields());
    HWND const edit = control(ControlId::编辑框1);
    SetWindowTextW(edit, L"");
    ASSERT_TRUE(OpenClipboard(window.handle()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(L"ab"));
    memcpy(GlobalLock(memory), L"ab", sizeof(L"ab"));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);  // the clipboard owns it now
    CloseClipboard();

    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(textOf(ControlId::编辑框1), L"ab");
}

struct StepCase {
    ControlId edit;
    const wchar_t* before;
    bool up;
    const wchar_t* after;
};

// Clicks on the arrows of the real up-down buttons; the new value comes from
// the edit box's text alone.
TEST_F(SleepFields, UpDownArrowsStepTheTextAndWrap) {
    const StepCase cases[] = {
        {ControlId::编辑框2, L"59", true, L"0"},  {ControlId::编辑框2, L"0", false, L"59"},
        {ControlId::编辑框1, L"23", true, L"0"},  {ControlId::编辑框1, L"0", false, L"23"},
        {ControlId::编辑框4, L"75", true, L"0"},  {ControlId::编辑框4, L"75", false, L"59"},
        {ControlId::编辑框2, L"-3", true, L"0"},  {ControlId::编辑框2, L"-3", false, L"59"},
        {ControlId::编辑框3, L"ab", true, L"1"},  {ControlId::编辑框3, L"ab", false, L"23"},
        {ControlId::编辑框2, L"", true, L"1"},    {ControlId::编辑框3, L"6", true, L"7"},
        {ControlId::编辑框4, L" +12x", false, L"11"},
    };
    ASSERT_TRUE(enableSleepFields());
    for (const StepCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.before)) + (c.up ? " up" : " down"));
        HWND const edit = control(c.edit);
        HWND const upDown = window.upDownOf(c.edit);
        SetWindowTextW(edit, c.before);
        ASSERT_TRUE(focusOn(ControlId::选择框_自动睡眠));
        RECT area{};
        GetClientRect(upDown, &area);
        const POINT arrow = testing::screenPointOf(upDown, area.right / 2, c.up ? area.bottom / 4 : area.bottom * 3 / 4);
        ASSERT_TRUE(clickAt(arrow));
        ASSERT_TRUE(waitFor([&] { return textOf(c.edit) == c.after; })) << "got " << ::testing::PrintToString(textOf(c.edit));
        EXPECT_EQ(GetFocus(), edit);
        DWORD start = 1, end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, wcslen(c.after)) << "the whole text is selected";
    }
}

TEST_F(SleepFields, DisabledBoxIgnoresAStep) {
    stepSleepField(control(ControlId::编辑框3), kSleepFieldRanges[2], true);
    EXPECT_EQ(textOf(ControlId::编辑框3), L"6");
    EXPECT_EQ(GetFocus(), control(ControlId::选择框_任务栏));
}

TEST(LeadingInteger, ReadsLikeAtoi) {
    const std::pair<const wchar_t*, int> cases[] = {
        {L"", 0},       {L"ab", 0},        {L"-", 0},          {L"17", 17},
        {L"  \t42", 42}, {L"+8", 8},        {L"-3", -3},        {L"12ab34", 12},
        {L"1 2", 1},    {L"--1", 0},       {L"\uFF11", 0},     {L"99999999999999", INT_MAX},
        {L"-99999999999999", INT_MIN},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(leadingInteger(text), value) << ::testing::PrintToString(std::wstring(text));
    }
}

TEST(SteppedValue, ExtremeTextsWrapWithoutOverflow) {
    const SleepFieldRange minutes{ControlId::编辑框2, 0, 59};
    EXPECT_EQ(steppedValue(L"99999999999999", minutes, true), 0);
    EXPECT_EQ(steppedValue(L"-99999999999999", minutes, false), 59);
    EXPECT_EQ(steppedValue(L"30", minutes, false), 29);
}

}  // namespace
}  // namespace torvane::ui
