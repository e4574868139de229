// One whole generation run under the Win32 platform (the start state read,
// the three documents built and written through OutputWriter, the message
// box faked) against writing the same three byte strings with bare
// CreateFileA/WriteFile/CloseHandle: the physical floor. Figures, not a test.
//
//   GenerationFloorBench.exe [RUNS-PER-SAMPLE] [SAMPLES]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "GenerationRun.h"
#include "OutputWriter.h"
#include "TempFolder.h"
#include "Win32OutputPlatform.h"

namespace {

using namespace torvane;

// The program's own file writing; only the message box is left out.
class SilentWin32Platform final : public OutputPlatform {
public:
    explicit SilentWin32Platform(Text directory) : files_(std::move(directory)) {}
    std::optional<Text> programDirectory() const override { return files_.programDirectory(); }
    std::optional<FileToken> openForReplace(const Text& path) override { return files_.openForReplace(path); }
    bool writeAll(FileToken file, std::string_view bytes) override { return files_.writeAll(file, bytes); }
    bool close(FileToken file) override { return files_.close(file); }
    void showMessage(const Text&, const Text&) override {}

private:
    platform::Win32OutputPlatform files_;
};

// The window as it is at start, in memory.
class StartState final : public ControlStates {
public:
    StartState() { fillWithCatalogue(list_); }
    const SwitchListModel& switchList() const override { return list_; }
    bool isChecked(OptionBox box) const override { return box == OptionBox::ShowTaskBar; }
    Text sleepText(SleepField field) const override { return field == SleepField::EndHours ? "6" : "0"; }

private:
    MemorySwitchList list_;
};

LARGE_INTEGER now() {
    LARGE_INTEGER at{};
    QueryPerformanceCounter(&at);
    return at;
}

double microsecondsPerRun(LARGE_INTEGER from, LARGE_INTEGER to, int runs) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return 1e6 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart) / runs;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const int samples = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;

    const testing::TempFolder folder;
    SilentWin32Platform platform(folder.ansiPath());
    const OutputWriter writer(platform);
    const StartState window;

    const DocumentSet documents = buildDocuments(readSettings(window));
    std::string paths[3];
    for (int i = 0; i < 3; ++i) paths[i] = folder.ansiPath() + "\\" + std::string(documents[i].fileName);
    const auto bareWrites = [&] {
        bool ok = true;
        for (int i = 0; i < 3; ++i) {
            HANDLE const file = CreateFileA(paths[i].c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
            DWORD written = 0;
            ok = ok && file != INVALID_HANDLE_VALUE &&
                 WriteFile(file, documents[i].text.data(), static_cast<DWORD>(documents[i].text.size()), &written,
                           nullptr);
            if (file != INVALID_HANDLE_VALUE) ok = CloseHandle(file) && ok;
        }
        return ok;
    };

    std::vector<double> ours, floor;
    bool ok = runGeneration(window, writer) && bareWrites();  // warm both once
    for (int sample = 0; sample < samples && ok; ++sample) {
        LARGE_INTEGER start = now();
        for (int i = 0; i < runs; ++i) ok = runGeneration(window, writer) && ok;
        ours.push_back(microsecondsPerRun(start, now(), runs));
        start = now();
        for (int i = 0; i < runs; ++i) ok = bareWrites() && ok;
        floor.push_back(microsecondsPerRun(start, now(), runs));
    }
    if (!ok) {
        std::fprintf(stderr, "a write failed\n");
        return 1;
    }
    std::printf("%-34s %-15s %10.1f %-3s %-18s %10.1f %-3s ratio %5.2f\n", "generation run (median per run)",
                "generationRun", median(ours), "us", "bare WriteFile", median(floor), "us",
                median(ours) / median(floor));
    return 0;
}
