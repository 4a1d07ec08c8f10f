// The list that reports the mouse to its parent: moves and releases arrive
// with the drag code and the point in the list's client coordinates, and the
// list's own click still comes once.
#include "core/my_list_ctrl.h"
#include "platform/dialog/dialog.h"

#include "tests/support/synthetic_input.h"

#include <QAbstractScrollArea>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kList = 1249;

const DialogControl kControls[] = {
    {ControlKind::ListView, kList, nullptr, LVS_SMALLICON | LVS_SINGLESEL, 5, 5, 200, 100},
};
const DialogTemplate kTemplate{9103, u"リスト", WS_POPUP | WS_VISIBLE, 0, 210, 110, kControls};

struct Report {
    UINT message;
    WPARAM code;
    LPARAM point;
    bool operator==(const Report&) const = default;
};

class Parent : public CDialog {
public:
    Parent() : CDialog(&kTemplate) { }
    std::vector<Report> reports;
    std::vector<int> clickedRows;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MOUSEMOVE || message == WM_LBUTTONUP)
            reports.push_back({message, wParam, lParam});
        return CDialog::WindowProc(message, wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        const auto* record = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
        if (wParam == kList && record->hdr.code == NM_CLICK)
            clickedRows.push_back(record->iItem);
        return CDialog::OnNotify(wParam, lParam, result);
    }
};

QWidget* Viewport(CListCtrl& list)
{
    return static_cast<QAbstractScrollArea*>(list.GetWidget())->viewport();
}

TEST(MyListCtrl, ReportsMovesAndReleasesWithItsCodeAndClicksOnce)
{
    Parent parent;
    ASSERT_TRUE(parent.Create());
    CMyListCtrl list;
    ASSERT_TRUE(list.SubclassDlgItem(kList, &parent));
    for (int i = 0; i < 3; ++i)
        list.InsertItem(i, QStringLiteral("行 %1").arg(i));
    int row = 0;
    list.GetItemSpacing(TRUE, nullptr, &row);

    // Code 0: nothing is reported.
    SendMouse(Viewport(list), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_TRUE(parent.reports.empty());

    list.m_nDragCode = 258;
    const QPoint second(10, row + row / 2);
    SendMouse(Viewport(list), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, second);
    MouseClick(Viewport(list), second);
    const LPARAM point = MAKELPARAM(second.x(), second.y());
    EXPECT_EQ(parent.reports, (std::vector<Report>{{WM_MOUSEMOVE, 258, point}, {WM_LBUTTONUP, 258, point}}));
    EXPECT_EQ(parent.clickedRows, std::vector<int>{1});
}

TEST(MyListCtrl, TheViewIsAsTallAsItsRows)
{
    Parent parent;
    ASSERT_TRUE(parent.Create());
    auto* list = static_cast<CListCtrl*>(parent.GetDlgItem(kList));
    for (int i = 0; i < 4; ++i)
        list->InsertItem(i, QStringLiteral("w"));
    int horizontal = 0;
    int vertical = 0;
    ASSERT_TRUE(list->GetItemSpacing(TRUE, &horizontal, &vertical));
    EXPECT_GE(vertical, 16);
    EXPECT_EQ(list->ApproximateViewRect().cy, 4 * vertical);
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(
                  list->SendMessage(LVM_APPROXIMATEVIEWRECT, WPARAM(-1), MAKELPARAM(-1, -1)))),
        4 * vertical);
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(list->SendMessage(LVM_GETITEMSPACING, TRUE))), vertical);

    list->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list->GetItemState(2, LVIS_SELECTED), LVIS_SELECTED);
    list->SetItemState(2, 0, LVIS_SELECTED);
    EXPECT_EQ(list->GetItemState(2, LVIS_SELECTED), 0u);
}

}  // namespace
