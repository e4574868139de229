#include "PanelSettingDocument.h"

#include <string_view>

#include "PlistPrologue.h"

namespace torvane {

namespace {
constexpr std::string_view kHeader =
    "<dict>\n"
    "\t<key>LaunchApp</key>\n\t<integer>0</integer>\n"
    "\t<key>SetNotificationShow</key>\n\t<integer>0</integer>\n"
    "\t<key>WeeBatteryViewEnabled</key>\n\t<integer>0</integer>";
constexpr std::string_view kFooter = "\n</dict>\n</plist>\n";

// One integer entry whose value is 0 or 1; each opens its own line.
struct FlagEntry {
    std::string_view whenOne;
    std::string_view whenZero;
    std::string_view pick(bool one) const { return one ? whenOne : whenZero; }
};
constexpr FlagEntry kPanelEnabled{"\n\t<key>PanelEnabled</key>\n\t<integer>1</integer>",
                                  "\n\t<key>PanelEnabled</key>\n\t<integer>0</integer>"};
constexpr FlagEntry kMultiLine{"\n\t<key>WeeMultiLineEnabled</key>\n\t<integer>1</integer>",
                               "\n\t<key>WeeMultiLineEnabled</key>\n\t<integer>0</integer>"};
constexpr FlagEntry kSwitchView{"\n\t<key>WeeSwitchViewEnabled</key>\n\t<integer>1</integer>",
                                "\n\t<key>WeeSwitchViewEnabled</key>\n\t<integer>0</integer>"};
}  // namespace

std::string buildPanelSetting(bool batteryCallout, bool singleRow, bool showTaskBar) {
    std::string text;
    text.reserve(498);
    text.append(kPlistPrologue).append(kHeader);
    text.append(kPanelEnabled.pick(batteryCallout));
    // The app stores the opposite: multi-line is on unless single row is chosen.
    text.append(kMultiLine.pick(!singleRow));
    text.append(kSwitchView.pick(showTaskBar));
    text.append(kFooter);
    return text;
}

}  // namespace torvane
