#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "Text.h"

namespace torvane {

// Tells whether a byte opens a double-byte character in the system's ANSI
// code page.
using LeadByteTest = bool (*)(unsigned char byte);

// GBK's lead bytes, 0x81 to 0xFE.
bool isGbkLeadByte(unsigned char byte);

// The executable's folder from the module path the platform reported into a
// buffer of bufferSize bytes (terminating zero included): everything before
// the last backslash that is not the second byte of a double-byte character.
// A path that filled the buffer may have been cut short and is refused, and
// so is an empty report (the platform's failure).
std::optional<Text> programDirectoryFromModulePath(std::string_view reportedPath,
                                                   std::size_t bufferSize,
                                                   LeadByteTest isLeadByte);

}  // namespace torvane
