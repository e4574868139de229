#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "GbkText.h"
#include "MessageBoxReader.h"
#include "OutputWriter.h"
#include "TempFolder.h"
#include "Waiting.h"
#include "Win32OutputPlatform.h"

namespace torvane::platform {
namespace {

using testing::fileExists;
using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

class Win32OutputPlatformTest : public ::testing::Test {
protected:
    TempFolder folder;
    Win32OutputPlatform platform{folder.ansiPath()};
    OutputWriter writer{platform};

    Text ansiPath(const char* name) const { return folder.ansiPath() + "\\" + name; }
};

TEST_F(Win32OutputPlatformTest, ReplacesALongerFileWhole) {
    const std::wstring path = folder.file(L"PanelOrder.plist");
    ASSERT_TRUE(writeFile(path, std::string(5000, 'x')));

    EXPECT_TRUE(writer.writeDocument(ansiPath("PanelOrder.plist"), "new text\n"));
    EXPECT_EQ(readFile(path), "new text\n");
}

TEST_F(Win32OutputPlatformTest, EmptyTextGivesAnEmptyFile) {
    const std::wstring path = folder.file(L"empty.plist");
    ASSERT_TRUE(writeFile(path, "old"));

    EXPECT_TRUE(writer.writeDocument(ansiPath("empty.plist"), ""));
    EXPECT_TRUE(fileExists(path));
    EXPECT_EQ(readFile(path), "");
}

TEST_F(Win32OutputPlatformTest, ReadOnlyFileIsRefusedAndKept) {
    const std::wstring path = folder.file(L"PanelOrder.plist");
    ASSERT_TRUE(writeFile(path, "old content"));
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_FALSE(writer.writeDocument(ansiPath("PanelOrder.plist"), "new"));
    EXPECT_EQ(readFile(path), "old content");
}

TEST_F(Win32OutputPlatformTest, FileHeldOpenWithoutSharingIsRefused) {
    const std::wstring path = folder.file(L"PanelSetting.plist");
    ASSERT_TRUE(writeFile(path, "held"));
    const UniqueHandle held(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held.valid());

    EXPECT_FALSE(writer.writeDocument(ansiPath("PanelSetting.plist"), "new"));
}

TEST_F(Win32OutputPlatformTest, OpenFileAdmitsNoSecondOpenerUntilClosed) {
    const std::wstring path = folder.file(L"a.plist");
    const std::optional<OutputPlatform::FileToken> file = platform.openForReplace(ansiPath("a.plist"));
    ASSERT_TRUE(file.has_value());
    {
        const UniqueHandle second(CreateFileW(path.c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                              nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_FALSE(second.valid());
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    }
    EXPECT_TRUE(platform.writeAll(*file, "abc"));
    EXPECT_TRUE(platform.close(*file));
    EXPECT_FALSE(platform.close(*file)) << "a closed file is no longer known";
    EXPECT_EQ(readFile(path), "abc");
}

TEST_F(Win32OutputPlatformTest, MissingFolderIsNotCreated) {
    const Text path = folder.ansiPath() + "\\missing\\PanelOrder.plist";
    EXPECT_FALSE(writer.writeDocument(path, "text"));
    EXPECT_FALSE(fileExists(folder.file(L"missing")));
}

// The box is task-modal and blocks its caller, so it is shown on a thread of
// its own while this one reads and dismisses it.
TEST_F(Win32OutputPlatformTest, MessageShowsTheGbkTextsInAnInformationBox) {
    std::thread shower([this] { platform.showMessage(Text(kOutcomeTitle), Text(kFailureMessage)); });

    std::optional<testing::ShownMessage> shown;
    const bool appeared = testing::waitUntil([&] {
        shown = testing::findMessageBox(GetCurrentProcessId());
        return shown.has_value();
    });
    if (appeared) {
        EXPECT_EQ(shown->title, L"\u4FE1\u606F");  // 信息
        EXPECT_EQ(shown->text, gbkToWide(kFailureMessage));
        EXPECT_EQ(shown->text, L"\u6587\u4EF6\u751F\u6210\u5931\u8D25\uFF0C\u8BF7\u8054\u7CFB\u4F5C\u8005");
        PostMessageW(shown->box, WM_COMMAND, IDOK, 0);
    }
    shower.join();
    EXPECT_TRUE(appeared);
}

}  // namespace
}  // namespace torvane::platform
