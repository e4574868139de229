#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "OutputWriter.h"
#include "Text.h"
#include "UniqueHandle.h"

namespace torvane::platform {

// The writer's operations on the real file system and message box. Paths are
// ANSI (the system's code page), as the program folder was reported.
class Win32OutputPlatform final : public OutputPlatform {
public:
    explicit Win32OutputPlatform(std::optional<Text> programDirectory);

    std::optional<Text> programDirectory() const override;
    std::optional<FileToken> openForReplace(const Text& path) override;
    bool writeAll(FileToken file, std::string_view bytes) override;
    bool close(FileToken file) override;
    // Task-modal information box without an owner; title and message are GBK.
    void showMessage(const Text& title, const Text& message) override;

private:
    UniqueHandle* findOpen(FileToken file);

    std::optional<Text> programDirectory_;
    // Files opened and not yet closed; whatever is left closes with the object.
    std::vector<UniqueHandle> openFiles_;
};

}  // namespace torvane::platform
