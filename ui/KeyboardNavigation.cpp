#include "KeyboardNavigation.h"

#include <algorithm>
#include <iterator>

namespace torvane::ui {
namespace {

std::vector<ControlId> availableStops(const Availability& available) {
    std::vector<ControlId> stops = focusOrder();
    stops.erase(std::remove_if(stops.begin(), stops.end(),
                               [&](ControlId id) { return !available(id); }),
                stops.end());
    return stops;
}

// The neighbour of position `at` in a ring of `size` entries.
std::size_t stepInRing(std::size_t at, std::size_t size, bool forward) {
    return forward ? (at + 1) % size : (at + size - 1) % size;
}

}  // namespace

std::vector<ControlId> focusOrder() {
    std::vector<ControlId> stops;
    const auto& table = controlTable();
    // Walking the table backwards and sorting stably keeps equal keys in
    // reverse table order.
    for (auto spec = table.rbegin(); spec != table.rend(); ++spec) {
        if (spec->focusKey) {
            stops.push_back(spec->id);
        }
    }
    std::stable_sort(stops.begin(), stops.end(), [](ControlId a, ControlId b) {
        return *specOf(a).focusKey < *specOf(b).focusKey;
    });
    return stops;
}

std::optional<ControlId> firstFocusStop(const Availability& available) {
    const std::vector<ControlId> stops = availableStops(available);
    if (stops.empty()) {
        return std::nullopt;
    }
    return stops.front();
}

std::optional<ControlId> nextFocusStop(ControlId focused, bool forward, const Availability& available) {
    const std::vector<ControlId> order = focusOrder();
    const std::vector<ControlId> stops = availableStops(available);
    if (stops.empty()) {
        return std::nullopt;
    }

    if (specOf(focused).focusKey) {
        // Step from the focused stop's place in the full order, so a focused
        // stop that just became unavailable still leads on.
        const auto place = std::find(order.begin(), order.end(), focused);
        std::size_t at = static_cast<std::size_t>(place - order.begin());
        for (std::size_t step = 0; step < order.size(); ++step) {
            at = stepInRing(at, order.size(), forward);
            if (available(order[at])) {
                return order[at];
            }
        }
        return std::nullopt;
    }

    const auto entry = std::find_if(stops.begin(), stops.end(), [&](ControlId id) {
        return indexOf(id) < indexOf(focused);
    });
    if (entry == stops.end()) {
        return forward ? stops.front() : stops.back();
    }
    if (forward) {
        return *entry;
    }
    const std::size_t at = static_cast<std::size_t>(std::distance(stops.begin(), entry));
    return stops[stepInRing(at, stops.size(), false)];
}

std::optional<ControlId> nextRadioButton(ControlId radio, bool forward, const Availability& available) {
    const std::optional<ControlId> group = specOf(radio).parent;
    std::vector<ControlId> radios;
    for (const ControlId id : focusOrder()) {
        const ControlSpec& spec = specOf(id);
        if (spec.kind == ControlKind::RadioButton && spec.parent == group &&
            (id == radio || available(id))) {
            radios.push_back(id);
        }
    }
    const auto place = std::find(radios.begin(), radios.end(), radio);
    if (place == radios.end()) {
        return std::nullopt;
    }
    const std::size_t at = static_cast<std::size_t>(place - radios.begin());
    return radios[stepInRing(at, radios.size(), forward)];
}

}  // namespace torvane::ui
