#pragma once

#include <string>

namespace torvane {

// PanelSetting.plist: six integer entries, three of them following the panel
// display options.
std::string buildPanelSetting(bool batteryCallout, bool singleRow, bool showTaskBar);

}  // namespace torvane
