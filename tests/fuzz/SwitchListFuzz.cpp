// SwitchListModel under arbitrary sequences of select, deselect, move up and
// move down, checked against a plain model of the rows kept here: the labels
// stay a permutation of the initial ones, at most one row is selected, and
// every move's outcome matches the state it started from.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "SwitchCatalogue.h"
#include "SwitchListModel.h"

namespace {

using torvane::MoveOutcome;

void check(bool condition, const char* what) {
    if (!condition) {
        fprintf(stderr, "invariant broken: %s\n", what);
        abort();
    }
}

struct Expected {
    std::vector<std::string> labels;
    std::optional<std::size_t> selected;
    std::optional<std::size_t> focused;
};

void compare(const torvane::MemorySwitchList& list, const Expected& expected) {
    check(list.itemCount() == expected.labels.size(), "row count changed");
    std::size_t selectedRows = 0, focusedRows = 0;
    for (std::size_t i = 0; i < list.itemCount(); ++i) {
        const torvane::SwitchListItem& item = list.items()[i];
        check(list.itemText(i) == expected.labels[i], "label");
        check(item.selected == (expected.selected == i), "selection");
        check(item.focused == (expected.focused == i), "focus");
        selectedRows += item.selected;
        focusedRows += item.focused;
    }
    check(selectedRows <= 1 && focusedRows <= 1, "more than one selected or focused row");
    const std::vector<std::size_t> indices = list.selectedIndices();
    check(indices.size() == selectedRows && (indices.empty() || indices[0] == expected.selected),
          "selectedIndices");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Expected expected;
    if (input.ConsumeBool()) {
        expected.labels = torvane::SwitchCatalogue::initialLabels();
    } else {
        // A short list of any labels, repeated and empty ones included.
        const auto rows = input.ConsumeIntegralInRange<std::size_t>(0, 6);
        for (std::size_t i = 0; i < rows; ++i) expected.labels.push_back(input.ConsumeRandomLengthString(4));
    }
    torvane::MemorySwitchList list(expected.labels);
    std::vector<std::string> initial = expected.labels;
    std::sort(initial.begin(), initial.end());
    const long count = static_cast<long>(expected.labels.size());

    while (input.remaining_bytes() > 0) {
        const int operation = input.ConsumeIntegralInRange(0, 3);
        if (operation < 2) {
            // Valid rows and the negative indices that mean "none".
            const long index = input.ConsumeIntegralInRange<long>(-2, std::max(count - 1, -1L));
            if (operation == 0) {
                list.selectItem(index);
                if (index >= 0) expected.selected = expected.focused = static_cast<std::size_t>(index);
            } else {
                list.deselectItem(index);
                if (index >= 0 && expected.selected == static_cast<std::size_t>(index))
                    expected.selected.reset();
            }
        } else {
            const bool up = operation == 2;
            const MoveOutcome outcome = up ? list.moveSelectedUp() : list.moveSelectedDown();
            if (!expected.selected) {
                check(outcome == MoveOutcome::NothingSelected, "expected NothingSelected");
            } else if (up ? *expected.selected == 0 : *expected.selected + 1 == expected.labels.size()) {
                check(outcome == MoveOutcome::AtEdge, "expected AtEdge");
            } else {
                check(outcome == MoveOutcome::Moved, "expected Moved");
                const std::size_t from = *expected.selected;
                const std::size_t to = up ? from - 1 : from + 1;
                std::swap(expected.labels[from], expected.labels[to]);
                expected.selected = expected.focused = to;
            }
        }
        compare(list, expected);
    }
    std::vector<std::string> now = expected.labels;
    std::sort(now.begin(), now.end());
    check(now == initial, "labels are no longer a permutation");
    return 0;
}
