#pragma once

#include <array>
#include <string>
#include <string_view>

namespace torvane {

// One finished document: the file name it is written under and its bytes.
struct Document {
    std::string_view fileName;
    std::string text;
};

inline constexpr std::string_view kPanelOrderFileName = "PanelOrder.plist";
inline constexpr std::string_view kPanelSettingFileName = "PanelSetting.plist";
inline constexpr std::string_view kIntelligenceSettingFileName = "IntelligenceSetting.plist";

// The three documents of a run, in the order they are written.
using DocumentSet = std::array<Document, 3>;

}  // namespace torvane
