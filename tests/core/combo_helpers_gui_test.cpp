#include "core/combo_helpers.h"
#include "platform/controls/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QListView>
#include <gtest/gtest.h>

TEST(ComboHelpers, SetCheckChecksOnlyForOne)
{
    QCheckBox box;
    CButton button;
    ASSERT_TRUE(button.AttachWidget(&box, 1001, nullptr));
    for (const auto& [value, checked] :
        {std::pair{1, true}, {0, false}, {2, false}, {1, true}, {-1, false}}) {
        SetCheck(value, &button);
        EXPECT_EQ(box.isChecked(), checked) << value;
    }
}

TEST(ComboHelpers, DropDownShowsEveryItemAndTheWidestText)
{
    EXPECT_EQ(ComboDropHeight(5, 12), 62);
    EXPECT_EQ(ComboDropHeight(0, 12), 2);

    QComboBox widget;
    widget.resize(60, 24);
    CComboBox combo;
    ASSERT_TRUE(combo.AttachWidget(&widget, 1002, nullptr));
    EXPECT_EQ(FitComboDropSize(nullptr, &combo), 0);  // no items: nothing changes

    const QString longest = QStringLiteral("とても長い項目の名前です");
    for (const QString& item : {QStringLiteral("a"), longest, QStringLiteral("bb")})
        combo.AddString(item);
    for (int i = 0; i < 30; ++i)
        combo.AddString(QString::number(i));
    const QFontMetrics metrics(widget.font());
    const int expectedWidth = std::max(widget.width(), metrics.horizontalAdvance(longest));
    EXPECT_EQ(FitComboDropSize(nullptr, &combo), expectedWidth);
    EXPECT_EQ(widget.maxVisibleItems(), 33);
    EXPECT_GE(widget.view()->minimumWidth(), expectedWidth);

    widget.setMaxVisibleItems(3);
    EXPECT_EQ(FitComboDropHeight(nullptr, &combo), ComboDropHeight(33, metrics.height()));
    EXPECT_EQ(widget.maxVisibleItems(), 33);
}
