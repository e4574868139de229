#include "PanelOrderDocument.h"

#include <string_view>

#include "PlistPrologue.h"
#include "SwitchCatalogue.h"

namespace torvane {

namespace {
constexpr std::string_view kArrayOpen = "<array>";
constexpr std::string_view kEntryOpen = "\t<string>";
constexpr std::string_view kEntryClose = "</string>";
constexpr std::string_view kFooter = "\n</array>\n</plist>\n";
}  // namespace

std::string buildPanelOrder(const std::vector<Text>& switchOrder) {
    std::string text;
    text.reserve(kPlistPrologue.size() + kArrayOpen.size() + kFooter.size() +
                 switchOrder.size() * 32);
    text.append(kPlistPrologue).append(kArrayOpen);
    // Entries share the line of <array>; an unknown label leaves no trace.
    for (const Text& label : switchOrder) {
        if (const auto identifier = SwitchCatalogue::identifierFor(label)) {
            text.append(kEntryOpen).append(*identifier).append(kEntryClose);
        }
    }
    text.append(kFooter);
    return text;
}

}  // namespace torvane
