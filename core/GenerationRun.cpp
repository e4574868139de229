#include "GenerationRun.h"

#include "IntelligenceSettingDocument.h"
#include "PanelOrderDocument.h"
#include "PanelSettingDocument.h"

namespace torvane {

GeneratorSettings readSettings(const ControlStates& window) {
    GeneratorSettings settings;
    const SwitchListModel& list = window.switchList();
    const std::size_t count = list.itemCount();
    settings.switchOrder.reserve(count);
    for (std::size_t i = 0; i < count; ++i) settings.switchOrder.push_back(list.itemText(i));

    settings.batteryCallout = window.isChecked(OptionBox::BatteryCallout);
    settings.singleRow = window.isChecked(OptionBox::SingleRow);
    settings.showTaskBar = window.isChecked(OptionBox::ShowTaskBar);
    settings.lockScreen3GTo2G = window.isChecked(OptionBox::LockScreen3GTo2G);
    settings.timedBackgroundCleanup = window.isChecked(OptionBox::TimedBackgroundCleanup);
    settings.timedSleep = window.isChecked(OptionBox::TimedSleep);
    settings.sleepBeginHours = window.sleepText(SleepField::BeginHours);
    settings.sleepBeginMinutes = window.sleepText(SleepField::BeginMinutes);
    settings.sleepEndHours = window.sleepText(SleepField::EndHours);
    settings.sleepEndMinutes = window.sleepText(SleepField::EndMinutes);
    return settings;
}

DocumentSet buildDocuments(const GeneratorSettings& settings) {
    return {{
        {kPanelOrderFileName, buildPanelOrder(settings.switchOrder)},
        {kPanelSettingFileName,
         buildPanelSetting(settings.batteryCallout, settings.singleRow, settings.showTaskBar)},
        {kIntelligenceSettingFileName,
         buildIntelligenceSetting(settings.lockScreen3GTo2G, settings.timedBackgroundCleanup,
                                  settings.timedSleep, settings.sleepBeginHours,
                                  settings.sleepBeginMinutes, settings.sleepEndHours,
                                  settings.sleepEndMinutes)},
    }};
}

bool runGeneration(const ControlStates& window, const OutputWriter& writer) {
    const GeneratorSettings settings = readSettings(window);
    const DocumentSet documents = buildDocuments(settings);
    return writer.writeDocuments(documents);
}

}  // namespace torvane
