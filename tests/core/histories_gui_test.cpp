#include "core/histories.h"

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
    InsertComboHistory(box, "a", 0, 3);
    InsertComboHistory(box, "b", 0, 3);
    InsertComboHistory(box, "c", 0, 3);
    EXPECT_EQ(Items(box), "c,b,a");
    InsertComboHistory(box, "d", 0, 3);
    EXPECT_EQ(Items(box), "d,c,b");
    InsertComboHistory(box, "e", 1, 0);  // no limit
    EXPECT_EQ(Items(box), "d,e,c,b");
}

}  // namespace
