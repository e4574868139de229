#pragma once

#include <string>

namespace torvane {

// A text of the program: GBK (code page 936) bytes, never holding a zero byte.
// The empty text and an absent text are the same value.
using Text = std::string;

}  // namespace torvane
