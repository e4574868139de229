#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "GenerationRun.h"
#include "OutputWriter.h"
#include "UntouchedSettings.h"
#include "WindowFixture.h"

namespace torvane::ui {
namespace {

constexpr double kResponsiveMs = 1000.0;

double millisecondsSince(LARGE_INTEGER start) {
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER now() {
    LARGE_INTEGER at{};
    QueryPerformanceCounter(&at);
    return at;
}

// What a user's copy puts on the clipboard.
bool copyToClipboard(HWND owner, const std::wstring& text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL const memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool placed = false;
    if (memory != nullptr) {
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;  // the clipboard owns it now
        if (!placed) GlobalFree(memory);
    }
    CloseClipboard();
    return placed;
}

bool isAscii(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

std::string beginTimeIn(const std::string& intelligence) {
    const std::string open = "<key>BeginTime</key>\n\t\t<real>";
    const std::size_t start = intelligence.find(open);
    if (start == std::string::npos) return {};
    const std::size_t from = start + open.size();
    return intelligence.substr(from, intelligence.find("</real>", from) - from);
}

// A million characters ending in `tail`: ideographic spaces and blanks, both
// skipped before the number, so a paste cut short reads 0. Wine's edit
// control lays out a long run of digits in quadratic time (a minute for a
// quarter of a million), so the filler holds none.
std::wstring millionBlanksThen(const std::wstring& tail) {
    std::wstring text;
    text.reserve(1000000);
    for (std::size_t i = 0; i + tail.size() < 1000000; ++i) text += i % 2 ? L' ' : L'\u3000';
    return text + tail;
}

class HostileInput : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(enableSleepFields());
    }

    // Replaces the box's whole text the way a user does: select all, paste.
    // Returns the time until the box has taken and drawn the text.
    double paste(ControlId box, const std::wstring& text) {
        HWND const edit = control(box);
        EXPECT_TRUE(focusOn(box));
        SendMessageW(edit, EM_SETSEL, 0, -1);
        EXPECT_TRUE(copyToClipboard(window.handle(), text));
        const LARGE_INTEGER start = now();
        SendMessageW(edit, WM_PASTE, 0, 0);
        UpdateWindow(edit);
        return millisecondsSince(start);
    }

    // The whole generation run of a click, message box faked.
    double generate() {
        const LARGE_INTEGER start = now();
        SendMessageW(control(ControlId::按钮_生成), BM_CLICK, 0, 0);
        return millisecondsSince(start);
    }

    // What the run must have read: the boxes' texts through the program's
    // own conversion to code page 936.
    GeneratorSettings settingsFromTheBoxes() const {
        GeneratorSettings settings = testing::untouchedSettings();
        settings.timedSleep = true;
        settings.sleepBeginHours = platform::wideToGbk(textOf(ControlId::编辑框1));
        settings.sleepBeginMinutes = platform::wideToGbk(textOf(ControlId::编辑框2));
        settings.sleepEndHours = platform::wideToGbk(textOf(ControlId::编辑框3));
        settings.sleepEndMinutes = platform::wideToGbk(textOf(ControlId::编辑框4));
        return settings;
    }

    const std::string& written(std::string_view fileName) {
        return output.files["C:\\Tools\\" + std::string(fileName)];
    }

    void expectDocumentsFor(const GeneratorSettings& settings) {
        for (const Document& document : buildDocuments(settings)) {
            const std::string& file = written(document.fileName);
            EXPECT_TRUE(file == document.text) << document.fileName << " differs (" << file.size() << " bytes written, "
                                               << document.text.size() << " expected)";
            EXPECT_TRUE(isAscii(file)) << document.fileName;
        }
        ASSERT_FALSE(output.messages.empty());
        EXPECT_EQ(output.messages.back().second, Text(kSuccessMessage));
    }
};

struct PasteCase {
    const char* name;
    std::wstring pasted;
    const char* beginTime;  // hours pasted into 编辑框1, minutes left at 0
};

TEST_F(HostileInput, PastedTextsGenerateWhatTheCoreBuildsForTheBoxText) {
    const PasteCase cases[] = {
        {"a million characters", millionBlanksThen(L"1"), "3600"},
        {"a million CJK characters after the number", L"2" + std::wstring(999999, L'\u4E2D'), "7200"},
        {"tabs", L"\t\t3\t4\t", "10800"},
        {"CR LF", L"5\r\n6\r\n", "18000"},
        {"a lone CR", L"7\r8", "25200"},
        {"full-width digits", L"\uFF11\uFF12", "43200"},
        {"outside GBK", L"9\uAC00\U0001F600\u0E01", "32400"},
        {"a lone high surrogate", L"1\xD800" L"5", "3600"},
        {"a lone low surrogate first", L"\xDC00" L"2", "0"},
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.name);
        double pasteMs = paste(ControlId::编辑框1, c.pasted);
        if (pasteMs >= kResponsiveMs) {
            // A machine busy elsewhere can stall one paste; a slow control
            // stalls the second as well.
            pasteMs = std::min(pasteMs, paste(ControlId::编辑框1, c.pasted));
        }
        const std::wstring box = textOf(ControlId::编辑框1);
        if (c.pasted.find(L'\n') == std::wstring::npos) {
            EXPECT_EQ(box.size(), c.pasted.size()) << "the paste did not land whole";
            EXPECT_TRUE(box == c.pasted);
        } else {
            // A one-line box may stop at the line break; it invents nothing.
            EXPECT_EQ(c.pasted.compare(0, box.size(), box), 0);
        }

        const std::size_t runsBefore = output.messages.size();
        const double generateMs = generate();
        EXPECT_EQ(output.messages.size(), runsBefore + 1) << "one generation run per click";
        expectDocumentsFor(settingsFromTheBoxes());
        EXPECT_EQ(beginTimeIn(written(kIntelligenceSettingFileName)), c.beginTime);

        std::printf("[ figures  ] %s: %zu characters pasted, box holds %zu; paste %.1f ms, generation %.1f ms\n",
                    c.name, c.pasted.size(), box.size(), pasteMs, generateMs);
        EXPECT_LT(pasteMs, kResponsiveMs);
        EXPECT_LT(generateMs, kResponsiveMs);
    }

    // Still working: an ordinary text, typed this time, gives ordinary files.
    ASSERT_TRUE(focusOn(ControlId::编辑框1));
    SetWindowTextW(control(ControlId::编辑框1), L"");
    testing::typeText(L"22");
    ASSERT_TRUE(waitFor([&] { return textOf(ControlId::编辑框1) == L"22"; }));
    generate();
    GeneratorSettings expected = testing::untouchedSettings();
    expected.timedSleep = true;
    expected.sleepBeginHours = "22";
    expectDocumentsFor(expected);
    EXPECT_EQ(beginTimeIn(written(kIntelligenceSettingFileName)), "79200");
}

// The other three boxes carry the same unlimited length as the one pasted into
// above (a million-character paste into each costs seconds under Wine).
TEST_F(HostileInput, EveryBoxTakesMoreThanTheDefaultThirtyThousand) {
    for (const ControlId box : {ControlId::编辑框1, ControlId::编辑框2, ControlId::编辑框3, ControlId::编辑框4}) {
        EXPECT_GE(SendMessageW(control(box), EM_GETLIMITTEXT, 0, 0), 1000000) << "box " << indexOf(box);
    }
    paste(ControlId::编辑框4, millionBlanksThen(L"30"));
    EXPECT_EQ(GetWindowTextLengthW(control(ControlId::编辑框4)), 1000000);
    generate();
    expectDocumentsFor(settingsFromTheBoxes());
}

}  // namespace
}  // namespace torvane::ui
