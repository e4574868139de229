#pragma once

#include <string>

namespace torvane::platform {

// Asks the shell to open a web page; whatever happens is not looked at.
void openWebPage(const std::wstring& address);

}  // namespace torvane::platform
