#include "ListViewSwitchList.h"
#include "SwitchCatalogue.h"
#include "WindowFixture.h"

namespace torvane::ui {
namespace {

using SwitchList = WindowFixture;

Text label(std::size_t catalogueIndex) { return Text(SwitchCatalogue::entries()[catalogueIndex].label); }

long focusedRow(HWND list) {
    return static_cast<long>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)));
}

POINT rowCentre(HWND list, int row) {
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return testing::screenPointOf(list, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

TEST_F(SwitchList, ClickingASecondRowMovesTheSingleSelection) {
    HWND const list = control(ControlId::超级列表框1);
    const ListViewSwitchList rows(list);
    ASSERT_TRUE(clickAt(rowCentre(list, 1)));
    ASSERT_TRUE(waitFor([&] { return rows.selectedIndices() == std::vector<std::size_t>{1}; }));
    EXPECT_EQ(GetFocus(), list);
    ASSERT_TRUE(clickAt(rowCentre(list, 3)));
    ASSERT_TRUE(waitFor([&] { return rows.selectedIndices() == std::vector<std::size_t>{3}; }));
    EXPECT_EQ(focusedRow(list), 3);
}

TEST_F(SwitchList, MoveWithNothingSelectedKeepsTheFocusOnTheClickedButton) {
    HWND const up = control(ControlId::按钮_上移);
    ASSERT_TRUE(clickAt(testing::centreOf(up)));
    ASSERT_TRUE(waitFor([&] { return GetFocus() == up; }));
    settle();
    EXPECT_EQ(GetFocus(), up);
    EXPECT_EQ(ListViewSwitchList(control(ControlId::超级列表框1)).itemText(0), label(0));
}

struct MoveCase {
    const char* what;
    long selected;
    ControlId button;
    int presses;
    std::vector<std::size_t> expectedOrder;  // catalogue indices of the first rows, or of rows 21..23
    bool bottomRows;
    long expectedSelection;
};

// The move buttons permute the labels, move selection and focus mark with
// the label, and give the list the keyboard focus, also at an edge.
TEST_F(SwitchList, MoveButtonsPermuteTheRows) {
    const MoveCase cases[] = {
        {"WI-FI up at the top edge", 0, ControlId::按钮_上移, 1, {0, 1, 2}, false, 0},
        {"clean-up one up", 5, ControlId::按钮_上移, 1, {0, 1, 2, 3, 5, 4, 6}, false, 4},
        {"clean-up to the top, then the edge", 5, ControlId::按钮_上移, 6, {5, 0, 1, 2, 3, 4, 6}, false, 0},
        {"bluetooth down", 22, ControlId::按钮_下移, 1, {21, 23, 22}, true, 23},
        {"bluetooth down, then the edge", 22, ControlId::按钮_下移, 2, {21, 23, 22}, true, 23},
        {"icon repair down at the bottom edge", 23, ControlId::按钮_下移, 1, {21, 22, 23}, true, 23},
    };
    HWND const list = control(ControlId::超级列表框1);
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        ListViewSwitchList rows(list);
        for (std::size_t i = 0; i < 24; ++i) rows.setItemText(i, label(i));
        rows.selectItem(c.selected);
        SetFocus(control(c.button));
        for (int i = 0; i < c.presses; ++i) {
            SendMessageW(control(c.button), BM_CLICK, 0, 0);
        }
        const std::size_t first = c.bottomRows ? 21 : 0;
        for (std::size_t i = 0; i < c.expectedOrder.size(); ++i) {
            EXPECT_EQ(rows.itemText(first + i), label(c.expectedOrder[i])) << "row " << first + i;
        }
        EXPECT_EQ(rows.selectedIndices(), std::vector<std::size_t>{static_cast<std::size_t>(c.expectedSelection)});
        EXPECT_EQ(focusedRow(list), c.expectedSelection);
        EXPECT_EQ(GetFocus(), list);
    }
}

TEST_F(SwitchList, SelectAndDeselectWorkOnTheControlsStateBits) {
    HWND const list = control(ControlId::超级列表框1);
    ListViewSwitchList rows(list);
    rows.selectItem(-1);
    EXPECT_TRUE(rows.selectedIndices().empty());
    rows.selectItem(2);
    rows.selectItem(7);
    EXPECT_EQ(rows.selectedIndices(), std::vector<std::size_t>{7});
    EXPECT_EQ(focusedRow(list), 7);
    rows.deselectItem(7);
    EXPECT_TRUE(rows.selectedIndices().empty());
    EXPECT_EQ(focusedRow(list), 7) << "deselecting keeps the focus mark";
    rows.deselectItem(-1);
    EXPECT_EQ(focusedRow(list), 7);
}

TEST_F(SwitchList, TextsRoundTripByteForByte) {
    ListViewSwitchList rows(control(ControlId::超级列表框1));
    const Text texts[] = {"", "\xC7\xE5\xC0\xED\xBA\xF3\xCC\xA8", std::string(300, 'x')};
    for (const Text& text : texts) {
        rows.setItemText(4, text);
        EXPECT_EQ(rows.itemText(4), text);
    }
    EXPECT_EQ(rows.itemCount(), 24u) << "setting texts adds no row";
}

}  // namespace
}  // namespace torvane::ui
