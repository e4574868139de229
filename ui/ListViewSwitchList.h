#pragma once

#include <windows.h>

#include "SwitchListModel.h"

namespace torvane::ui {

// The switch list's rows held by the list-view control itself: texts are the
// items' only column, selection and focus are the items' state bits.
class ListViewSwitchList final : public SwitchListModel {
public:
    explicit ListViewSwitchList(HWND listView) : listView_(listView) {}

    // One column, report view look; called once after the control is created.
    void configure() const;

    std::size_t itemCount() const override;
    Text itemText(std::size_t index) const override;
    void setItemText(std::size_t index, const Text& text) override;
    std::size_t appendItem() override;
    std::vector<std::size_t> selectedIndices() const override;
    void selectItem(long index) override;
    void deselectItem(long index) override;

    HWND control() const { return listView_; }

private:
    HWND listView_;
};

}  // namespace torvane::ui
