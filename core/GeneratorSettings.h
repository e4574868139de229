#pragma once

#include <vector>

#include "Text.h"

namespace torvane {

// The window's state as read at the start of one generation run.
struct GeneratorSettings {
    std::vector<Text> switchOrder;
    bool batteryCallout = false;
    bool singleRow = false;
    bool showTaskBar = false;
    bool lockScreen3GTo2G = false;
    bool timedBackgroundCleanup = false;
    bool timedSleep = false;
    Text sleepBeginHours;
    Text sleepBeginMinutes;
    Text sleepEndHours;
    Text sleepEndMinutes;
};

}  // namespace torvane
