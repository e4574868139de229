// buildDocuments on arbitrary settings: any bytes as labels and sleep texts,
// any booleans. The three documents keep their names, order and frame, carry
// only ASCII, and the only parts that vary are those the settings choose.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "GenerationRun.h"
#include "NumberText.h"
#include "SwitchCatalogue.h"

namespace {

using torvane::GeneratorSettings;

void check(bool condition, const char* what) {
    if (!condition) {
        fprintf(stderr, "invariant broken: %s\n", what);
        abort();
    }
}

bool isAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

std::string entryFor(std::string_view identifier) {
    return "\t<string>" + std::string(identifier) + "</string>";
}

// The same switches in catalogue order, with neither time and all options off:
// the frame every document must keep.
const torvane::DocumentSet& plainDocuments(bool lock, bool background, bool sleep) {
    static torvane::DocumentSet sets[8];
    static bool built[8] = {};
    const int key = lock * 4 + background * 2 + sleep;
    if (!built[key]) {
        GeneratorSettings plain;
        plain.lockScreen3GTo2G = lock;
        plain.timedBackgroundCleanup = background;
        plain.timedSleep = sleep;
        sets[key] = torvane::buildDocuments(plain);
        built[key] = true;
    }
    return sets[key];
}

void checkPanelOrder(const GeneratorSettings& settings, const std::string& text) {
    const std::string frame = plainDocuments(false, false, false)[0].text;
    check(frame.size() == 190, "empty panel order is not 190 bytes");
    std::string entries;
    for (const std::string& label : settings.switchOrder) {
        for (const torvane::SwitchEntry& entry : torvane::SwitchCatalogue::entries()) {
            if (entry.label == label) entries += entryFor(entry.identifier);
        }
    }
    check(text == frame.substr(0, 171) + entries + frame.substr(171), "panel order");
}

void checkPanelSetting(const GeneratorSettings& settings, const std::string& text) {
    check(text.size() == 498, "panel setting is not 498 bytes");
    const std::string plain = plainDocuments(false, false, false)[1].text;
    const auto value = [&](std::string_view key) {
        const std::size_t at = text.find("<key>" + std::string(key) + "</key>\n\t<integer>");
        check(at != std::string::npos, "panel setting key missing");
        return text[at + key.size() + 22];
    };
    check(value("PanelEnabled") == (settings.batteryCallout ? '1' : '0'), "PanelEnabled");
    check(value("WeeMultiLineEnabled") == (settings.singleRow ? '0' : '1'), "WeeMultiLineEnabled");
    check(value("WeeSwitchViewEnabled") == (settings.showTaskBar ? '1' : '0'),
          "WeeSwitchViewEnabled");
    // Apart from those three digits the text is fixed.
    std::size_t differing = 0;
    for (std::size_t i = 0; i < text.size(); ++i) differing += text[i] != plain[i];
    check(differing <= 3, "panel setting frame changed");
}

void checkIntelligenceSetting(const GeneratorSettings& settings, const std::string& text) {
    const std::string plain =
        plainDocuments(settings.lockScreen3GTo2G, settings.timedBackgroundCleanup,
                       settings.timedSleep)[2]
            .text;
    // The plain document holds both times as "0".
    const std::string marker = "<real>0</real>";
    const std::size_t first = plain.find(marker);
    const std::size_t second = plain.find(marker, first + 1);
    check(first != std::string::npos && second != std::string::npos, "plain sleep times");

    const auto timeText = [](const std::string& hours, const std::string& minutes) {
        return torvane::numberToText(torvane::textToNumber(hours) * 3600.0 +
                                     torvane::textToNumber(minutes) * 60.0);
    };
    const std::string begin = timeText(settings.sleepBeginHours, settings.sleepBeginMinutes);
    const std::string end = timeText(settings.sleepEndHours, settings.sleepEndMinutes);
    check(!begin.empty() && begin.size() <= 20 && !end.empty() && end.size() <= 20,
          "time text length");
    const std::string expected = plain.substr(0, first + 6) + begin +
                                 plain.substr(first + 7, second + 6 - (first + 7)) + end +
                                 plain.substr(second + 7);
    check(text == expected, "intelligence setting");
    check(text.size() == 826 + begin.size() + end.size(), "intelligence setting length");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    GeneratorSettings settings;
    settings.batteryCallout = input.ConsumeBool();
    settings.singleRow = input.ConsumeBool();
    settings.showTaskBar = input.ConsumeBool();
    settings.lockScreen3GTo2G = input.ConsumeBool();
    settings.timedBackgroundCleanup = input.ConsumeBool();
    settings.timedSleep = input.ConsumeBool();
    settings.sleepBeginHours = input.ConsumeRandomLengthString(64);
    settings.sleepBeginMinutes = input.ConsumeRandomLengthString(64);
    settings.sleepEndHours = input.ConsumeRandomLengthString(64);
    settings.sleepEndMinutes = input.ConsumeRandomLengthString(64);
    const auto& catalogue = torvane::SwitchCatalogue::entries();
    while (input.remaining_bytes() > 0) {
        // Mostly real labels, so that reordered and repeated switches occur.
        if (input.ConsumeBool()) {
            settings.switchOrder.emplace_back(
                catalogue[input.ConsumeIntegralInRange<std::size_t>(0, catalogue.size() - 1)]
                    .label);
        } else {
            settings.switchOrder.push_back(input.ConsumeRandomLengthString(16));
        }
    }

    const torvane::DocumentSet documents = torvane::buildDocuments(settings);
    check(documents[0].fileName == "PanelOrder.plist", "first file name");
    check(documents[1].fileName == "PanelSetting.plist", "second file name");
    check(documents[2].fileName == "IntelligenceSetting.plist", "third file name");
    for (const torvane::Document& document : documents) check(isAscii(document.text), "non-ASCII");
    checkPanelOrder(settings, documents[0].text);
    checkPanelSetting(settings, documents[1].text);
    checkIntelligenceSetting(settings, documents[2].text);
    return 0;
}
