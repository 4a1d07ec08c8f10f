#include "core/histories.h"
#include "platform/controls/controls.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {

QString Items(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items.join(',');
}

TEST(ComboHistory, InsertDropsTheItemAtTheLimit)
{
    QComboBox box;
    CComboBox combo;
    ASSERT_TRUE(combo.AttachWidget(&box, 1001, nullptr));
    InsertComboHistory(combo, "a", 0, 3);
    InsertComboHistory(combo, "b", 0, 3);
    InsertComboHistory(combo, "c", 0, 3);
    EXPECT_EQ(Items(box), "c,b,a");
    InsertComboHistory(combo, "d", 0, 3);
    EXPECT_EQ(Items(box), "d,c,b");
    InsertComboHistory(combo, "e", 1, 0);  // no limit
    EXPECT_EQ(Items(box), "d,e,c,b");
}

}  // namespace
