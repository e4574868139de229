#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "ControlTable.h"
#include "GenerationRun.h"
#include "ListViewSwitchList.h"

namespace torvane::ui {

// What a generation run reads, taken from the live controls.
class WindowControlStates final : public ControlStates {
public:
    using ControlLookup = std::function<HWND(ControlId)>;

    WindowControlStates(const ListViewSwitchList& list, ControlLookup control)
        : list_(list), control_(std::move(control)) {}

    const SwitchListModel& switchList() const override { return list_; }
    bool isChecked(OptionBox box) const override;
    // The box's text as GBK, whether the box is enabled or not.
    Text sleepText(SleepField field) const override;

private:
    const ListViewSwitchList& list_;
    ControlLookup control_;
};

ControlId controlOf(OptionBox box);
ControlId controlOf(SleepField field);

}  // namespace torvane::ui
