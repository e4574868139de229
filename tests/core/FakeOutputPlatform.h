#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "OutputWriter.h"

namespace torvane::testing {

// An in-memory file system that records every platform call and fails the
// operations it is told to fail.
class FakeOutputPlatform final : public OutputPlatform {
public:
    std::optional<Text> directory = Text("C:\\Tools");
    std::map<Text, std::string> files;
    std::set<Text> refuseOpen, failWrite, shortWrite, failClose;
    std::vector<std::string> calls;
    std::vector<std::pair<Text, Text>> messages;  // title, text

    std::optional<Text> programDirectory() const override { return directory; }

    std::optional<FileToken> openForReplace(const Text& path) override {
        calls.push_back("open " + path);
        if (refuseOpen.count(path)) return std::nullopt;
        files[path].clear();
        open_.push_back(path);
        return open_.size() - 1;
    }
    bool writeAll(FileToken file, std::string_view bytes) override {
        const Text& path = open_.at(file);
        calls.push_back("write " + path + " " + std::to_string(bytes.size()));
        if (failWrite.count(path)) return false;
        if (shortWrite.count(path)) {
            files[path] = std::string(bytes.substr(0, bytes.size() / 2));
            return false;
        }
        files[path] = std::string(bytes);
        return true;
    }
    bool close(FileToken file) override {
        const Text& path = open_.at(file);
        calls.push_back("close " + path);
        return !failClose.count(path);
    }
    void showMessage(const Text& title, const Text& message) override {
        calls.push_back("message");
        messages.emplace_back(title, message);
    }

private:
    std::vector<Text> open_;
};

}  // namespace torvane::testing
