#include "GenerationRun.h"
#include "ListViewSwitchList.h"
#include "SwitchCatalogue.h"
#include "UntouchedSettings.h"
#include "WindowControlStates.h"
#include "WindowFixture.h"

namespace torvane::ui {
namespace {

using InitialState = WindowFixture;

void expectSameSettings(const GeneratorSettings& actual, const GeneratorSettings& expected) {
    EXPECT_EQ(actual.switchOrder, expected.switchOrder);
    EXPECT_EQ(actual.batteryCallout, expected.batteryCallout);
    EXPECT_EQ(actual.singleRow, expected.singleRow);
    EXPECT_EQ(actual.showTaskBar, expected.showTaskBar);
    EXPECT_EQ(actual.lockScreen3GTo2G, expected.lockScreen3GTo2G);
    EXPECT_EQ(actual.timedBackgroundCleanup, expected.timedBackgroundCleanup);
    EXPECT_EQ(actual.timedSleep, expected.timedSleep);
    EXPECT_EQ(actual.sleepBeginHours, expected.sleepBeginHours);
    EXPECT_EQ(actual.sleepBeginMinutes, expected.sleepBeginMinutes);
    EXPECT_EQ(actual.sleepEndHours, expected.sleepEndHours);
    EXPECT_EQ(actual.sleepEndMinutes, expected.sleepEndMinutes);
}

TEST_F(InitialState, ChecksRadiosAndSleepFieldsStartAsDescribed) {
    EXPECT_TRUE(isChecked(ControlId::选择框_任务栏));
    for (const ControlId id : {ControlId::选择框_电池, ControlId::选择框_自动切换, ControlId::选择框_自动清理,
                               ControlId::选择框_自动睡眠, ControlId::单选框_单行}) {
        EXPECT_FALSE(isChecked(id)) << specOf(id).name;
    }
    EXPECT_TRUE(isChecked(ControlId::单选框_多行));

    const std::pair<ControlId, const wchar_t*> fields[] = {
        {ControlId::编辑框1, L"0"}, {ControlId::编辑框2, L"0"}, {ControlId::编辑框3, L"6"}, {ControlId::编辑框4, L"0"}};
    for (const auto& [id, text] : fields) {
        EXPECT_EQ(textOf(id), text);
        EXPECT_FALSE(IsWindowEnabled(control(id)));
        EXPECT_FALSE(IsWindowEnabled(window.upDownOf(id)));
        DWORD start = 1, end = 1;
        SendMessageW(control(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u) << "caret at the start, nothing selected";
        EXPECT_EQ(end, 0u);
    }
    EXPECT_EQ(GetFocus(), control(ControlId::选择框_任务栏));
}

TEST_F(InitialState, SwitchListHoldsTheCatalogueWithNothingSelected) {
    const ListViewSwitchList list(control(ControlId::超级列表框1));
    ASSERT_EQ(list.itemCount(), 24u);
    const auto& entries = SwitchCatalogue::entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(list.itemText(i), entries[i].label) << i;
    }
    EXPECT_TRUE(list.selectedIndices().empty());
    EXPECT_EQ(list.itemText(24), "") << "no row there";
}

TEST_F(InitialState, GenerationReadsTheUntouchedWindow) {
    const ListViewSwitchList list(control(ControlId::超级列表框1));
    const WindowControlStates states(list, [this](ControlId id) { return control(id); });
    expectSameSettings(readSettings(states), testing::untouchedSettings());
}

// A changed window reads back as changed: options, row mode, a disabled edit
// box's text and a moved row.
TEST_F(InitialState, GenerationReadsChangedControls) {
    SendMessageW(control(ControlId::选择框_电池), BM_CLICK, 0, 0);
    SendMessageW(control(ControlId::单选框_单行), BM_CLICK, 0, 0);
    SendMessageW(control(ControlId::选择框_任务栏), BM_CLICK, 0, 0);
    SendMessageW(control(ControlId::选择框_自动清理), BM_CLICK, 0, 0);
    SetWindowTextW(control(ControlId::编辑框3), L"２3");  // a full-width digit goes through as GBK
    ListViewSwitchList list(control(ControlId::超级列表框1));
    list.selectItem(1);
    ASSERT_EQ(list.moveSelectedUp(), MoveOutcome::Moved);

    GeneratorSettings expected = testing::untouchedSettings();
    std::swap(expected.switchOrder[0], expected.switchOrder[1]);
    expected.batteryCallout = true;
    expected.singleRow = true;
    expected.showTaskBar = false;
    expected.timedBackgroundCleanup = true;
    expected.sleepEndHours = "\xA3\xB2" "3";
    const WindowControlStates states(list, [this](ControlId id) { return control(id); });
    expectSameSettings(readSettings(states), expected);
}

}  // namespace
}  // namespace torvane::ui
