#include "PanelOrderDocument.h"

#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "SwitchCatalogue.h"

namespace torvane {
namespace {

using testing::countOf;
using testing::kExpectedPrologue;

const std::string kHeader = kExpectedPrologue + "<array>";
const std::string kFooter = "\n</array>\n</plist>\n";

TEST(PanelOrderDocument, InitialOrderListsEveryIdentifierOnTheArrayLine) {
    const std::string text = buildPanelOrder(SwitchCatalogue::initialLabels());
    EXPECT_EQ(text,
              kHeader +
                  "\t<string>WiFi</string>\t<string>Data</string>\t<string>3G</string>"
                  "\t<string>4G</string>\t<string>LTE</string>\t<string>KillBackground</string>"
                  "\t<string>HomeButton</string>\t<string>Airplane</string>"
                  "\t<string>Location</string>\t<string>DND</string>"
                  "\t<string>Flashlight</string>\t<string>SleepButton</string>"
                  "\t<string>Rotation</string>\t<string>Backlight</string>"
                  "\t<string>AutoLock</string>\t<string>Mute</string>"
                  "\t<string>ClearBadge</string>\t<string>VPN</string>"
                  "\t<string>Hotspot</string>\t<string>Respring</string>"
                  "\t<string>Reboot</string>\t<string>Shutdown</string>"
                  "\t<string>Bluetooth</string>\t<string>Uicache</string>" +
                  kFooter);
    EXPECT_EQ(text.size(), 788u);
    EXPECT_EQ(countOf(text, '\r'), 0u);
}

TEST(PanelOrderDocument, EntriesFollowTheLabelsGiven) {
    struct Case {
        std::vector<Text> order;
        std::string entries;
    };
    const Case cases[] = {
        {{}, ""},
        {{"\xCA\xFD\xBE\xDD"}, "\t<string>Data</string>"},
        {{"VPN", "unknown", "", "wifi", "3G"}, "\t<string>VPN</string>\t<string>3G</string>"},
        {{"LTE", "LTE"}, "\t<string>LTE</string>\t<string>LTE</string>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(buildPanelOrder(c.order), kHeader + c.entries + kFooter);
    }
    EXPECT_EQ(buildPanelOrder({}).size(), 190u);
}

}  // namespace
}  // namespace torvane
