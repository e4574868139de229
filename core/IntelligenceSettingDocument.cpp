#include "IntelligenceSettingDocument.h"

#include <string_view>

#include "NumberText.h"
#include "PlistPrologue.h"

namespace torvane {

namespace {
constexpr std::string_view kHeader =
    "<dict>\n"
    "\t<key>KBatteryDoctor_inSleepMode</key>\n\t<integer>0</integer>\n"
    "\t<key>LowBattery</key>\n\t<dict>\n"
    "\t\t<key>Enabled</key>\n\t\t<integer>0</integer>\n"
    "\t\t<key>Level</key>\n\t\t<integer>20</integer>\n"
    "\t</dict>\n";

// The target app reads the CR LF breaks before Background, Sleep and the
// closing </dict>, and a text without a final line break, as they stand.
constexpr std::string_view kThreeGOpen =
    "\t<key>3G</key>\n\t<dict>\n"
    "\t\t<key>Delay</key>\n\t\t<integer>60</integer>\n"
    "\t\t<key>Enabled</key>\n\t\t";
constexpr std::string_view kBackgroundOpen =
    "\r\n\t<key>Background</key>\n\t<dict>\n"
    "\t\t<key>Delay</key>\n\t\t<integer>600</integer>\n"
    "\t\t<key>Enabled</key>\n\t\t";
constexpr std::string_view kDictClose = "\n\t</dict>";
constexpr std::string_view kSleepOpen =
    "\r\n\t<key>Sleep</key>\n\t<dict>\n"
    "\t\t<key>BeginTime</key>\n\t\t<real>";
constexpr std::string_view kSleepEnabledOpen = "</real>\n\t\t<key>Enabled</key>\n\t\t";
constexpr std::string_view kSleepEndOpen = "\n\t\t<key>EndTime</key>\n\t\t<real>";
constexpr std::string_view kSleepClose =
    "</real>\n\t\t<key>OutState</key>\n\t\t<integer>-2</integer>\n\t</dict>";
constexpr std::string_view kFooter = "\r\n</dict>\n</plist>";

constexpr std::string_view flag(bool enabled) {
    return enabled ? "<integer>1</integer>" : "<integer>0</integer>";
}
}  // namespace

double secondsOfDay(double hours, double minutes) {
    // Each product and the sum are rounded to double: SSE arithmetic, and no
    // fused multiply-add under strict ISO C++ (-ffp-contract=off).
    return hours * 3600.0 + minutes * 60.0;
}

std::string buildIntelligenceSetting(bool lockScreen3GTo2G, bool timedBackgroundCleanup,
                                     bool timedSleep, const Text& sleepBeginHours,
                                     const Text& sleepBeginMinutes, const Text& sleepEndHours,
                                     const Text& sleepEndMinutes) {
    const double h1 = textToNumber(sleepBeginHours);
    const double m1 = textToNumber(sleepBeginMinutes);
    const double h2 = textToNumber(sleepEndHours);
    const double m2 = textToNumber(sleepEndMinutes);
    const std::string beginText = numberToText(secondsOfDay(h1, m1));
    const std::string endText = numberToText(secondsOfDay(h2, m2));

    std::string text;
    text.reserve(826 + beginText.size() + endText.size());
    text.append(kPlistPrologue).append(kHeader);
    text.append(kThreeGOpen).append(flag(lockScreen3GTo2G)).append(kDictClose);
    text.append(kBackgroundOpen).append(flag(timedBackgroundCleanup)).append(kDictClose);
    text.append(kSleepOpen).append(beginText);
    text.append(kSleepEnabledOpen).append(flag(timedSleep)).append(kSleepEndOpen).append(endText);
    text.append(kSleepClose).append(kFooter);
    return text;
}

}  // namespace torvane
