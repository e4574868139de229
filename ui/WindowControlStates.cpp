#include "WindowControlStates.h"

#include <string>

#include "GbkText.h"
#include "WindowText.h"

namespace torvane::ui {

ControlId controlOf(OptionBox box) {
    switch (box) {
    case OptionBox::BatteryCallout: return ControlId::选择框_电池;
    case OptionBox::SingleRow: return ControlId::单选框_单行;
    case OptionBox::ShowTaskBar: return ControlId::选择框_任务栏;
    case OptionBox::LockScreen3GTo2G: return ControlId::选择框_自动切换;
    case OptionBox::TimedBackgroundCleanup: return ControlId::选择框_自动清理;
    case OptionBox::TimedSleep: return ControlId::选择框_自动睡眠;
    }
    return ControlId::选择框_自动睡眠;
}

ControlId controlOf(SleepField field) {
    switch (field) {
    case SleepField::BeginHours: return ControlId::编辑框1;
    case SleepField::BeginMinutes: return ControlId::编辑框2;
    case SleepField::EndHours: return ControlId::编辑框3;
    case SleepField::EndMinutes: return ControlId::编辑框4;
    }
    return ControlId::编辑框1;
}

bool WindowControlStates::isChecked(OptionBox box) const {
    // Indeterminate counts as not checked.
    return SendMessageW(control_(controlOf(box)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

Text WindowControlStates::sleepText(SleepField field) const {
    return platform::wideToGbk(windowText(control_(controlOf(field))));
}

}  // namespace torvane::ui
