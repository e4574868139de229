#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ProgramFolder.h"

namespace torvane::platform {
namespace {

TEST(ProgramFolder, IsTheExecutablesFolderAndBecomesTheCurrentDirectory) {
    char module[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    ASSERT_GT(length, 0u);
    const std::string modulePath(module, length);
    const std::string expected = modulePath.substr(0, modulePath.rfind('\\'));

    SetCurrentDirectoryA("C:\\");
    const std::optional<Text> directory = establishProgramDirectory();

    ASSERT_TRUE(directory.has_value());
    EXPECT_EQ(*directory, expected);
    EXPECT_NE(directory->back(), '\\');
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_EQ(std::string(current), expected);
}

}  // namespace
}  // namespace torvane::platform
