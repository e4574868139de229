#pragma once

#include "GeneratorSettings.h"
#include "SwitchCatalogue.h"

namespace torvane::testing {

// What a generation run reads from the window right after start.
inline GeneratorSettings untouchedSettings() {
    GeneratorSettings settings;
    settings.switchOrder = SwitchCatalogue::initialLabels();
    settings.showTaskBar = true;
    settings.sleepBeginHours = "0";
    settings.sleepBeginMinutes = "0";
    settings.sleepEndHours = "6";
    settings.sleepEndMinutes = "0";
    return settings;
}

}  // namespace torvane::testing
