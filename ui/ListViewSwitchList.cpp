#include "ListViewSwitchList.h"

#include <commctrl.h>

#include <string>

#include "GbkText.h"

namespace torvane::ui {
namespace {

constexpr std::string_view kColumnTitle = "\xC3\xFB\xB3\xC6";  // 名称
constexpr int kColumnWidth = 70;

void setState(HWND listView, long index, UINT state, UINT mask) {
    LVITEMW item{};
    item.stateMask = mask;
    item.state = state;
    SendMessageW(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void ListViewSwitchList::configure() const {
    const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
    SendMessageW(listView_, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);

    std::wstring title = platform::gbkToWide(kColumnTitle);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = kColumnWidth;
    column.pszText = title.data();
    SendMessageW(listView_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

std::size_t ListViewSwitchList::itemCount() const {
    const LRESULT count = SendMessageW(listView_, LVM_GETITEMCOUNT, 0, 0);
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

Text ListViewSwitchList::itemText(std::size_t index) const {
    if (index >= itemCount()) {
        return {};
    }
    // The control copies at most the buffer; grow until the text fits.
    std::wstring buffer(64, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const LRESULT copied = SendMessageW(listView_, LVM_GETITEMTEXTW, index,
                                            reinterpret_cast<LPARAM>(&item));
        if (copied < 0) {
            return {};
        }
        if (static_cast<std::size_t>(copied) + 1 < buffer.size()) {
            return platform::wideToGbk(std::wstring_view(buffer.data(), static_cast<std::size_t>(copied)));
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

void ListViewSwitchList::setItemText(std::size_t index, const Text& text) {
    std::wstring wide = platform::gbkToWide(text);
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = wide.data();
    SendMessageW(listView_, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
}

std::size_t ListViewSwitchList::appendItem() {
    const std::size_t index = itemCount();
    wchar_t empty[] = L"";
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(index);
    item.pszText = empty;
    SendMessageW(listView_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return index;
}

std::vector<std::size_t> ListViewSwitchList::selectedIndices() const {
    std::vector<std::size_t> selected;
    LRESULT at = -1;
    while ((at = SendMessageW(listView_, LVM_GETNEXTITEM, static_cast<WPARAM>(at),
                              MAKELPARAM(LVNI_SELECTED, 0))) >= 0) {
        selected.push_back(static_cast<std::size_t>(at));
    }
    return selected;
}

void ListViewSwitchList::selectItem(long index) {
    if (index < 0 || static_cast<std::size_t>(index) >= itemCount()) {
        return;
    }
    // Index -1 addresses every row: clear them all, then mark this one.
    setState(listView_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    setState(listView_, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ListViewSwitchList::deselectItem(long index) {
    if (index < 0) {
        return;
    }
    setState(listView_, index, 0, LVIS_SELECTED);
}

}  // namespace torvane::ui
