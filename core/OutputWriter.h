#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "DocumentSet.h"
#include "Text.h"

namespace torvane {

// The platform operations the writer needs. Every operation that can fail
// reports it as a result.
class OutputPlatform {
public:
    using FileToken = std::uintptr_t;

    virtual ~OutputPlatform() = default;

    // The folder of the running executable without a trailing backslash, or
    // none when it could not be established.
    virtual std::optional<Text> programDirectory() const = 0;
    // Creates the file, or empties an existing one, for exclusive writing.
    virtual std::optional<FileToken> openForReplace(const Text& path) = 0;
    // One write of all the bytes; true only when every byte was accepted.
    virtual bool writeAll(FileToken file, std::string_view bytes) = 0;
    virtual bool close(FileToken file) = 0;
    // An information box with a single OK button; returns once dismissed.
    virtual void showMessage(const Text& title, const Text& message) = 0;

protected:
    OutputPlatform() = default;
    OutputPlatform(const OutputPlatform&) = default;
    OutputPlatform& operator=(const OutputPlatform&) = default;
};

// Writes the documents of a run next to the executable and tells the user
// in one message whether all of them were written.
class OutputWriter {
public:
    explicit OutputWriter(OutputPlatform& platform) : platform_(platform) {}

    // Writes in order and stops at the first failure; nothing written before
    // it is undone. Reports the outcome, then returns it.
    bool writeDocuments(const DocumentSet& documents) const;
    bool writeDocument(const Text& path, std::string_view bytes) const;
    void reportOutcome(bool success) const;

private:
    Text documentPath(std::string_view fileName) const;

    OutputPlatform& platform_;
};

// The message box texts, GBK.
inline constexpr std::string_view kOutcomeTitle = "\xD0\xC5\xCF\xA2";  // 信息
// 文件生成成功\r\n请将生成的plist文件拷贝至/var/mobile/Library/kBatteryDoctorPro
inline constexpr std::string_view kSuccessMessage =
    "\xCE\xC4\xBC\xFE\xC9\xFA\xB3\xC9\xB3\xC9\xB9\xA6\r\n"
    "\xC7\xEB\xBD\xAB\xC9\xFA\xB3\xC9\xB5\xC4"
    "plist"
    "\xCE\xC4\xBC\xFE\xBF\xBD\xB1\xB4\xD6\xC1"
    "/var/mobile/Library/kBatteryDoctorPro";
// 文件生成失败，请联系作者
inline constexpr std::string_view kFailureMessage =
    "\xCE\xC4\xBC\xFE\xC9\xFA\xB3\xC9\xCA\xA7\xB0\xDC\xA3\xAC\xC7\xEB\xC1\xAA\xCF\xB5\xD7\xF7\xD5\xDF";

}  // namespace torvane
