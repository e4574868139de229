#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "ControlTable.h"
#include "GenerationRun.h"
#include "RunningProgram.h"
#include "TempFolder.h"
#include "UntouchedSettings.h"

namespace torvane::testing {
namespace {

const wchar_t* const kFiles[] = {L"PanelOrder.plist", L"PanelSetting.plist", L"IntelligenceSetting.plist"};

// What can be counted of the running program from outside.
struct Resources {
    DWORD handles = 0;  // 0: the platform did not say
    DWORD listedHandles = 0;  // the process's entries in the system's handle list
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    int windows = 0;  // top-level and child windows of the process
};

int windowsOf(DWORD processId) {
    struct Count {
        DWORD processId;
        int windows;
    } count{processId, 0};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& c = *reinterpret_cast<Count*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != c.processId) return TRUE;
            ++c.windows;
            EnumChildWindows(
                window, [](HWND, LPARAM n) -> BOOL { return ++*reinterpret_cast<int*>(n), TRUE; },
                reinterpret_cast<LPARAM>(&c.windows));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

// The system's handle list (information class 16), counted for one process;
// 0 when the platform does not give the list.
DWORD listedHandlesOf(DWORD processId) {
    struct Entry {
        ULONG ownerPid;
        BYTE objectType;
        BYTE flags;
        USHORT value;
        PVOID object;
        ULONG access;
    };
    struct List {
        ULONG count;
        Entry entries[1];
    };
    using Query = LONG(WINAPI*)(int, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr) return 0;
    std::vector<unsigned char> buffer(1 << 16);
    for (int attempt = 0; attempt < 8; ++attempt) {
        ULONG needed = 0;
        const LONG status = query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) {
            const auto* list = reinterpret_cast<const List*>(buffer.data());
            DWORD count = 0;
            for (ULONG i = 0; i < list->count; ++i) count += list->entries[i].ownerPid == processId;
            return count;
        }
        buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed));
    }
    return 0;
}

Resources resourcesOf(const RunningProgram& program) {
    Resources r;
    if (!GetProcessHandleCount(program.process(), &r.handles)) r.handles = 0;
    r.listedHandles = listedHandlesOf(program.processId());
    r.gdiObjects = GetGuiResources(program.process(), GR_GDIOBJECTS);
    r.userObjects = GetGuiResources(program.process(), GR_USEROBJECTS);
    r.windows = windowsOf(program.processId());
    return r;
}

// A counter the platform reports (nonzero) must not grow between run 10 and
// run 100; one it does not report is named in the output, not checked.
void expectFlat(const char* name, DWORD atTen, DWORD atHundred) {
    std::printf("[ figures  ] %s after run 10: %lu, after run 100: %lu\n", name, atTen, atHundred);
    if (atTen == 0 && atHundred == 0) {
        std::printf("[ figures  ] %s: not reported by this platform, not checked\n", name);
        return;
    }
    EXPECT_LE(atHundred, atTen) << name << " grew";
}

TEST(RepeatedGeneration, AHundredRunsWriteTheSameFilesAndLeakNothing) {
    TempFolder folder;
    ASSERT_TRUE(CopyFileW(builtProgramPath().c_str(), folder.file(L"Torvane.exe").c_str(), FALSE));
    RunningProgram program(folder.file(L"Torvane.exe"));
    ASSERT_NE(program.window(), nullptr) << "no main window appeared";
    HWND const generate = program.control(ui::commandIdOf(ui::ControlId::按钮_生成));

    const DocumentSet expected = buildDocuments(testing::untouchedSettings());
    Resources atTen;
    const ULONGLONG start = GetTickCount64();
    for (int run = 1; run <= 100; ++run) {
        // Files of the run before are removed, so each run must write all three.
        for (const wchar_t* file : kFiles) DeleteFileW(folder.file(file).c_str());
        PostMessageW(generate, BM_CLICK, 0, 0);
        const std::optional<ShownMessage> shown = program.takeMessage();
        ASSERT_TRUE(shown.has_value()) << "no outcome box in run " << run;
        ASSERT_EQ(shown->text.substr(0, 6), L"文件生成成功") << "run " << run;
        for (std::size_t i = 0; i < 3; ++i) {
            ASSERT_EQ(readFile(folder.file(kFiles[i])), expected[i].text) << "run " << run << " file " << i;
        }
        // The box is gone once takeMessage returns; the main window is
        // enabled again before the next click can land.
        ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(program.window()) != FALSE; }));
        if (run == 10) atTen = resourcesOf(program);
    }
    const Resources atHundred = resourcesOf(program);
    std::printf("[ figures  ] 100 runs in %llu ms\n", GetTickCount64() - start);

    expectFlat("process handles", atTen.handles, atHundred.handles);
    expectFlat("handles in the system's handle list", atTen.listedHandles, atHundred.listedHandles);
    expectFlat("GDI objects", atTen.gdiObjects, atHundred.gdiObjects);
    expectFlat("USER objects", atTen.userObjects, atHundred.userObjects);
    // Windows of the process can always be counted: the main window and its
    // controls at the least, so this one is always checked.
    ASSERT_GT(atTen.windows, 30);
    expectFlat("windows of the process", static_cast<DWORD>(atTen.windows), static_cast<DWORD>(atHundred.windows));

    PostMessageW(program.control(ui::commandIdOf(ui::ControlId::选择框_任务栏)), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(program.exitCode(), std::optional<DWORD>(0)) << "still closes normally";
}

}  // namespace
}  // namespace torvane::testing
