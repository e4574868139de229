#include "OutputWriter.h"

#include <gtest/gtest.h>

#include "FakeOutputPlatform.h"

namespace torvane {
namespace {

using testing::FakeOutputPlatform;

const Text kOrderPath = "C:\\Tools\\PanelOrder.plist";
const Text kSettingPath = "C:\\Tools\\PanelSetting.plist";
const Text kIntelligencePath = "C:\\Tools\\IntelligenceSetting.plist";

DocumentSet sampleDocuments() {
    return {{{kPanelOrderFileName, "order"},
             {kPanelSettingFileName, "setting"},
             {kIntelligenceSettingFileName, "intelligence"}}};
}

TEST(OutputWriter, WritesAllThreeInOrderThenReportsSuccessOnce) {
    FakeOutputPlatform platform;
    EXPECT_TRUE(OutputWriter(platform).writeDocuments(sampleDocuments()));
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"open " + kOrderPath, "write " + kOrderPath + " 5",
                                        "close " + kOrderPath, "open " + kSettingPath,
                                        "write " + kSettingPath + " 7", "close " + kSettingPath,
                                        "open " + kIntelligencePath,
                                        "write " + kIntelligencePath + " 12",
                                        "close " + kIntelligencePath, "message"}));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].first, "\xD0\xC5\xCF\xA2");  // 信息
    EXPECT_EQ(platform.messages[0].second,
              "\xCE\xC4\xBC\xFE\xC9\xFA\xB3\xC9\xB3\xC9\xB9\xA6\r\n\xC7\xEB\xBD\xAB\xC9\xFA\xB3\xC9"
              "\xB5\xC4plist\xCE\xC4\xBC\xFE\xBF\xBD\xB1\xB4\xD6\xC1/var/mobile/Library/"
              "kBatteryDoctorPro");
    EXPECT_EQ(platform.files.at(kIntelligencePath), "intelligence");
}

// The first failure ends the run: later documents are not even opened, and
// what was written before stays.
TEST(OutputWriter, StopsAtTheFirstFailureAndReportsIt) {
    struct Case {
        const char* name;
        std::set<Text> FakeOutputPlatform::*failure;
        Text path;
        std::size_t opened;
    };
    const Case cases[] = {
        {"open of the first", &FakeOutputPlatform::refuseOpen, kOrderPath, 1},
        {"write of the first", &FakeOutputPlatform::failWrite, kOrderPath, 1},
        {"open of the second", &FakeOutputPlatform::refuseOpen, kSettingPath, 2},
        {"write of the second", &FakeOutputPlatform::failWrite, kSettingPath, 2},
        {"short write of the second", &FakeOutputPlatform::shortWrite, kSettingPath, 2},
        {"close of the second", &FakeOutputPlatform::failClose, kSettingPath, 2},
        {"open of the third", &FakeOutputPlatform::refuseOpen, kIntelligencePath, 3},
        {"close of the third", &FakeOutputPlatform::failClose, kIntelligencePath, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeOutputPlatform platform;
        platform.files[kIntelligencePath] = "old";
        (platform.*c.failure).insert(c.path);
        EXPECT_FALSE(OutputWriter(platform).writeDocuments(sampleDocuments()));

        std::size_t opens = 0, closes = 0;
        for (const std::string& call : platform.calls) {
            opens += call.rfind("open ", 0) == 0;
            closes += call.rfind("close ", 0) == 0;
        }
        EXPECT_EQ(opens, c.opened);
        // Every opened file is closed, also after a failed write.
        EXPECT_EQ(closes, c.failure == &FakeOutputPlatform::refuseOpen ? c.opened - 1 : c.opened);
        EXPECT_EQ(platform.calls.back(), "message");
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].second,
                  "\xCE\xC4\xBC\xFE\xC9\xFA\xB3\xC9\xCA\xA7\xB0\xDC\xA3\xAC\xC7\xEB\xC1\xAA\xCF"
                  "\xB5\xD7\xF7\xD5\xDF");
        if (c.opened > 1) {
            EXPECT_EQ(platform.files.at(kOrderPath), "order");
        }
        if (c.opened < 3) {
            EXPECT_EQ(platform.files.at(kIntelligencePath), "old");
        }
    }
}

TEST(OutputWriter, PathsJoinTheFolderAndTheNameWithOneBackslash) {
    FakeOutputPlatform platform;
    platform.directory = Text("C:");  // the root of a drive
    EXPECT_TRUE(OutputWriter(platform).writeDocuments(sampleDocuments()));
    EXPECT_EQ(platform.calls[0], "open C:\\PanelOrder.plist");

    platform.calls.clear();
    platform.directory = Text();  // a module path without any backslash
    EXPECT_TRUE(OutputWriter(platform).writeDocuments(sampleDocuments()));
    EXPECT_EQ(platform.calls[0], "open \\PanelOrder.plist");
}

TEST(OutputWriter, UnknownProgramFolderWritesNothing) {
    FakeOutputPlatform platform;
    platform.directory = std::nullopt;
    EXPECT_FALSE(OutputWriter(platform).writeDocuments(sampleDocuments()));
    EXPECT_EQ(platform.calls, std::vector<std::string>{"message"});
    EXPECT_TRUE(platform.files.empty());
}

TEST(OutputWriter, WriteDocumentEdgeCases) {
    FakeOutputPlatform platform;
    const OutputWriter writer(platform);
    EXPECT_FALSE(writer.writeDocument("", "bytes"));
    EXPECT_TRUE(platform.calls.empty());

    // An empty text creates an empty file without a write call.
    EXPECT_TRUE(writer.writeDocument("C:\\e", ""));
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"open C:\\e", "close C:\\e"}));
    EXPECT_EQ(platform.files.at("C:\\e"), "");

    // A longer old file is replaced whole.
    platform.files["C:\\f"] = std::string(1000, 'x');
    EXPECT_TRUE(writer.writeDocument("C:\\f", "new"));
    EXPECT_EQ(platform.files.at("C:\\f"), "new");
}

}  // namespace
}  // namespace torvane
