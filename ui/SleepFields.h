#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string_view>

#include "ControlTable.h"

namespace torvane::ui {

// The four sleep edit boxes: hours and minutes of the begin and the end of
// the daily sleep window, each with its own up-down button.
struct SleepFieldRange {
    ControlId edit;
    int minimum;
    int maximum;
};

inline constexpr std::array<SleepFieldRange, 4> kSleepFieldRanges{{
    {ControlId::编辑框1, 0, 23},
    {ControlId::编辑框2, 0, 59},
    {ControlId::编辑框3, 0, 23},
    {ControlId::编辑框4, 0, 59},
}};

// The order in which the sleep check box enables or disables the boxes.
inline constexpr std::array<ControlId, 4> kSleepFieldSwitchOrder{
    ControlId::编辑框4, ControlId::编辑框2, ControlId::编辑框1, ControlId::编辑框3};

inline constexpr int kUpDownWidth = 18;

std::optional<SleepFieldRange> sleepFieldRange(ControlId edit);

// The leading decimal integer of a text as C's atoi reads it: blanks skipped,
// an optional sign, digits up to the first other character; 0 without digits.
// Saturates instead of overflowing.
int leadingInteger(std::wstring_view text);

// One step of an up-down button from the edit box's text, wrapping around
// the range: a value that leaves it goes to the minimum (up) or maximum (down).
int steppedValue(std::wstring_view text, const SleepFieldRange& range, bool up);

// Typing filter: control characters, '-' and the digits get through.
bool isAcceptedCharacter(wchar_t character);

// Subclasses a sleep edit box: drops rejected typed characters, draws a plain
// one-pixel border and centres the single line of text vertically in the box.
void installSleepFieldBehaviour(HWND edit);

// Handles an up-down button's step notification for its edit box: writes the
// stepped value, selects it all and gives the box the focus.
void stepSleepField(HWND edit, const SleepFieldRange& range, bool up);

}  // namespace torvane::ui
