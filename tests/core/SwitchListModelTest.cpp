#include "SwitchListModel.h"

#include <gtest/gtest.h>

#include "SwitchCatalogue.h"

namespace torvane {
namespace {

const Text kKillBackground = "\xC7\xE5\xC0\xED\xBA\xF3\xCC\xA8";  // 清理后台
const Text kHomeScreen = "\xD6\xF7\xC6\xC1\xC4\xBB";              // 主屏幕
const Text kBluetooth = "\xC0\xB6\xD1\xC0";                       // 蓝牙
const Text kRepairIcons = "\xCD\xBC\xB1\xEA\xD0\xDE\xB8\xB4";     // 图标修复

class SwitchListModelTest : public ::testing::Test {
protected:
    SwitchListModelTest() { fillWithCatalogue(list); }

    std::vector<Text> labels() const {
        std::vector<Text> result;
        for (std::size_t i = 0; i < list.itemCount(); ++i) result.push_back(list.itemText(i));
        return result;
    }
    // The one selected and focused row, checked against the item flags.
    void expectOnlySelectedAndFocused(std::size_t index) const {
        for (std::size_t i = 0; i < list.items().size(); ++i) {
            EXPECT_EQ(list.items()[i].selected, i == index) << "row " << i;
            EXPECT_EQ(list.items()[i].focused, i == index) << "row " << i;
        }
    }

    MemorySwitchList list;
};

TEST_F(SwitchListModelTest, FilledWithTheCatalogueAndNothingSelected) {
    EXPECT_EQ(labels(), SwitchCatalogue::initialLabels());
    EXPECT_TRUE(list.selectedIndices().empty());
}

TEST_F(SwitchListModelTest, NothingSelectedChangesNothing) {
    list.selectItem(3);
    list.deselectItem(3);  // leaves the focus mark on row 3
    EXPECT_EQ(list.moveSelectedUp(), MoveOutcome::NothingSelected);
    EXPECT_EQ(list.moveSelectedDown(), MoveOutcome::NothingSelected);
    EXPECT_EQ(labels(), SwitchCatalogue::initialLabels());
    EXPECT_TRUE(list.items()[3].focused);
}

TEST_F(SwitchListModelTest, MovesAtTheEdgesChangeNothing) {
    list.selectItem(0);
    EXPECT_EQ(list.moveSelectedUp(), MoveOutcome::AtEdge);
    expectOnlySelectedAndFocused(0);
    list.selectItem(23);
    EXPECT_EQ(list.moveSelectedDown(), MoveOutcome::AtEdge);
    expectOnlySelectedAndFocused(23);
    EXPECT_EQ(labels(), SwitchCatalogue::initialLabels());
}

TEST_F(SwitchListModelTest, MoveUpToTheTopThenStops) {
    list.selectItem(5);
    EXPECT_EQ(list.moveSelectedUp(), MoveOutcome::Moved);
    EXPECT_EQ(list.itemText(4), kKillBackground);
    EXPECT_EQ(list.itemText(5), "LTE");
    expectOnlySelectedAndFocused(4);

    for (int i = 0; i < 4; ++i) EXPECT_EQ(list.moveSelectedUp(), MoveOutcome::Moved);
    const std::vector<Text> all = labels();
    const std::vector<Text> top(all.begin(), all.begin() + 7);
    EXPECT_EQ(top, (std::vector<Text>{kKillBackground, "WI-FI", "\xCA\xFD\xBE\xDD", "3G", "4G",
                                      "LTE", kHomeScreen}));
    const std::vector<Text> before = labels();
    EXPECT_EQ(list.moveSelectedUp(), MoveOutcome::AtEdge);
    EXPECT_EQ(labels(), before);
    expectOnlySelectedAndFocused(0);
}

TEST_F(SwitchListModelTest, MoveDownToTheBottomThenStops) {
    list.selectItem(22);
    EXPECT_EQ(list.moveSelectedDown(), MoveOutcome::Moved);
    EXPECT_EQ(list.itemText(22), kRepairIcons);
    EXPECT_EQ(list.itemText(23), kBluetooth);
    expectOnlySelectedAndFocused(23);
    EXPECT_EQ(list.moveSelectedDown(), MoveOutcome::AtEdge);
    EXPECT_EQ(list.itemText(23), kBluetooth);
}

TEST(SwitchListModel, RowOperations) {
    MemorySwitchList list;
    EXPECT_EQ(list.appendItem(), 0u);
    EXPECT_EQ(list.appendItem(), 1u);
    EXPECT_EQ(list.itemText(0), "");
    EXPECT_EQ(list.itemText(7), "");  // no such row
    list.setItemText(1, "x");
    list.selectItem(-1);
    list.deselectItem(-1);
    EXPECT_TRUE(list.selectedIndices().empty());
    list.selectItem(0);
    list.selectItem(1);  // single selection: the first one is dropped
    EXPECT_EQ(list.selectedIndices(), std::vector<std::size_t>{1});
    EXPECT_FALSE(list.items()[0].focused);

    // An empty text moves like any other.
    EXPECT_EQ(list.moveSelectedUp(), MoveOutcome::Moved);
    EXPECT_EQ(list.itemText(0), "x");
    EXPECT_EQ(list.itemText(1), "");
}

}  // namespace
}  // namespace torvane
