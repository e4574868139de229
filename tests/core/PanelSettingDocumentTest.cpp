#include "PanelSettingDocument.h"

#include <gtest/gtest.h>

#include "DocumentTestSupport.h"

namespace torvane {
namespace {

using testing::countOf;
using testing::kExpectedPrologue;

std::string expected(int panel, int multiLine, int switchView) {
    const auto entry = [](const char* key, int value) {
        return std::string("\n\t<key>") + key + "</key>\n\t<integer>" + std::to_string(value) +
               "</integer>";
    };
    return kExpectedPrologue + "<dict>" + entry("LaunchApp", 0) +
           entry("SetNotificationShow", 0) + entry("WeeBatteryViewEnabled", 0) +
           entry("PanelEnabled", panel) + entry("WeeMultiLineEnabled", multiLine) +
           entry("WeeSwitchViewEnabled", switchView) + "\n</dict>\n</plist>\n";
}

TEST(PanelSettingDocument, EveryCombinationOfTheThreeOptions) {
    for (int mask = 0; mask < 8; ++mask) {
        const bool battery = mask & 1, singleRow = mask & 2, taskBar = mask & 4;
        const std::string text = buildPanelSetting(battery, singleRow, taskBar);
        SCOPED_TRACE(mask);
        // Multi-line is written as the opposite of the single-row choice.
        EXPECT_EQ(text, expected(battery, !singleRow, taskBar));
        EXPECT_EQ(text.size(), 498u);
        EXPECT_EQ(countOf(text, '\r'), 0u);
    }
}

}  // namespace
}  // namespace torvane
