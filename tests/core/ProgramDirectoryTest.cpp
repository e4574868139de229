#include "ProgramDirectory.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

std::optional<Text> cut(std::string_view path) {
    return programDirectoryFromModulePath(path, 260, isGbkLeadByte);
}

TEST(ProgramDirectory, CutsAtTheLastBackslash) {
    struct Case {
        std::string path;
        std::optional<Text> directory;
    };
    const Case cases[] = {
        {"C:\\A\\B\\x.exe", Text("C:\\A\\B")},
        {"C:\\x.exe", Text("C:")},
        {"x.exe", Text("")},
        {"\\\\server\\share\\x.exe", Text("\\\\server\\share")},
        {"C:\\Program Files\\\xB9\xA4\xBE\xDF\\x.exe", Text("C:\\Program Files\\\xB9\xA4\xBE\xDF")},
        // 0x5C as the second byte of a double-byte character is no backslash:
        // the folder \x95\x5C (表) keeps its name.
        {"C:\\\x95\x5C\\x.exe", Text("C:\\\x95\x5C")},
        {"C:\\\x95\x5C", Text("C:")},
        {"C:\\dir\\\x95\x5C" "x.exe", Text("C:\\dir")},
        // A lead byte as the last byte stands alone.
        {"C:\\a\\\x95", Text("C:\\a")},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(cut(c.path), c.directory) << c.path;
}

TEST(ProgramDirectory, WithoutDoubleByteCharactersEvery5CIsABackslash) {
    const auto noLeadBytes = [](unsigned char) { return false; };
    EXPECT_EQ(programDirectoryFromModulePath("C:\\\x95\x5C\\x.exe", 260, noLeadBytes),
              Text("C:\\\x95\x5C"));
    EXPECT_EQ(programDirectoryFromModulePath("C:\\\x95\x5Cx.exe", 260, noLeadBytes),
              Text("C:\\\x95"));
}

TEST(ProgramDirectory, RefusesAPathThatFilledTheBuffer) {
    const std::string longest = "C:\\" + std::string(250, 'a') + "\\x.exe";  // 259 bytes
    ASSERT_EQ(longest.size(), 259u);
    EXPECT_EQ(cut(longest), Text("C:\\" + std::string(250, 'a')));
    EXPECT_EQ(cut(longest + "e"), std::nullopt);
    EXPECT_EQ(cut(std::string(400, '\\')), std::nullopt);
}

}  // namespace
}  // namespace torvane
