// Pop-up menus: building, item state, and the choice of TrackPopupMenu.
#include "platform/app/menu.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Chooses the item with this text in the open pop-up, once it is shown.
void ChooseWhenShown(const QString& text)
{
    QTimer::singleShot(0, [text] {
        PumpUntil([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* a : menu->actions())
            if (a->text() == text)
                menu->setActiveAction(a);
        KeyClick(menu, Qt::Key_Return, QStringLiteral("\r"));
    });
}

class Target : public CWnd {
public:
    std::vector<int> commands;
    BOOL OnCommand(WPARAM w, LPARAM) override
    {
        commands.push_back(LOWORD(w));
        return TRUE;
    }
};

TEST(Menu, ItemsKeepTheirIdsStatesAndSubMenus)
{
    CMenu menu, sub;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(sub.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 500, QStringLiteral("保存"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, 501, QStringLiteral("印刷"));
    sub.AppendMenu(MF_STRING | MF_CHECKED, 530, QStringLiteral("表示1"));
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), QStringLiteral("表示"));
    menu.InsertMenu(0, MF_BYPOSITION, 499, QStringLiteral("開く"));

    EXPECT_EQ(menu.GetMenuItemCount(), 5);
    EXPECT_EQ(menu.GetMenuItemID(0), 499u);
    EXPECT_EQ(menu.GetMenuItemID(2), 0u);
    EXPECT_EQ(menu.GetMenuItemID(4), UINT(-1));
    EXPECT_EQ(menu.GetMenuState(501, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(menu.GetMenuState(530, MF_BYCOMMAND), MF_CHECKED);  // found in the sub-menu
    EXPECT_EQ(menu.CheckMenuItem(530, MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(menu.EnableMenuItem(501, MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(menu.GetMenuState(501, MF_BYCOMMAND), 0u);
    EXPECT_EQ(menu.CheckMenuItem(777, MF_CHECKED), UINT(-1));
    EXPECT_NE(menu.GetSubMenu(4), nullptr);
    EXPECT_TRUE(menu.DeleteMenu(500, MF_BYCOMMAND));
    EXPECT_EQ(menu.GetMenuItemCount(), 4);
}

TEST(Menu, TrackPopupMenuReturnsOrPostsTheChoice)
{
    Target target;
    ASSERT_TRUE(
        target.CreateEx(0, QStringLiteral("t"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50}, nullptr, 0));
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 510, QStringLiteral("一"));
    menu.AppendMenu(MF_STRING, 511, QStringLiteral("二"));

    ChooseWhenShown(QStringLiteral("二"));
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, &target), 511u);
    EXPECT_TRUE(target.commands.empty());

    ChooseWhenShown(QStringLiteral("一"));
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &target));
    EXPECT_TRUE(PumpUntil([&] { return !target.commands.empty(); }));
    EXPECT_EQ(target.commands, std::vector<int>{510});
}

}  // namespace
