#pragma once

#include <algorithm>
#include <string>

namespace torvane::testing {

// The opening of every document, spelled out independently of the program.
inline const std::string kExpectedPrologue =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n";

inline std::size_t countOf(const std::string& text, char c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

}  // namespace torvane::testing
