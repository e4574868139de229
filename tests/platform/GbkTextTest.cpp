#include <gtest/gtest.h>

#include <string>

#include "GbkText.h"

namespace torvane::platform {
namespace {

struct GbkCase {
    const char* gbk;
    const wchar_t* wide;
};

TEST(GbkText, ConvertsBothWaysWithCodePage936) {
    const GbkCase cases[] = {
        {"", L""},
        {"PanelOrder.plist", L"PanelOrder.plist"},
        {"\xD0\xC5\xCF\xA2", L"\u4FE1\u606F"},                    // 信息
        {"\xA1\xFC\xA1\xFD", L"\u2191\u2193"},                    // ↑↓
        {"\xA1\xAA\xA1\xAA", L"\u2014\u2014"},                    // ——
        {"\xCB\xF8\xC6\xC1" "3G", L"\u9501\u5C4F" L"3G"},         // 锁屏3G
        {"a\r\nb", L"a\r\nb"},
    };
    for (const GbkCase& c : cases) {
        EXPECT_EQ(gbkToWide(c.gbk), c.wide) << c.gbk;
        EXPECT_EQ(wideToGbk(c.wide), c.gbk) << c.gbk;
    }
}

TEST(GbkText, CharacterOutsideGbkBecomesAReplacement) {
    // A character GBK lacks cannot come back as itself, and nothing crashes.
    const Text gbk = wideToGbk(L"a\U0001F600b");
    EXPECT_EQ(gbk.front(), 'a');
    EXPECT_EQ(gbk.back(), 'b');
    EXPECT_NE(gbk, "ab");
}

}  // namespace
}  // namespace torvane::platform
