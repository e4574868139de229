// One whole generation run (the three documents built and written through
// OutputWriter, the message box faked) against writing the same three byte
// strings with bare open/write/close: the physical floor.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include "GenerationRun.h"
#include "OutputWriter.h"
#include "SwitchCatalogue.h"

namespace {

// POSIX files in place of the Win32 ones; the writer's paths use '\'.
class PosixOutputPlatform final : public torvane::OutputPlatform {
public:
    explicit PosixOutputPlatform(std::string directory) : directory_(std::move(directory)) {}

    std::optional<torvane::Text> programDirectory() const override { return directory_; }
    std::optional<FileToken> openForReplace(const torvane::Text& path) override {
        std::string posixPath = path;
        for (char& c : posixPath) {
            if (c == '\\') c = '/';
        }
        const int fd = ::open(posixPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return std::nullopt;
        return static_cast<FileToken>(fd);
    }
    bool writeAll(FileToken file, std::string_view bytes) override {
        return ::write(static_cast<int>(file), bytes.data(), bytes.size()) ==
               static_cast<ssize_t>(bytes.size());
    }
    bool close(FileToken file) override { return ::close(static_cast<int>(file)) == 0; }
    void showMessage(const torvane::Text&, const torvane::Text&) override {}

private:
    std::string directory_;
};

// The window as it is at start, in memory.
class StartState final : public torvane::ControlStates {
public:
    StartState() { torvane::fillWithCatalogue(list_); }
    const torvane::SwitchListModel& switchList() const override { return list_; }
    bool isChecked(torvane::OptionBox box) const override {
        return box == torvane::OptionBox::ShowTaskBar;
    }
    torvane::Text sleepText(torvane::SleepField field) const override {
        return field == torvane::SleepField::EndHours ? "6" : "0";
    }

private:
    torvane::MemorySwitchList list_;
};

struct TempFolder {
    std::string path;
    TempFolder() {
        char pattern[] = "/tmp/torvane-bench-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~TempFolder() {
        for (const auto name : {torvane::kPanelOrderFileName, torvane::kPanelSettingFileName,
                                torvane::kIntelligenceSettingFileName}) {
            ::unlink((path + "/" + std::string(name)).c_str());
        }
        ::rmdir(path.c_str());
    }
};

void generationRun(benchmark::State& state) {
    const TempFolder folder;
    PosixOutputPlatform platform(folder.path);
    const torvane::OutputWriter writer(platform);
    const StartState window;
    for (auto _ : state) {
        if (!torvane::runGeneration(window, writer)) state.SkipWithError("write failed");
    }
}

void bareWrites(benchmark::State& state) {
    const TempFolder folder;
    const torvane::DocumentSet documents = torvane::buildDocuments(torvane::readSettings(StartState()));
    std::string paths[3];
    for (int i = 0; i < 3; ++i) paths[i] = folder.path + "/" + std::string(documents[i].fileName);
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i) {
            const int fd = ::open(paths[i].c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::write(fd, documents[i].text.data(), documents[i].text.size()) < 0) {
                state.SkipWithError("write failed");
            }
            ::close(fd);
        }
    }
}

BENCHMARK(generationRun)->Name("generationRun");
BENCHMARK(bareWrites)->Name("bareWrites");

}  // namespace
