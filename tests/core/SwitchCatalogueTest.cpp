#include "SwitchCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace torvane {
namespace {

TEST(SwitchCatalogue, HoldsTwentyFourDistinctSwitchesInListOrder) {
    const std::vector<Text> labels = SwitchCatalogue::initialLabels();
    ASSERT_EQ(labels.size(), 24u);
    EXPECT_EQ(SwitchCatalogue::size(), 24u);
    const std::vector<Text> head(labels.begin(), labels.begin() + 5);
    EXPECT_EQ(head, (std::vector<Text>{"WI-FI", "\xCA\xFD\xBE\xDD", "3G", "4G", "LTE"}));
    EXPECT_EQ(labels[21], "\xB9\xD8\xBB\xFA");                  // 关机
    EXPECT_EQ(labels[22], "\xC0\xB6\xD1\xC0");                  // 蓝牙
    EXPECT_EQ(labels[23], "\xCD\xBC\xB1\xEA\xD0\xDE\xB8\xB4");  // 图标修复

    std::set<std::string_view> distinctLabels, distinctIdentifiers;
    for (const SwitchEntry& entry : SwitchCatalogue::entries()) {
        EXPECT_GE(entry.label.size(), 2u);
        EXPECT_LE(entry.label.size(), 8u);
        distinctLabels.insert(entry.label);
        distinctIdentifiers.insert(entry.identifier);
    }
    EXPECT_EQ(distinctLabels.size(), 24u);
    EXPECT_EQ(distinctIdentifiers.size(), 24u);
}

TEST(SwitchCatalogue, LabelsWhoseIdentifierIsNotTheirTranslation) {
    EXPECT_EQ(SwitchCatalogue::identifierFor("WI-FI"), "WiFi");
    EXPECT_EQ(SwitchCatalogue::identifierFor("\xCB\xF8\xC6\xC1"), "SleepButton");  // 锁屏
    EXPECT_EQ(SwitchCatalogue::identifierFor("\xC9\xF9\xD2\xF4"), "Mute");         // 声音
    EXPECT_EQ(SwitchCatalogue::identifierFor("\xC1\xC1\xB6\xC8"), "Backlight");    // 亮度
}

TEST(SwitchCatalogue, LookupIsByteExact) {
    for (const char* label : {"wi-fi", "Wi-Fi", "WIFI", "WI-FI ", " WI-FI", "WI-F", "", "WiFi",
                              "\xE6\x95\xB0\xE6\x8D\xAE" /* 数据 in UTF-8 */,
                              "\xCA\xFD" /* half of 数据 */}) {
        EXPECT_EQ(SwitchCatalogue::identifierFor(label), std::nullopt) << '"' << label << '"';
    }
}

}  // namespace
}  // namespace torvane
