#pragma once

#include <string>
#include <vector>

#include "Text.h"

namespace torvane {

// PanelOrder.plist: an array with the identifier of every recognised label,
// in list order.
std::string buildPanelOrder(const std::vector<Text>& switchOrder);

}  // namespace torvane
