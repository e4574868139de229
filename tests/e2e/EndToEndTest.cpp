#include <windows.h>

#include <gtest/gtest.h>

#include "ControlTable.h"
#include "GbkText.h"
#include "GenerationRun.h"
#include "OutputWriter.h"
#include "RunningProgram.h"
#include "TempFolder.h"
#include "UntouchedSettings.h"

namespace torvane::testing {
namespace {

using ui::ControlId;

const std::wstring kSuccessText = L"文件生成成功\r\n请将生成的plist文件拷贝至/var/mobile/Library/kBatteryDoctorPro";
const std::wstring kFailureText = L"文件生成失败，请联系作者";

const wchar_t* const kFiles[] = {L"PanelOrder.plist", L"PanelSetting.plist", L"IntelligenceSetting.plist"};

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileW(builtProgramPath().c_str(), folder.file(L"Torvane.exe").c_str(), FALSE))
            << "copying " << std::string(builtProgramPath().begin(), builtProgramPath().end());
    }

    std::unique_ptr<RunningProgram> start() {
        auto program = std::make_unique<RunningProgram>(folder.file(L"Torvane.exe"));
        EXPECT_NE(program->window(), nullptr) << "no main window appeared";
        return program;
    }
    static void pressGenerate(const RunningProgram& program) {
        PostMessageW(program.control(ui::commandIdOf(ControlId::按钮_生成)), BM_CLICK, 0, 0);
    }
    static void pressEscape(const RunningProgram& program) {
        PostMessageW(program.control(ui::commandIdOf(ControlId::选择框_任务栏)), WM_KEYDOWN, VK_ESCAPE, 0);
    }
    std::string expected(std::size_t index) const { return buildDocuments(testing::untouchedSettings())[index].text; }

    TempFolder folder;
};

TEST_F(EndToEnd, GenerateWritesTheThreeDocumentsAndReportsSuccess) {
    const auto program = start();
    ASSERT_NE(program->window(), nullptr);
    for (int run = 0; run < 2; ++run) {
        pressGenerate(*program);
        const std::optional<ShownMessage> shown = program->takeMessage();
        ASSERT_TRUE(shown.has_value()) << "run " << run;
        EXPECT_EQ(shown->title, L"信息");
        EXPECT_EQ(shown->text, kSuccessText);
        EXPECT_EQ(shown->text, platform::gbkToWide(kSuccessMessage));
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(readFile(folder.file(kFiles[i])), expected(i)) << "run " << run << " file " << i;
        }
    }
    pressEscape(*program);
    EXPECT_EQ(program->exitCode(), std::optional<DWORD>(0));
}

TEST_F(EndToEnd, ReadOnlyPanelOrderStopsBeforeAnyWrite) {
    ASSERT_TRUE(writeFile(folder.file(kFiles[0]), "old order"));
    ASSERT_TRUE(SetFileAttributesW(folder.file(kFiles[0]).c_str(), FILE_ATTRIBUTE_READONLY));
    const auto program = start();
    ASSERT_NE(program->window(), nullptr);

    pressGenerate(*program);
    const std::optional<ShownMessage> shown = program->takeMessage();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, L"信息");
    EXPECT_EQ(shown->text, kFailureText);
    EXPECT_EQ(readFile(folder.file(kFiles[0])), "old order");
    EXPECT_FALSE(fileExists(folder.file(kFiles[1])));
    EXPECT_FALSE(fileExists(folder.file(kFiles[2])));
}

TEST_F(EndToEnd, PanelSettingHeldOpenStopsAtTheSecondFile) {
    ASSERT_TRUE(writeFile(folder.file(kFiles[1]), "old setting"));
    ASSERT_TRUE(writeFile(folder.file(kFiles[2]), "old intelligence"));
    const platform::UniqueHandle held(
        CreateFileW(folder.file(kFiles[1]).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held.valid());
    const auto program = start();
    ASSERT_NE(program->window(), nullptr);

    pressGenerate(*program);
    const std::optional<ShownMessage> shown = program->takeMessage();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, kFailureText);
    EXPECT_EQ(readFile(folder.file(kFiles[0])), expected(0));
    EXPECT_EQ(readFile(folder.file(kFiles[2])), "old intelligence");
}

// The program's own folder cannot be moved while it runs from it, so the
// folder above it is moved: the program's folder is gone from where it was.
TEST_F(EndToEnd, FolderMovedAfterStartGivesTheFailureMessage) {
    const std::wstring app = folder.file(L"app");
    ASSERT_TRUE(CreateDirectoryW(app.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(builtProgramPath().c_str(), (app + L"\\Torvane.exe").c_str(), FALSE));
    RunningProgram program(app + L"\\Torvane.exe");
    ASSERT_NE(program.window(), nullptr);
    ASSERT_TRUE(folder.moveTo(folder.path() + L"-moved"));

    pressGenerate(program);
    const std::optional<ShownMessage> shown = program.takeMessage();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, kFailureText);
    for (const wchar_t* file : kFiles) {
        EXPECT_FALSE(fileExists(folder.file(L"app\\") + file)) << "nothing lands in the moved folder";
        EXPECT_FALSE(fileExists(app + L"\\" + file)) << "nor where it was";
    }
}

TEST_F(EndToEnd, EscapeEndsWithExitCodeZeroAndWritesNothing) {
    const auto program = start();
    ASSERT_NE(program->window(), nullptr);
    pressEscape(*program);
    EXPECT_EQ(program->exitCode(), std::optional<DWORD>(0));
    for (const wchar_t* file : kFiles) {
        EXPECT_FALSE(fileExists(folder.file(file)));
    }
}

TEST_F(EndToEnd, CreditLabelPressWithoutABrowserShowsNothingAndKeepsRunning) {
    const auto program = start();
    ASSERT_NE(program->window(), nullptr);
    HWND const credit = program->control(ui::commandIdOf(ControlId::标签1));
    PostMessageW(credit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    PostMessageW(credit, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
    // Give the shell request time to fail; the program must neither end nor
    // show a box of its own.
    waitUntil([&] { return program->hasExited(); }, 2000);
    EXPECT_FALSE(program->hasExited());
    EXPECT_FALSE(findMessageBox(program->processId()).has_value());
    pressEscape(*program);
    EXPECT_EQ(program->exitCode(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace torvane::testing
