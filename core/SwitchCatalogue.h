#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "Text.h"

namespace torvane {

// One switch of the panel: the GBK label the user sees in the switch list and
// the ASCII identifier the target app reads from PanelOrder.plist.
struct SwitchEntry {
    std::string_view label;
    std::string_view identifier;
};

// The fixed table of the 24 switches; a row's position is its initial place
// in the switch list.
class SwitchCatalogue {
public:
    static constexpr std::size_t size() { return 24; }
    static const std::array<SwitchEntry, 24>& entries();
    static std::vector<Text> initialLabels();
    // Byte-exact lookup; the empty label matches no row.
    static std::optional<std::string_view> identifierFor(std::string_view label);
};

}  // namespace torvane
