// Start-up of Torvane.exe until its window is visible against the minimal
// window program, and the peak working set of both; printed as pairs with
// their ratio. Figures, not a test.
//
//   StartupBench.exe TORVANE.exe MINIMAL.exe [REPETITIONS]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ControlTable.h"
#include "RunningProgram.h"
#include "TempFolder.h"
#include "UniqueHandle.h"

namespace {

using torvane::platform::UniqueHandle;

double secondsBetween(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND visibleWindowOf(DWORD processId) {
    return torvane::testing::findVisibleWindow(processId, [](HWND) { return true; });
}

// Milliseconds from CreateProcess to a visible top-level window of the new
// process; the program is closed again afterwards. Negative on failure.
double startUntilVisible(const std::wstring& executable) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    std::wstring commandLine = L"\"" + executable + L"\"";
    LARGE_INTEGER begin{};
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return -1;
    }
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    HWND window = nullptr;
    LARGE_INTEGER end{};
    const ULONGLONG deadline = GetTickCount64() + 20000;
    while ((window = visibleWindowOf(started.dwProcessId)) == nullptr && GetTickCount64() < deadline) {
        Sleep(1);
    }
    QueryPerformanceCounter(&end);
    if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
    return window != nullptr ? 1000.0 * secondsBetween(begin, end) : -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double peakMegabytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, &counters, sizeof(counters))) return -1;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

void printPair(const char* what, const char* unit, double ours, double reference) {
    std::printf("%-34s %-15s %10.1f %-3s %-18s %10.1f %-3s ratio %5.2f\n", what, "Torvane.exe", ours, unit,
                "MinimalWindow.exe", reference, unit, ours / reference);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: StartupBench TORVANE.exe MINIMAL.exe [REPETITIONS]\n");
        return 2;
    }
    const std::wstring torvane = argv[1];
    const std::wstring minimal = argv[2];
    const int repetitions = argc > 3 ? std::max(1, _wtoi(argv[3])) : 20;

    // One start of each first, unmeasured: both find the prefix warm.
    startUntilVisible(torvane);
    startUntilVisible(minimal);
    std::vector<double> ours, reference;
    for (int i = 0; i < repetitions; ++i) {
        ours.push_back(startUntilVisible(torvane));
        reference.push_back(startUntilVisible(minimal));
    }
    if (*std::min_element(ours.begin(), ours.end()) < 0 || *std::min_element(reference.begin(), reference.end()) < 0) {
        std::fprintf(stderr, "a program did not show its window\n");
        return 1;
    }
    char what[64];
    std::snprintf(what, sizeof what, "start-up to visible (median of %d)", repetitions);
    printPair(what, "ms", median(ours), median(reference));
    std::printf("%-34s %-15s %10.1f %-3s %-18s %10.1f %-3s\n", "  fastest, slowest", "Torvane.exe",
                *std::min_element(ours.begin(), ours.end()), "ms", "",
                *std::max_element(ours.begin(), ours.end()), "ms");

    // Peak working set: the program copied to a folder of its own, so the
    // generation writes there.
    torvane::testing::TempFolder folder;
    CopyFileW(torvane.c_str(), folder.file(L"Torvane.exe").c_str(), FALSE);
    torvane::testing::RunningProgram program(folder.file(L"Torvane.exe"));
    if (program.window() == nullptr) {
        std::fprintf(stderr, "Torvane.exe did not show its window\n");
        return 1;
    }
    WaitForInputIdle(program.process(), 5000);
    const double peakShown = peakMegabytes(program.process());
    PostMessageW(program.control(torvane::ui::commandIdOf(torvane::ui::ControlId::按钮_生成)), BM_CLICK, 0, 0);
    const bool generated = program.takeMessage().has_value();
    const double peakGenerated = peakMegabytes(program.process());

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    std::wstring commandLine = L"\"" + minimal + L"\"";
    double peakMinimal = -1;
    if (CreateProcessW(minimal.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &started)) {
        const UniqueHandle process(started.hProcess);
        const UniqueHandle thread(started.hThread);
        torvane::testing::waitUntil([&] { return visibleWindowOf(started.dwProcessId) != nullptr; }, 20000);
        WaitForInputIdle(process.get(), 5000);
        peakMinimal = peakMegabytes(process.get());
        TerminateProcess(process.get(), 0);
        WaitForSingleObject(process.get(), 5000);
    }
    printPair("peak working set, window shown", "MB", peakShown, peakMinimal);
    std::printf("%-34s %-15s %10.1f %-3s%s\n", "peak working set, after generating", "Torvane.exe", peakGenerated, "MB",
                generated ? "" : "  (no outcome box seen)");
    return 0;
}
