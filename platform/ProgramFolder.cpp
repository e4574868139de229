#include "ProgramFolder.h"

#include <windows.h>

#include <array>
#include <string_view>

#include "ProgramDirectory.h"

namespace torvane::platform {

std::optional<Text> establishProgramDirectory() {
    std::array<char, MAX_PATH> buffer{};
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), MAX_PATH);
    const std::optional<Text> directory = programDirectoryFromModulePath(
        std::string_view(buffer.data(), length), buffer.size(),
        [](unsigned char byte) { return IsDBCSLeadByte(byte) != 0; });
    if (directory) {
        SetCurrentDirectoryA(directory->c_str());
    }
    return directory;
}

}  // namespace torvane::platform
