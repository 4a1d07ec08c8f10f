// The tree view: items and their walk, stale handles, image slots drawn from
// the image list, the caret with the cause of each change, the drop
// highlight, hit tests and the start of a drag; and the tree that reports the
// mouse to its parent with its drag code.
#include "core/my_tree_ctrl.h"
#include "platform/dialog/dialog.h"

#include "tests/support/synthetic_input.h"

#include <QAbstractScrollArea>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kTree = 1095;

const DialogControl kControls[] = {
    {ControlKind::TreeView, kTree, nullptr, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 5, 5, 200, 150},
};
const DialogTemplate kTemplate{9104, u"ツリー", WS_POPUP | WS_VISIBLE, 0, 210, 160, kControls};

struct Change {
    UINT code;
    UINT action;
    HTREEITEM item;
    bool operator==(const Change&) const = default;
};

struct Report {
    UINT message;
    WPARAM code;
    LPARAM point;
    bool operator==(const Report&) const = default;
};

class Parent : public CDialog {
public:
    Parent() : CDialog(&kTemplate) { }
    std::vector<Change> changes;
    std::vector<WORD> keys;
    std::vector<Report> reports;
    POINT dragPoint{};
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (wParam == kTree) {
            const auto* record = reinterpret_cast<const NMTREEVIEW*>(lParam);
            if (header->code == TVN_SELCHANGED || header->code == TVN_BEGINDRAG)
                changes.push_back({header->code, record->action, record->itemNew.hItem});
            if (header->code == TVN_BEGINDRAG)
                dragPoint = record->ptDrag;
            if (header->code == TVN_KEYDOWN)
                keys.push_back(reinterpret_cast<const NMTVKEYDOWN*>(lParam)->wVKey);
            if (header->code == NM_CLICK)
                changes.push_back({NM_CLICK, 0, nullptr});
        }
        return CDialog::OnNotify(wParam, lParam, result);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MOUSEMOVE || message == WM_LBUTTONUP)
            reports.push_back({message, wParam, lParam});
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

QWidget* Viewport(CTreeCtrl& tree)
{
    return static_cast<QAbstractScrollArea*>(tree.GetWidget())->viewport();
}

QPoint CentreOf(CTreeCtrl& tree, HTREEITEM item)
{
    RECT r{};
    tree.GetItemRect(item, &r, TRUE);
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

class TreeCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create());
        ASSERT_TRUE(tree.SubclassDlgItem(kTree, &parent));
        root = tree.InsertItem(QStringLiteral("根"), 1, 2);
        a = tree.InsertItem(QStringLiteral("a"), 3, 4, root);
        c = tree.InsertItem(QStringLiteral("c"), 5, 6, root);
        b = tree.InsertItem(QStringLiteral("b"), 7, 8, root, a);
        first = tree.InsertItem(QStringLiteral("first"), 0, 0, root, TVI_FIRST);
        tree.Expand(root, TVE_EXPAND);
    }
    Parent parent;
    CMyTreeCtrl tree;
    HTREEITEM root{}, a{}, b{}, c{}, first{};
};

TEST_F(TreeCtrlTest, ItemsAreWalkedInTheirPlacesAndStaleHandlesAreRefused)
{
    std::vector<QString> order;
    for (HTREEITEM i = tree.GetChildItem(root); i; i = tree.GetNextSiblingItem(i))
        order.push_back(tree.GetItemText(i));
    EXPECT_EQ(order, (std::vector<QString>{"first", "a", "b", "c"}));
    EXPECT_EQ(tree.GetRootItem(), root);
    EXPECT_EQ(tree.GetParentItem(b), root);
    EXPECT_EQ(tree.GetParentItem(root), nullptr);
    EXPECT_EQ(tree.GetPrevSiblingItem(b), a);
    EXPECT_EQ(tree.GetNextItem(a, TVGN_NEXT), b);
    EXPECT_TRUE(tree.ItemHasChildren(root));
    EXPECT_FALSE(tree.ItemHasChildren(a));
    EXPECT_EQ(tree.GetCount(), 5u);
    int image = 0, selected = 0;
    ASSERT_TRUE(tree.GetItemImage(b, image, selected));
    EXPECT_EQ(std::pair(image, selected), std::pair(7, 8));

    tree.SelectDropTarget(b);
    ASSERT_TRUE(tree.DeleteItem(b));
    EXPECT_EQ(tree.GetDropHilightItem(), nullptr);
    EXPECT_EQ(tree.GetItemText(b), QString());
    EXPECT_FALSE(tree.SetItemImage(b, 1, 1));
    EXPECT_EQ(tree.GetNextSiblingItem(a), c);
    ASSERT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetRootItem(), nullptr);
    EXPECT_EQ(tree.InsertItem(QStringLiteral("x"), 0, 0, a), nullptr);
}

TEST_F(TreeCtrlTest, EachCaretChangeTellsItsCause)
{
    tree.SelectItem(a);
    tree.SelectItem(a);  // no change, no notification
    MouseClick(Viewport(tree), CentreOf(tree, c));
    tree.SetFocus();
    KeyClick(tree.GetWidget(), Qt::Key_Up);
    EXPECT_EQ(parent.changes,
        (std::vector<Change>{{TVN_SELCHANGED, TVC_UNKNOWN, a}, {TVN_SELCHANGED, TVC_BYMOUSE, c},
            {NM_CLICK, 0, nullptr}, {TVN_SELCHANGED, TVC_BYKEYBOARD, b}}));
    EXPECT_EQ(parent.keys, std::vector<WORD>{VK_UP});
    EXPECT_EQ(tree.GetSelectedItem(), b);
    EXPECT_EQ(tree.GetItemState(b, TVIS_SELECTED | TVIS_EXPANDED), TVIS_SELECTED);
    EXPECT_EQ(tree.GetItemState(root, TVIS_EXPANDED), TVIS_EXPANDED);

    // Deleting the caret's subtree leaves no caret and says nothing.
    parent.changes.clear();
    tree.DeleteItem(root);
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    EXPECT_TRUE(parent.changes.empty());
}

TEST_F(TreeCtrlTest, HitTestsNameTheItemAndThePartOfIt)
{
    RECT row{};
    ASSERT_TRUE(tree.GetItemRect(b, &row, TRUE));
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(CPoint(row.left + 4, row.top + 2), &flags), b);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMICON));
    EXPECT_EQ(tree.HitTest(CPoint(row.left + 22, row.top + 2), &flags), b);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMLABEL));
    EXPECT_EQ(tree.HitTest(CPoint(5, 149), &flags), nullptr);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_NOWHERE));
    EXPECT_EQ(tree.HitTest(CPoint(5, -3), &flags), nullptr);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ABOVE));

    tree.Expand(root, TVE_COLLAPSE);
    EXPECT_FALSE(tree.GetItemRect(b, &row, FALSE));
}

TEST_F(TreeCtrlTest, ADragStartsOncePerPressAndTheMouseReachesTheParentWithTheCode)
{
    tree.m_nDragCode = 257;
    QWidget* view = Viewport(tree);
    const QPoint start = CentreOf(tree, a);
    const QPoint moved = start + QPoint(0, 20);
    SendMouse(view, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier, start);
    SendMouse(view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Qt::NoModifier, moved);
    SendMouse(view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Qt::NoModifier, moved + QPoint(0, 5));
    SendMouse(view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::NoModifier, moved);

    std::vector<Change> drags;
    for (const Change& change : parent.changes)
        if (change.code == TVN_BEGINDRAG || change.code == NM_CLICK)
            drags.push_back(change);
    EXPECT_EQ(drags, (std::vector<Change>{{TVN_BEGINDRAG, TVC_BYMOUSE, a}}));  // and no click
    EXPECT_EQ(QPoint(parent.dragPoint.x, parent.dragPoint.y), start);

    const QPoint screen = view->mapToGlobal(moved);
    ASSERT_EQ(parent.reports.size(), 3u);
    EXPECT_EQ(parent.reports[0], (Report{WM_MOUSEMOVE, 257, MAKELPARAM(screen.x(), screen.y())}));
    EXPECT_EQ(parent.reports[2], (Report{WM_LBUTTONUP, 257, MAKELPARAM(moved.x(), moved.y())}));

    tree.m_nDragCode = 0;
    MouseClick(view, start);
    EXPECT_EQ(parent.reports.size(), 3u);
}

TEST_F(TreeCtrlTest, TheDropHighlightIsOneItemApartFromTheCaret)
{
    tree.SelectItem(a);
    ASSERT_TRUE(tree.SetItemState(c, TVIS_DROPHILITED, TVIS_DROPHILITED));
    EXPECT_EQ(tree.GetDropHilightItem(), c);
    tree.Select(b, TVGN_DROPHILITE);
    EXPECT_EQ(tree.GetItemState(c, TVIS_DROPHILITED), 0u);
    EXPECT_EQ(tree.GetItemState(b, TVIS_DROPHILITED), TVIS_DROPHILITED);
    EXPECT_EQ(tree.GetSelectedItem(), a);
    tree.SelectDropTarget(nullptr);
    EXPECT_EQ(tree.GetDropHilightItem(), nullptr);

    CImageList images;
    images.Create(16, 16, ILC_COLOR32, 4, 0);
    tree.SetImageList(&images);
    std::unique_ptr<CImageList> drag(tree.CreateDragImage(a));
    ASSERT_TRUE(drag);
    EXPECT_EQ(drag->GetImageCount(), 1);
    EXPECT_GT(drag->GetImageSize().width(), 16);
}

}  // namespace
