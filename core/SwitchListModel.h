#pragma once

#include <cstddef>
#include <vector>

#include "Text.h"

namespace torvane {

enum class MoveOutcome { NothingSelected, AtEdge, Moved };

// The rows of the switch list: their texts, the selected row and the focused
// row. The row operations are primitives of whatever holds the rows (memory
// in tests, the list control in the window); the two moves are written once
// on top of them so that every holder moves rows the same way.
class SwitchListModel {
public:
    virtual ~SwitchListModel() = default;

    virtual std::size_t itemCount() const = 0;
    // Empty text for an index without a row.
    virtual Text itemText(std::size_t index) const = 0;
    virtual void setItemText(std::size_t index, const Text& text) = 0;
    // Adds an empty, unselected, unfocused row at the end; returns its index.
    virtual std::size_t appendItem() = 0;
    // Ascending; empty when no row is selected.
    virtual std::vector<std::size_t> selectedIndices() const = 0;
    // A negative index does nothing. Otherwise the row becomes the only
    // selected row and the focused row.
    virtual void selectItem(long index) = 0;
    // A negative index does nothing. Otherwise clears the selection only.
    virtual void deselectItem(long index) = 0;

    MoveOutcome moveSelectedUp();
    MoveOutcome moveSelectedDown();

protected:
    SwitchListModel() = default;
    SwitchListModel(const SwitchListModel&) = default;
    SwitchListModel& operator=(const SwitchListModel&) = default;

private:
    enum class Direction { Up, Down };
    MoveOutcome moveSelected(Direction direction);
};

struct SwitchListItem {
    Text label;
    bool selected = false;
    bool focused = false;
};

// Rows held in memory, for running the program's logic without a window.
class MemorySwitchList final : public SwitchListModel {
public:
    MemorySwitchList() = default;
    explicit MemorySwitchList(const std::vector<Text>& labels);

    std::size_t itemCount() const override;
    Text itemText(std::size_t index) const override;
    void setItemText(std::size_t index, const Text& text) override;
    std::size_t appendItem() override;
    std::vector<std::size_t> selectedIndices() const override;
    void selectItem(long index) override;
    void deselectItem(long index) override;

    const std::vector<SwitchListItem>& items() const { return items_; }

private:
    std::vector<SwitchListItem> items_;
};

// Fills an empty list with the catalogue labels, top to bottom, as the window
// does once it has been created.
void fillWithCatalogue(SwitchListModel& list);

}  // namespace torvane
