#include "Win32OutputPlatform.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <utility>

#include "GbkText.h"

namespace torvane::platform {
namespace {

OutputPlatform::FileToken tokenOf(HANDLE handle) {
    return reinterpret_cast<OutputPlatform::FileToken>(handle);
}

}  // namespace

Win32OutputPlatform::Win32OutputPlatform(std::optional<Text> programDirectory)
    : programDirectory_(std::move(programDirectory)) {}

std::optional<Text> Win32OutputPlatform::programDirectory() const { return programDirectory_; }

std::optional<OutputPlatform::FileToken> Win32OutputPlatform::openForReplace(const Text& path) {
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, &security, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    const FileToken token = tokenOf(file.get());
    openFiles_.push_back(std::move(file));
    return token;
}

UniqueHandle* Win32OutputPlatform::findOpen(FileToken file) {
    const auto found = std::find_if(openFiles_.begin(), openFiles_.end(),
                                    [file](const UniqueHandle& h) { return tokenOf(h.get()) == file; });
    return found == openFiles_.end() ? nullptr : &*found;
}

bool Win32OutputPlatform::writeAll(FileToken file, std::string_view bytes) {
    UniqueHandle* const handle = findOpen(file);
    if (handle == nullptr || bytes.size() > MAXDWORD) {
        return false;
    }
    const DWORD wanted = static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    const BOOL ok = WriteFile(handle->get(), bytes.data(), wanted, &written, nullptr);
    return ok != FALSE && written == wanted;
}

bool Win32OutputPlatform::close(FileToken file) {
    UniqueHandle* const handle = findOpen(file);
    if (handle == nullptr) {
        return false;
    }
    const bool closed = handle->close();
    openFiles_.erase(openFiles_.begin() + (handle - openFiles_.data()));
    return closed;
}

void Win32OutputPlatform::showMessage(const Text& title, const Text& message) {
    // A Unicode box, so the GBK texts read right whatever the system language.
    MessageBoxW(nullptr, gbkToWide(message).c_str(), gbkToWide(title).c_str(),
                MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

}  // namespace torvane::platform
