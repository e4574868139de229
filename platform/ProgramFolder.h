#pragma once

#include <optional>

#include "Text.h"

namespace torvane::platform {

// Finds the folder of the running executable (ANSI, cut with the system's own
// double-byte rules) and makes it the current directory. None when the module
// path could not be read whole.
std::optional<Text> establishProgramDirectory();

}  // namespace torvane::platform
