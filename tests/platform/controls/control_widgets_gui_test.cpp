// The widgets behind the controls: a combo box rectangle taller than the
// closed box sizes its drop-down list, as the platform's templates mean it.
#include "platform/controls/control_widgets.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

constexpr int kDropList = 1011;

const DialogControl kComboControls[] = {
    {ControlKind::ComboBox, kDropList, nullptr, CBS_DROPDOWNLIST, 100, 146, 100, 22},
};

const DialogTemplate kComboTemplate{
    9002,
    u"コンボ",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
    0,
    310,
    290,
    kComboControls,
};

class ComboDialog : public CDialog {
public:
    ComboDialog() : CDialog(&kComboTemplate) { }
};

QWidget* W(CDialog& d, int id)
{
    CWnd* item = d.GetDlgItem(id);
    return item ? item->GetWidget() : nullptr;
}

TEST(ControlWidgets, ATallComboRectangleSizesTheDropDownList)
{
    EXPECT_EQ(ComboGeometryFor(22, 24, 18).closedHeight, 22);
    EXPECT_EQ(ComboGeometryFor(22, 24, 18).visibleRows, 0);
    EXPECT_EQ(ComboGeometryFor(24 + 5 * 18 + 2, 24, 18).visibleRows, 5);
    EXPECT_EQ(ComboGeometryFor(30, 24, 18).visibleRows, 1);

    ComboDialog d;
    ASSERT_TRUE(d.Create());
    auto* combo = static_cast<QComboBox*>(W(d, kDropList));
    const int closed = combo->height();
    d.GetDlgItem(kDropList)->MoveWindow(100, 146, 100, closed + 200);
    EXPECT_EQ(combo->height(), closed);
    EXPECT_GE(combo->maxVisibleItems(), 5);
}

}  // namespace
