#include "GenerationRun.h"

#include <gtest/gtest.h>

#include <map>

#include "FakeOutputPlatform.h"
#include "IntelligenceSettingDocument.h"
#include "PanelOrderDocument.h"
#include "PanelSettingDocument.h"
#include "SwitchCatalogue.h"

namespace torvane {
namespace {

using testing::FakeOutputPlatform;

// The window as it stands right after start.
class FakeWindow final : public ControlStates {
public:
    FakeWindow() { fillWithCatalogue(list); }

    const SwitchListModel& switchList() const override { return list; }
    bool isChecked(OptionBox box) const override { return checked.at(box); }
    Text sleepText(SleepField field) const override { return texts.at(field); }

    MemorySwitchList list;
    std::map<OptionBox, bool> checked{
        {OptionBox::BatteryCallout, false},   {OptionBox::SingleRow, false},
        {OptionBox::ShowTaskBar, true},       {OptionBox::LockScreen3GTo2G, false},
        {OptionBox::TimedBackgroundCleanup, false}, {OptionBox::TimedSleep, false}};
    std::map<SleepField, Text> texts{{SleepField::BeginHours, "0"},
                                     {SleepField::BeginMinutes, "0"},
                                     {SleepField::EndHours, "6"},
                                     {SleepField::EndMinutes, "0"}};
};

const Text kDir = "C:\\Tools\\";

TEST(GenerationRun, ReadsEveryControlIntoTheSettings) {
    FakeWindow window;
    window.checked[OptionBox::BatteryCallout] = true;
    window.checked[OptionBox::TimedSleep] = true;
    window.texts[SleepField::EndMinutes] = "45";
    window.list.selectItem(2);
    const GeneratorSettings settings = readSettings(window);
    EXPECT_EQ(settings.switchOrder, SwitchCatalogue::initialLabels());
    EXPECT_TRUE(settings.batteryCallout);
    EXPECT_FALSE(settings.singleRow);
    EXPECT_TRUE(settings.showTaskBar);
    EXPECT_FALSE(settings.lockScreen3GTo2G);
    EXPECT_FALSE(settings.timedBackgroundCleanup);
    EXPECT_TRUE(settings.timedSleep);
    EXPECT_EQ(settings.sleepBeginHours, "0");
    EXPECT_EQ(settings.sleepBeginMinutes, "0");
    EXPECT_EQ(settings.sleepEndHours, "6");
    EXPECT_EQ(settings.sleepEndMinutes, "45");
}

TEST(GenerationRun, UntouchedWindowWritesTheInitialDocuments) {
    FakeWindow window;
    FakeOutputPlatform platform;
    EXPECT_TRUE(runGeneration(window, OutputWriter(platform)));

    ASSERT_EQ(platform.files.size(), 3u);
    const std::string& order = platform.files.at(kDir + "PanelOrder.plist");
    const std::string& setting = platform.files.at(kDir + "PanelSetting.plist");
    const std::string& intelligence = platform.files.at(kDir + "IntelligenceSetting.plist");
    EXPECT_EQ(order, buildPanelOrder(SwitchCatalogue::initialLabels()));
    EXPECT_EQ(setting, buildPanelSetting(false, false, true));
    EXPECT_EQ(intelligence, buildIntelligenceSetting(false, false, false, "0", "0", "6", "0"));
    EXPECT_EQ(order.size(), 788u);
    EXPECT_EQ(setting.size(), 498u);
    EXPECT_EQ(intelligence.size(), 832u);
    EXPECT_NE(setting.find("<key>PanelEnabled</key>\n\t<integer>0<"), std::string::npos);
    EXPECT_NE(setting.find("<key>WeeMultiLineEnabled</key>\n\t<integer>1<"), std::string::npos);
    EXPECT_NE(setting.find("<key>WeeSwitchViewEnabled</key>\n\t<integer>1<"), std::string::npos);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].second, kSuccessMessage);
}

TEST(GenerationRun, SelectionPlaysNoPartAndTwoRunsWriteTheSameBytes) {
    FakeWindow window;
    FakeOutputPlatform first, second;
    runGeneration(window, OutputWriter(first));
    window.list.selectItem(7);
    runGeneration(window, OutputWriter(second));
    EXPECT_EQ(first.files, second.files);
}

TEST(GenerationRun, MovedSwitchesAndOptionsReachTheFiles) {
    FakeWindow window;
    window.list.selectItem(5);  // 清理后台
    for (int i = 0; i < 5; ++i) window.list.moveSelectedUp();
    window.checked[OptionBox::SingleRow] = true;
    window.checked[OptionBox::TimedSleep] = true;
    window.texts[SleepField::BeginHours] = "22";
    window.texts[SleepField::BeginMinutes] = "30";
    FakeOutputPlatform platform;
    EXPECT_TRUE(runGeneration(window, OutputWriter(platform)));

    const std::string& order = platform.files.at(kDir + "PanelOrder.plist");
    EXPECT_NE(order.find("<array>\t<string>KillBackground</string>\t<string>WiFi</string>"),
              std::string::npos);
    EXPECT_NE(platform.files.at(kDir + "PanelSetting.plist")
                  .find("<key>WeeMultiLineEnabled</key>\n\t<integer>0<"),
              std::string::npos);
    const std::string& intelligence = platform.files.at(kDir + "IntelligenceSetting.plist");
    EXPECT_NE(intelligence.find("<real>81000</real>\n\t\t<key>Enabled</key>\n\t\t<integer>1<"),
              std::string::npos);
}

TEST(GenerationRun, FailedWriteLeavesTheLaterFilesAlone) {
    FakeWindow window;
    FakeOutputPlatform platform;
    platform.files[kDir + "IntelligenceSetting.plist"] = "from an earlier run";
    platform.refuseOpen.insert(kDir + "PanelSetting.plist");
    EXPECT_FALSE(runGeneration(window, OutputWriter(platform)));
    EXPECT_EQ(platform.files.at(kDir + "PanelOrder.plist").size(), 788u);
    EXPECT_EQ(platform.files.count(kDir + "PanelSetting.plist"), 0u);
    EXPECT_EQ(platform.files.at(kDir + "IntelligenceSetting.plist"), "from an earlier run");
    EXPECT_EQ(platform.messages.at(0).second, kFailureMessage);
}

}  // namespace
}  // namespace torvane
