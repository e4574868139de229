#include "WindowControlStates.h"

#include <string>

#include "GbkText.h"
#include "WindowText.h"

namespace torvane::ui {

ControlId controlOf(OptionBox box) {
    switch (box) {
    case OptionBox::BatteryCallout: return ControlId::CheckBattery;
    case OptionBox::SingleRow: return ControlId::RadioSingleRow;
    case OptionBox::ShowTaskBar: return ControlId::CheckTaskBar;
    case OptionBox::LockScreen3GTo2G: return ControlId::CheckAutoSwitch;
    case OptionBox::TimedBackgroundCleanup: return ControlId::CheckAutoCleanup;
    case OptionBox::TimedSleep: return ControlId::CheckAutoSleep;
    }
    return ControlId::CheckAutoSleep;
}

ControlId controlOf(SleepField field) {
    switch (field) {
    case SleepField::BeginHours: return ControlId::Edit1;
    case SleepField::BeginMinutes: return ControlId::Edit2;
    case SleepField::EndHours: return ControlId::Edit3;
    case SleepField::EndMinutes: return ControlId::Edit4;
    }
    return ControlId::Edit1;
}

bool WindowControlStates::isChecked(OptionBox box) const {
    // Indeterminate counts as not checked.
    return SendMessageW(control_(controlOf(box)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

Text WindowControlStates::sleepText(SleepField field) const {
    return platform::wideToGbk(windowText(control_(controlOf(field))));
}

}  // namespace torvane::ui
