#include "SwitchListModel.h"

#include <algorithm>

#include "SwitchCatalogue.h"

namespace torvane {

MoveOutcome SwitchListModel::moveSelectedUp() { return moveSelected(Direction::Up); }

MoveOutcome SwitchListModel::moveSelectedDown() { return moveSelected(Direction::Down); }

// Exchanges the texts of each selected row and its neighbour, then moves the
// selection along. Indices are taken from the edge side, so only the first
// one can be at the edge and the move is all or nothing.
MoveOutcome SwitchListModel::moveSelected(Direction direction) {
    std::vector<std::size_t> selected = selectedIndices();
    if (selected.empty()) return MoveOutcome::NothingSelected;
    if (direction == Direction::Down) std::reverse(selected.begin(), selected.end());

    const std::size_t count = itemCount();
    const auto atEdge = [&](std::size_t v) {
        return direction == Direction::Up ? v == 0 : v + 1 >= count;
    };
    const auto neighbour = [&](std::size_t v) { return direction == Direction::Up ? v - 1 : v + 1; };

    for (const std::size_t v : selected) {
        if (atEdge(v)) return MoveOutcome::AtEdge;
        const Text moving = itemText(v);
        setItemText(v, itemText(neighbour(v)));
        setItemText(neighbour(v), moving);
    }
    for (const std::size_t v : selected) {
        deselectItem(static_cast<long>(v));
        selectItem(static_cast<long>(neighbour(v)));
    }
    return MoveOutcome::Moved;
}

MemorySwitchList::MemorySwitchList(const std::vector<Text>& labels) {
    for (const Text& label : labels) items_.push_back({label, false, false});
}

std::size_t MemorySwitchList::itemCount() const { return items_.size(); }

Text MemorySwitchList::itemText(std::size_t index) const {
    return index < items_.size() ? items_[index].label : Text{};
}

void MemorySwitchList::setItemText(std::size_t index, const Text& text) {
    if (index < items_.size()) items_[index].label = text;
}

std::size_t MemorySwitchList::appendItem() {
    items_.push_back({});
    return items_.size() - 1;
}

std::vector<std::size_t> MemorySwitchList::selectedIndices() const {
    std::vector<std::size_t> indices;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].selected) indices.push_back(i);
    }
    return indices;
}

void MemorySwitchList::selectItem(long index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return;
    for (SwitchListItem& item : items_) item.selected = item.focused = false;
    items_[static_cast<std::size_t>(index)].selected = true;
    items_[static_cast<std::size_t>(index)].focused = true;
}

void MemorySwitchList::deselectItem(long index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return;
    items_[static_cast<std::size_t>(index)].selected = false;
}

void fillWithCatalogue(SwitchListModel& list) {
    for (const Text& label : SwitchCatalogue::initialLabels()) {
        list.setItemText(list.appendItem(), label);
    }
}

}  // namespace torvane
