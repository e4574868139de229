#include "IntelligenceSettingDocument.h"

#include <gtest/gtest.h>

#include "DocumentTestSupport.h"

namespace torvane {
namespace {

using testing::countOf;
using testing::kExpectedPrologue;

// The text between <real> and </real> for the n-th time (0 = begin, 1 = end).
std::string realText(const std::string& document, int n) {
    std::size_t at = 0;
    for (int i = 0; i <= n; ++i) at = document.find("<real>", at) + 6;
    return document.substr(at, document.find("</real>", at) - at);
}

TEST(IntelligenceSettingDocument, InitialStateByteForByte) {
    const std::string text = buildIntelligenceSetting(false, false, false, "0", "0", "6", "0");
    EXPECT_EQ(text,
              kExpectedPrologue +
                  "<dict>\n"
                  "\t<key>KBatteryDoctor_inSleepMode</key>\n\t<integer>0</integer>\n"
                  "\t<key>LowBattery</key>\n\t<dict>\n"
                  "\t\t<key>Enabled</key>\n\t\t<integer>0</integer>\n"
                  "\t\t<key>Level</key>\n\t\t<integer>20</integer>\n\t</dict>\n"
                  "\t<key>3G</key>\n\t<dict>\n"
                  "\t\t<key>Delay</key>\n\t\t<integer>60</integer>\n"
                  "\t\t<key>Enabled</key>\n\t\t<integer>0</integer>\n\t</dict>\r\n"
                  "\t<key>Background</key>\n\t<dict>\n"
                  "\t\t<key>Delay</key>\n\t\t<integer>600</integer>\n"
                  "\t\t<key>Enabled</key>\n\t\t<integer>0</integer>\n\t</dict>\r\n"
                  "\t<key>Sleep</key>\n\t<dict>\n"
                  "\t\t<key>BeginTime</key>\n\t\t<real>0</real>\n"
                  "\t\t<key>Enabled</key>\n\t\t<integer>0</integer>\n"
                  "\t\t<key>EndTime</key>\n\t\t<real>21600</real>\n"
                  "\t\t<key>OutState</key>\n\t\t<integer>-2</integer>\n\t</dict>\r\n"
                  "</dict>\n</plist>");
    EXPECT_EQ(text.size(), 832u);
}

TEST(IntelligenceSettingDocument, FlagsSelectTheirEnabledValues) {
    const std::string allOn = buildIntelligenceSetting(true, true, true, "0", "0", "6", "0");
    const std::string allOff = buildIntelligenceSetting(false, false, false, "0", "0", "6", "0");
    EXPECT_EQ(allOn.size(), allOff.size());
    const auto enabledValues = [](const std::string& text) {
        std::string values;
        for (std::size_t at = text.find("<key>Enabled</key>"); at != std::string::npos;
             at = text.find("<key>Enabled</key>", at + 1)) {
            values.push_back(text[text.find("<integer>", at) + 9]);
        }
        return values;
    };
    // LowBattery stays off; 3G, Background and Sleep follow the flags.
    EXPECT_EQ(enabledValues(allOff), "0000");
    EXPECT_EQ(enabledValues(allOn), "0111");
    EXPECT_EQ(enabledValues(buildIntelligenceSetting(false, true, false, "", "", "", "")), "0010");
}

TEST(IntelligenceSettingDocument, LineBreaksAreMixedAndTheTextHasNoFinalBreak) {
    const std::string text = buildIntelligenceSetting(true, false, true, "22", "30", "7", "15");
    EXPECT_EQ(countOf(text, '\r'), 3u);
    for (std::size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at + 1)) {
        EXPECT_EQ(text[at + 1], '\n');
    }
    EXPECT_EQ(text.substr(text.size() - 8), "</plist>");
    EXPECT_EQ(text.size(), 826u + realText(text, 0).size() + realText(text, 1).size());
}

TEST(IntelligenceSettingDocument, SleepTimesAreSecondsOfTheDay) {
    struct Case {
        const char *hours, *minutes, *seconds;
    };
    const Case cases[] = {
        {"22", "30", "81000"},
        {"0", "90", "5400"},  // nothing wraps or clamps
        {"", "", "0"},
        {"23", "0", "82800"},
        {"1e10", "0", "3.6e+013"},
        {"1e305", "0", "1.#INF"},
        {"1e400", "-1e400", "-1.#IND"},
        {"-0", "-0", "0"},
        {"0", "20576131501.875", "1234567890113"},
        {"0", "0.097222708331875", "5.833362499913"},
        {"-1", "0", "-3600"},
        {"\xA3\xB2\xA3\xB2", "\xA3\xB3\xA3\xB0", "81000"},  // full-width ２２ and ３０
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hours) + ":" + c.minutes);
        // The same computation fills the begin and the end, whatever the flags.
        const std::string asBegin = buildIntelligenceSetting(false, false, false, c.hours,
                                                             c.minutes, "6", "0");
        const std::string asEnd = buildIntelligenceSetting(false, false, true, "23", "0",
                                                           c.hours, c.minutes);
        EXPECT_EQ(realText(asBegin, 0), c.seconds);
        EXPECT_EQ(realText(asEnd, 1), c.seconds);
        EXPECT_EQ(realText(asEnd, 0), "82800");  // a begin after the end stays as it is
    }
}

}  // namespace
}  // namespace torvane
