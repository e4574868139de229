#pragma once

#include <windows.h>

#include <string>

namespace torvane::testing {

// A fresh folder under the user's temp folder, removed with its files.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        for (unsigned attempt = GetTickCount() ^ GetCurrentProcessId();; ++attempt) {
            std::wstring candidate = std::wstring(base) + L"torvane-" + std::to_wstring(attempt);
            if (CreateDirectoryW(candidate.c_str(), nullptr)) {
                path_ = candidate;
                break;
            }
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() { removeTree(path_); }

    const std::wstring& path() const { return path_; }
    std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }
    // The same folder as an ANSI path, as the program writes it.
    std::string ansiPath() const {
        const int size = WideCharToMultiByte(CP_ACP, 0, path_.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string ansi(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(CP_ACP, 0, path_.c_str(), -1, ansi.data(), size, nullptr, nullptr);
        ansi.resize(ansi.size() - 1);
        return ansi;
    }
    // Renames the folder; from then on it is removed under its new name.
    bool moveTo(const std::wstring& newPath) {
        if (!MoveFileW(path_.c_str(), newPath.c_str())) {
            return false;
        }
        path_ = newPath;
        return true;
    }

private:
    static void removeTree(const std::wstring& folder) {
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring full = folder + L"\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeTree(full);
                } else {
                    SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(full.c_str());
                }
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring path_;
};

// Whole-file helpers for checking what the program wrote.
inline bool fileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::string readFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

inline bool writeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    return CloseHandle(file) && ok;
}

}  // namespace torvane::testing
