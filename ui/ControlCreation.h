#pragma once

#include <windows.h>

#include "ControlTable.h"

namespace torvane::ui {

// Creates one control of the table under its parent, on top of the parent's
// other children, in its initial state and with the default GUI font.
HWND createControl(const ControlSpec& spec, HWND parent, HINSTANCE instance);

// Creates the up-down button against the right edge of a sleep edit box,
// on top of the parent's other children.
HWND createUpDown(const ControlSpec& edit, HWND parent, HINSTANCE instance);

}  // namespace torvane::ui
