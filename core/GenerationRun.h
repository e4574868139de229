#pragma once

#include "DocumentSet.h"
#include "GeneratorSettings.h"
#include "OutputWriter.h"
#include "SwitchListModel.h"
#include "Text.h"

namespace torvane {

enum class OptionBox {
    BatteryCallout,          // 选择框_电池
    SingleRow,               // 单选框_单行
    ShowTaskBar,             // 选择框_任务栏
    LockScreen3GTo2G,        // 选择框_自动切换
    TimedBackgroundCleanup,  // 选择框_自动清理
    TimedSleep,              // 选择框_自动睡眠
};

enum class SleepField {
    BeginHours,    // 编辑框1
    BeginMinutes,  // 编辑框2
    EndHours,      // 编辑框3
    EndMinutes,    // 编辑框4
};

// What a generation run reads of the window: the switch list, the checked
// state of the option boxes and the texts of the sleep fields.
class ControlStates {
public:
    virtual ~ControlStates() = default;
    virtual const SwitchListModel& switchList() const = 0;
    // True only for a box the platform reports as checked.
    virtual bool isChecked(OptionBox box) const = 0;
    virtual Text sleepText(SleepField field) const = 0;

protected:
    ControlStates() = default;
    ControlStates(const ControlStates&) = default;
    ControlStates& operator=(const ControlStates&) = default;
};

GeneratorSettings readSettings(const ControlStates& window);
DocumentSet buildDocuments(const GeneratorSettings& settings);
// One press of the generate button: read, build, write and report.
bool runGeneration(const ControlStates& window, const OutputWriter& writer);

}  // namespace torvane
