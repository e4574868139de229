// Writes the documents of a few representative window states into a folder,
// for an independent property-list parser to read: dump_documents DIR
#include <fstream>
#include <iostream>
#include <string>

#include "GenerationRun.h"
#include "UntouchedSettings.h"

namespace {

using torvane::GeneratorSettings;

struct NamedState {
    const char* name;
    GeneratorSettings settings;
};

NamedState initialState() { return {"initial", torvane::testing::untouchedSettings()}; }

NamedState everythingOn() {
    NamedState state = initialState();
    state.name = "everything-on";
    GeneratorSettings& s = state.settings;
    std::swap(s.switchOrder.front(), s.switchOrder.back());
    s.batteryCallout = s.singleRow = s.lockScreen3GTo2G = true;
    s.timedBackgroundCleanup = s.timedSleep = true;
    s.showTaskBar = false;
    s.sleepBeginHours = "22";
    s.sleepBeginMinutes = "30";
    s.sleepEndHours = "7";
    s.sleepEndMinutes = "15";
    return state;
}

NamedState oddTexts() {
    GeneratorSettings s;
    s.switchOrder = {"VPN", "unknown", "VPN", "\xCA\xFD\xBE\xDD"};
    s.sleepBeginHours = "-0.5";
    s.sleepBeginMinutes = "90";
    s.sleepEndHours = "0.333333333333";
    s.sleepEndMinutes = "1e-7";
    return {"odd-texts", s};
}

NamedState emptyList() {
    GeneratorSettings s;
    return {"empty-list", s};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: dump_documents DIR\n";
        return 2;
    }
    for (const NamedState& state : {initialState(), everythingOn(), oddTexts(), emptyList()}) {
        for (const torvane::Document& document : torvane::buildDocuments(state.settings)) {
            const std::string path =
                std::string(argv[1]) + "/" + state.name + "-" + std::string(document.fileName);
            std::ofstream out(path, std::ios::binary);
            out << document.text;
            if (!out.flush()) {
                std::cerr << "cannot write " << path << "\n";
                return 1;
            }
        }
    }
    return 0;
}
