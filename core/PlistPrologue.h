#pragma once

#include <string_view>

namespace torvane {

// The XML declaration, the property-list DTD and the opening <plist> tag that
// all three documents begin with.
inline constexpr std::string_view kPlistPrologue =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n";

static_assert(kPlistPrologue.size() == 164);

}  // namespace torvane
