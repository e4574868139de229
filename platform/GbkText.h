#pragma once

#include <string>
#include <string_view>

#include "Text.h"

namespace torvane::platform {

// The program's texts are GBK; the window is a Unicode window. Both directions
// name code page 936 explicitly, so the system's ANSI code page plays no part.
inline constexpr unsigned kGbkCodePage = 936;

std::wstring gbkToWide(std::string_view gbk);
Text wideToGbk(std::wstring_view wide);

}  // namespace torvane::platform
