#include <vector>

#include "KeyboardNavigation.h"
#include "GenerationRun.h"
#include "UntouchedSettings.h"
#include "WindowFixture.h"

namespace torvane::ui {
namespace {

using Keyboard = WindowFixture;
using Id = ControlId;

TEST(FocusOrder, FollowsTheKeysWithEqualKeysInReverseTableOrder) {
    const std::vector<ControlId> expected{
        Id::选择框_任务栏, Id::按钮_生成, Id::选择框_自动睡眠, Id::编辑框1, Id::编辑框2,    Id::编辑框3,
        Id::编辑框4,        Id::选择框_自动切换, Id::选择框_自动清理, Id::单选框_单行, Id::单选框_多行,
        Id::选择框_电池, Id::按钮_上移,        Id::按钮_下移};
    EXPECT_EQ(focusOrder(), expected);
}

// Pressing Tab (or Shift+Tab) once from every stop walks the whole order.
void expectCycle(Keyboard& test, const std::vector<ControlId>& order, bool forward) {
    for (std::size_t i = 0; i < order.size(); ++i) {
        const ControlId from = order[i];
        const ControlId to = forward ? order[(i + 1) % order.size()] : order[(i + order.size() - 1) % order.size()];
        ASSERT_TRUE(test.focusOn(from));
        testing::pressKey(VK_TAB, !forward);
        EXPECT_TRUE(test.waitFor([&] { return GetFocus() == test.window.control(to); }))
            << (forward ? "Tab" : "Shift+Tab") << " from " << specOf(from).name << " should reach " << specOf(to).name;
    }
}

TEST_F(Keyboard, TabAndShiftTabFollowTheFocusOrderWithFieldsDisabled) {
    const std::vector<ControlId> order{Id::选择框_任务栏,     Id::按钮_生成, Id::选择框_自动睡眠,
                                       Id::选择框_自动切换,  Id::选择框_自动清理, Id::单选框_单行,
                                       Id::单选框_多行,    Id::选择框_电池,   Id::按钮_上移,
                                       Id::按钮_下移};
    expectCycle(*this, order, true);
    expectCycle(*this, order, false);
}

TEST_F(Keyboard, TabAndShiftTabReachTheEnabledSleepFields) {
    ASSERT_TRUE(enableSleepFields());
    const std::vector<ControlId> order{Id::选择框_任务栏, Id::按钮_生成, Id::选择框_自动睡眠, Id::编辑框1,
                                       Id::编辑框2,        Id::编辑框3,          Id::编辑框4,          Id::选择框_自动切换,
                                       Id::选择框_自动清理, Id::单选框_单行, Id::单选框_多行, Id::选择框_电池,
                                       Id::按钮_上移,     Id::按钮_下移};
    expectCycle(*this, order, true);
    expectCycle(*this, order, false);
}

TEST_F(Keyboard, SwitchListIsNoStopButEntersTheOrderByTableNumber) {
    for (const bool fieldsEnabled : {false, true}) {
        if (fieldsEnabled) {
            ASSERT_TRUE(enableSleepFields());
        }
        ASSERT_TRUE(focusOn(Id::超级列表框1));
        testing::pressKey(VK_TAB);
        EXPECT_TRUE(waitFor([&] { return GetFocus() == control(Id::单选框_单行); }));
        ASSERT_TRUE(focusOn(Id::超级列表框1));
        testing::pressKey(VK_TAB, true);
        EXPECT_TRUE(waitFor([&] { return GetFocus() == control(Id::选择框_自动清理); }));
    }
}

TEST(FocusRules, ControlBeforeEveryStopEntersAtTheEnds) {
    const auto all = [](ControlId) { return true; };
    EXPECT_EQ(nextFocusStop(Id::标签12, true, all), Id::选择框_任务栏);
    EXPECT_EQ(nextFocusStop(Id::标签12, false, all), Id::按钮_下移);
    EXPECT_EQ(nextFocusStop(Id::标签11, true, all), std::optional<ControlId>(Id::选择框_任务栏));
    EXPECT_EQ(nextFocusStop(Id::选择框_任务栏, true, [](ControlId) { return false; }), std::nullopt);
}

struct ArrowCase {
    WORD key;
    ControlId from;
    ControlId to;
};

TEST_F(Keyboard, ArrowsOnARadioButtonSelectTheOtherAndWrap) {
    const ArrowCase cases[] = {
        {VK_RIGHT, Id::单选框_多行, Id::单选框_单行}, {VK_DOWN, Id::单选框_单行, Id::单选框_多行},
        {VK_LEFT, Id::单选框_多行, Id::单选框_单行},  {VK_UP, Id::单选框_单行, Id::单选框_多行},
    };
    for (const ArrowCase& c : cases) {
        ASSERT_TRUE(focusOn(c.from));
        testing::pressKey(c.key);
        ASSERT_TRUE(waitFor([&] { return GetFocus() == control(c.to) && isChecked(c.to); }))
            << "key " << c.key << " from " << specOf(c.from).name;
        EXPECT_FALSE(isChecked(c.from));
    }
}

TEST_F(Keyboard, EnterOnTheGenerateButtonDoesNothingAndSpaceGenerates) {
    ASSERT_TRUE(focusOn(Id::按钮_生成));
    testing::pressKey(VK_RETURN);
    settle();
    settle();
    EXPECT_TRUE(output.calls.empty());
    EXPECT_EQ(GetFocus(), control(Id::按钮_生成));

    testing::pressKey(VK_SPACE);
    ASSERT_TRUE(waitFor([&] { return output.messages.size() == 1; }));
    EXPECT_EQ(output.messages[0].second, Text(kSuccessMessage));
    const DocumentSet expected = buildDocuments(testing::untouchedSettings());
    ASSERT_EQ(output.files.size(), 3u);
    for (const Document& document : expected) {
        EXPECT_EQ(output.files.at("C:\\Tools\\" + std::string(document.fileName)), document.text);
    }
}

TEST_F(Keyboard, WindowRemembersTheFocusWhenReactivated) {
    ASSERT_TRUE(enableSleepFields());
    ASSERT_TRUE(focusOn(Id::编辑框3));

    const platform::UniqueWindow other(CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                                       200, 100, nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(other.get());
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == other.get(); }));
    SetFocus(other.get());

    SetForegroundWindow(window.handle());
    EXPECT_TRUE(waitFor([&] { return GetFocus() == control(Id::编辑框3); }));
}

class EscapeCloses : public Keyboard, public ::testing::WithParamInterface<ControlId> {};

TEST_P(EscapeCloses, FromTheFocusedControl) {
    if (GetParam() == Id::编辑框2) {
        ASSERT_TRUE(enableSleepFields());
    }
    ASSERT_TRUE(focusOn(GetParam()));
    testing::pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitFor([&] { return window.handle() == nullptr; }));
    EXPECT_TRUE(output.calls.empty()) << "closing writes nothing";
}

INSTANTIATE_TEST_SUITE_P(Controls, EscapeCloses,
                         ::testing::Values(Id::选择框_任务栏, Id::超级列表框1, Id::编辑框2, Id::按钮_生成,
                                           Id::单选框_多行));

}  // namespace
}  // namespace torvane::ui
