// Owner-drawn menu items: the owner measures and draws them, grey exactly
// when disabled, and the menu shows what it drew.
#include "platform/app/menu.h"
#include "platform/app/owner_drawn_menu.h"

#include <QMenu>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kOwnerColour = RGB(10, 200, 30);

class Owner : public CWnd {
public:
    std::vector<UINT> measured;
    std::vector<std::pair<UINT, UINT>> drawn;  // id, state
    std::vector<UINT_PTR> data;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MEASUREITEM) {
            auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            measured.push_back(m->itemID);
            m->itemWidth = 120;
            m->itemHeight = 30;
            return TRUE;
        }
        if (message == WM_DRAWITEM) {
            const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            drawn.emplace_back(d->itemID, d->itemState);
            data.push_back(d->itemData);
            CDC::FromHandle(d->hDC)->FillSolidRect(&d->rcItem, kOwnerColour);
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

MENUITEMINFO OwnerDrawn(UINT id, UINT state, UINT_PTR data, const QString& text)
{
    MENUITEMINFO info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_STRING;
    info.fType = MFT_OWNERDRAW;
    info.fState = state;
    info.wID = id;
    info.dwItemData = data;
    info.text = text;
    return info;
}

TEST(OwnerDrawnMenu, TheOwnerMeasuresAndDrawsItsItemsGreyExactlyWhenDisabled)
{
    Owner owner;
    ASSERT_TRUE(owner.CreateEx(0, QStringLiteral("owner"), WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    CMenu menu;
    menu.CreatePopupMenu();
    menu.InsertMenuItem(0, TRUE, OwnerDrawn(600, MFS_ENABLED, 11, QStringLiteral("一")));
    menu.InsertMenuItem(1, TRUE, OwnerDrawn(601, MFS_GRAYED, 12, QStringLiteral("二")));
    menu.AppendMenu(MF_STRING, 602, QStringLiteral("plain"));
    // Inserting before position 0 puts the item first.
    menu.InsertMenuItem(0, TRUE, OwnerDrawn(599, MFS_CHECKED, 10, QStringLiteral("零")));
    ASSERT_EQ(menu.GetMenuItemID(0), 599u);
    EXPECT_EQ(menu.GetMenuState(601, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);

    SetMenuOwner(menu.GetQMenu(), owner.GetSafeHwnd());
    QMenu* q = menu.GetQMenu();
    q->ensurePolished();
    q->adjustSize();
    EXPECT_GE(q->width(), 120);
    EXPECT_EQ(owner.measured.size(), 3u);

    const QImage shown = q->grab().toImage();
    ASSERT_EQ(owner.drawn.size(), 3u);
    EXPECT_EQ(owner.drawn[0], std::make_pair(599u, ODS_CHECKED));
    EXPECT_EQ(owner.drawn[1], std::make_pair(600u, 0u));
    EXPECT_EQ(owner.drawn[2], std::make_pair(601u, ODS_GRAYED | ODS_DISABLED));
    EXPECT_EQ(owner.data, (std::vector<UINT_PTR>{10, 11, 12}));

    // The owner's drawing fills each item's place on the menu.
    const QRect first = q->actionGeometry(q->actions()[0]);
    EXPECT_EQ(first.height(), 30);
    EXPECT_EQ(shown.pixel(first.center()), QColor(10, 200, 30).rgb());
    const QRect plain = q->actionGeometry(q->actions()[3]);
    EXPECT_NE(shown.pixel(plain.center()), QColor(10, 200, 30).rgb());
    owner.DestroyWindow();
}

TEST(OwnerDrawnMenu, WithoutItsOwnerAMenuDrawsItsItemsPlainly)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.InsertMenuItem(0, TRUE, OwnerDrawn(600, MFS_ENABLED, 1, QStringLiteral("一")));
    HWND gone = nullptr;
    {
        Owner owner;
        ASSERT_TRUE(owner.CreateEx(0, QStringLiteral("owner"), WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
        gone = owner.GetSafeHwnd();
        owner.DestroyWindow();
    }
    SetMenuOwner(menu.GetQMenu(), gone);
    EXPECT_FALSE(menu.GetQMenu()->grab().isNull());
}

}  // namespace
