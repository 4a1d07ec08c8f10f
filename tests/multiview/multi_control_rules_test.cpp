// The multi-view panel's rules: the folder history, the thumbnail size
// steps, the load / stop state machine, the readout texts, the button
// enabling and the status-bar guide's areas.
#include "core/multi_view_messages.h"
#include "multiview/multi_control_rules.h"
#include "res/dialog_279_multi_control.h"

#include <gtest/gtest.h>

namespace {

using History = QString[kMultiFolderHistoryCount];

QString Folder(int i)
{
    return QStringLiteral("/pictures/%1").arg(i);
}

TEST(MultiFolderHistory, TheTwentyFirstFolderPushesTheOldestOut)
{
    History h;
    for (int i = 0; i < kMultiFolderHistoryCount + 1; ++i)
        MoveFolderToHistoryFront(h, Folder(i));
    EXPECT_EQ(h[0], Folder(20));
    EXPECT_EQ(h[19], Folder(1));  // folder 0 dropped out
}

TEST(MultiFolderHistory, AFolderFoundMovesToTheTopAndOnlyTheOnesBeforeItMoveDown)
{
    History h;
    for (int i = 5; i >= 0; --i)
        MoveFolderToHistoryFront(h, Folder(i));  // 0 1 2 3 4 5
    MoveFolderToHistoryFront(h, Folder(3));
    const QString expected[] = {Folder(3), Folder(0), Folder(1), Folder(2), Folder(4), Folder(5)};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(h[i], expected[i]) << i;
    EXPECT_TRUE(h[6].isEmpty());
}

TEST(MultiThumbSize, StepsByFourWithinItsRange)
{
    struct Case {
        int size, delta, expected;
    };
    const Case cases[] = {
        {48, -120, 48},
        {52, -120, 48},
        {52, 0, 48},  // a delta of 0 shrinks
        {144, 120, 144},
        {140, 120, 144},
        {140, 1, 144},
        {96, -1, 92},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepThumbSize(c.size, c.delta), c.expected) << c.size << " " << c.delta;
    EXPECT_FALSE(IsThumbSizeInRange(47));
    EXPECT_TRUE(IsThumbSizeInRange(48));
    EXPECT_TRUE(IsThumbSizeInRange(144));
    EXPECT_FALSE(IsThumbSizeInRange(145));
}

TEST(MultiSortBits, TheDateOrderUnlessNameOrSize)
{
    EXPECT_EQ(SortBitsOfKey(kSortNone), kSortBitDate);
    EXPECT_EQ(SortBitsOfKey(kSortByName), kSortBitName);
    EXPECT_EQ(SortBitsOfKey(kSortByDate), kSortBitDate);
    EXPECT_EQ(SortBitsOfKey(kSortBySize), kSortBitSize);
}

TEST(MultiLoadStop, StateMachine)
{
    struct Case {
        int changed, state;
        bool act, clear;
        int newState;
    };
    const Case cases[] = {
        {0, 0, false, false, 0},  // finished, nothing changed: nothing happens
        {0, 1, true, false, 2},   // loading: stop
        {0, 2, true, false, 1},   // stopped: go on
        {1, 0, true, true, 1},    // changed on disk: clear and load again
        {1, 1, true, true, 1},
        {1, 2, true, true, 1},
    };
    for (const Case& c : cases) {
        const LoadStopStep step = LoadStopTransition(c.changed, c.state);
        EXPECT_EQ(step.act, c.act) << c.changed << c.state;
        if (!c.act)
            continue;
        EXPECT_EQ(step.clearFirst, c.clear) << c.changed << c.state;
        EXPECT_EQ(step.newState, c.newState) << c.changed << c.state;
    }
}

TEST(MultiReadouts, Texts)
{
    EXPECT_EQ(CellPositionText(1, 23), QStringLiteral("X = 001, Y = 023"));
    const QString name = QStringLiteral("a.jpg");
    EXPECT_EQ(FileFactText(&name), name);
    EXPECT_EQ(FileFactText(nullptr), QStringLiteral("---"));

    const SIZE vga{640, 480};
    const SIZE none{0, 0};
    const SIZE huge{100000, 5};
    EXPECT_EQ(FileSizeText(2000, &vga), QStringLiteral("2.00 KB (640×480)"));
    EXPECT_EQ(FileSizeText(2000, nullptr), QStringLiteral("2.00 KB (---)"));
    EXPECT_EQ(FileSizeText(2000, &none), QStringLiteral("2.00 KB (---)"));
    EXPECT_EQ(FileSizeText(2000, &huge), QStringLiteral("2.00 KB (---)"));
    EXPECT_EQ(FileSizeText(0, &vga), QStringLiteral("--- (640×480)"));

    EXPECT_EQ(TotalsText(12), QStringLiteral("選択/総数 : 0/12"));
    EXPECT_EQ(SelectedCountText(3, QStringLiteral("12")), QStringLiteral("選択/総数 : 3/12"));
}

TEST(MultiButtonStates, FocusSelectionAndSortOrder)
{
    struct Case {
        int focus, total, selected;
        bool sortReady;
        bool focusButtons, selectionButtons;
    };
    const Case cases[] = {
        {-1, 0, 0, true, false, false},
        {3, 10, 0, true, true, true},
        {3, 10, 0, false, true, false},  // the order at the focus is not built yet
        {-1, 10, 2, true, false, true},  // a selection without a focus
        {3, 0, 0, true, false, false},
    };
    for (const Case& c : cases) {
        MultiButtonFacts f;
        f.focus = c.focus;
        f.total = c.total;
        f.selected = c.selected;
        f.sortReadyAtFocus = c.sortReady;
        const MultiButtonStates s = ComputeMultiButtonStates(f);
        EXPECT_EQ(s.focusButtons, c.focusButtons) << c.focus << " " << c.total << " " << c.selected;
        EXPECT_EQ(s.selectionButtons, c.selectionButtons) << c.focus << " " << c.total << " " << c.selected;
    }
    MultiButtonFacts f;
    f.displayState = 0;
    EXPECT_FALSE(ComputeMultiButtonStates(f).loadStop);
    f.changed = true;
    EXPECT_TRUE(ComputeMultiButtonStates(f).loadStop);
    f.changed = false;
    f.displayState = 2;
    EXPECT_TRUE(ComputeMultiButtonStates(f).loadStop);
    EXPECT_FALSE(ComputeMultiButtonStates(f).clearView);
    f.listEmpty = false;
    EXPECT_TRUE(ComputeMultiButtonStates(f).clearView);
}

TEST(MultiHoverGuide, TopicsOfTheButtonsAndNoneElsewhere)
{
    HoverArea areas[] = {
        {IDC_MULTICTL_LOAD_STOP, 1, RECT{10, 10, 40, 30}},
        {IDC_MULTICTL_RENAME_BATCH, 14, RECT{50, 10, 80, 30}},
    };
    EXPECT_EQ(HoverTopicAt(areas, POINT{10, 10}), 1);
    EXPECT_EQ(HoverTopicAt(areas, POINT{39, 29}), 1);
    EXPECT_EQ(HoverTopicAt(areas, POINT{40, 20}), 0);  // right edge excluded
    EXPECT_EQ(HoverTopicAt(areas, POINT{60, 20}), 14);
    EXPECT_EQ(HoverTopicAt(areas, POINT{45, 20}), 0);

    // Every button with a guide text has its topic; 4 and 5 have no button.
    int topics[15] = {};
    for (const HoverArea& a : MultiHoverTopics())
        topics[a.topic] = a.controlId;
    EXPECT_EQ(topics[1], IDC_MULTICTL_LOAD_STOP);
    EXPECT_EQ(topics[2], IDC_MULTICTL_FOLDER_DIALOG);
    EXPECT_EQ(topics[3], IDC_MULTICTL_GRID_VIEW);
    EXPECT_EQ(topics[6], IDC_MULTICTL_PREVIEW_VIEW);
    EXPECT_EQ(topics[7], IDC_MULTICTL_CLEAR_VIEW);
    EXPECT_EQ(topics[10], IDC_MULTICTL_DELETE);
    EXPECT_EQ(topics[13], IDC_MULTICTL_RENAME_ONE);
    EXPECT_EQ(topics[14], IDC_MULTICTL_RENAME_BATCH);
    EXPECT_EQ(topics[4] + topics[5], 0);
}

}  // namespace
