#include "ProgramDirectory.h"

namespace torvane {

bool isGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::optional<Text> programDirectoryFromModulePath(std::string_view reportedPath,
                                                   std::size_t bufferSize,
                                                   LeadByteTest isLeadByte) {
    // A report that fills the buffer may be a path cut short; an empty one is
    // the platform's failure. Either way the folder is unknown.
    if (reportedPath.empty() || reportedPath.size() >= bufferSize) {
        return std::nullopt;
    }
    // Walk character by character so that a 0x5C trail byte is never taken
    // for a backslash.
    std::size_t cut = 0;
    bool found = false;
    for (std::size_t i = 0; i < reportedPath.size();) {
        const auto byte = static_cast<unsigned char>(reportedPath[i]);
        if (byte == '\\') {
            cut = i;
            found = true;
        }
        i += (isLeadByte(byte) && i + 1 < reportedPath.size()) ? 2 : 1;
    }
    return found ? Text(reportedPath.substr(0, cut)) : Text{};
}

}  // namespace torvane
