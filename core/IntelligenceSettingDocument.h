#pragma once

#include <string>

#include "Text.h"

namespace torvane {

// IntelligenceSetting.plist: the automatic actions and the daily sleep window,
// whose begin and end are written as seconds of the day.
std::string buildIntelligenceSetting(bool lockScreen3GTo2G, bool timedBackgroundCleanup,
                                     bool timedSleep, const Text& sleepBeginHours,
                                     const Text& sleepBeginMinutes, const Text& sleepEndHours,
                                     const Text& sleepEndMinutes);

// hours × 3600 + minutes × 60, each step rounded to double.
double secondsOfDay(double hours, double minutes);

}  // namespace torvane
