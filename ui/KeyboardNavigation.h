#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "ControlTable.h"

namespace torvane::ui {

// Whether a control can take the focus now (visible and enabled).
using Availability = std::function<bool(ControlId)>;

// Every focus stop of the table: focus key ascending, and among equal keys
// the control further down the table first.
std::vector<ControlId> focusOrder();

// Where Tab (forward) or Shift+Tab moves the focus from the focused control.
// A control that is no stop (the switch list) enters the order at the first
// stop with a smaller table number.
std::optional<ControlId> nextFocusStop(ControlId focused, bool forward, const Availability& available);

// The first stop that can take the focus: where the focus goes at start.
std::optional<ControlId> firstFocusStop(const Availability& available);

// Arrow keys on a radio button: the previous or next radio button of the same
// group box in focus order, wrapping at both ends.
std::optional<ControlId> nextRadioButton(ControlId radio, bool forward, const Availability& available);

}  // namespace torvane::ui
