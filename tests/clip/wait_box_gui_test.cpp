// The wait box: caption, bar range and position, its two text lines, and
// that nothing but its owner closes it.
#include "clip/wait_box.h"
#include "clip/wait_box_messages.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

QProgressBar* Bar(CDlgWaitOperateMsg& box)
{
    return qobject_cast<QProgressBar*>(box.GetDlgItem(IDC_WAIT_OPERATE_PROGRESS)->GetWidget());
}

QString Line(CDlgWaitOperateMsg& box, int id)
{
    QString text;
    box.GetDlgItemText(id, text);
    return text;
}

TEST(WaitBox, OpensWithTheTitleAndAnEmptyBarThatFollowsThePosition)
{
    CDlgWaitOperateMsg box(QStringLiteral("保存中"), 600);
    ASSERT_TRUE(box.Create());
    EXPECT_TRUE(box.IsWindowVisible());
    EXPECT_EQ(box.GetWindowText(), QStringLiteral("保存中"));
    EXPECT_TRUE(box.GetWidget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Bar(box)->minimum(), 0);
    EXPECT_EQ(Bar(box)->maximum(), 600);
    EXPECT_EQ(Bar(box)->value(), 0);

    EXPECT_EQ(box.SendMessage(WM_WAITMSG_SET_POS, 300), 0);
    EXPECT_EQ(Bar(box)->value(), 300);  // half the bar
    box.SendMessage(WM_WAITMSG_SET_POS, 600);
    EXPECT_EQ(Bar(box)->value(), 600);  // the full bar
}

TEST(WaitBox, MaximumBeyondSixteenBitsAndALongTitle)
{
    // A count of files above 32767 keeps its range.
    CDlgWaitOperateMsg box(QString(600, u'字'), 70000);
    ASSERT_TRUE(box.Create());
    EXPECT_EQ(Bar(box)->maximum(), 70000);
    box.SendMessage(WM_WAITMSG_SET_POS, 35000);
    EXPECT_EQ(Bar(box)->value(), 35000);
    EXPECT_EQ(box.GetWindowText(), QString(kWaitBoxTitleCapacity - 1, u'字'));
}

TEST(WaitBox, SetsLineOneOrTwoAndIgnoresOtherLines)
{
    CDlgWaitOperateMsg box(QStringLiteral("t"), 10);
    ASSERT_TRUE(box.Create());
    EXPECT_EQ(Line(box, IDC_WAIT_OPERATE_LINE1), QStringLiteral("処理中です"));
    EXPECT_EQ(Line(box, IDC_WAIT_OPERATE_LINE2), QStringLiteral("しばらくお待ちください。"));

    const QString first = QStringLiteral("残りのファイルを保存しています");
    const QString second = QStringLiteral("あと少し");
    const QString other = QStringLiteral("無視される");
    EXPECT_EQ(box.SendMessage(WM_WAITMSG_SET_TEXT, reinterpret_cast<WPARAM>(&first), 1), 0);
    box.SendMessage(WM_WAITMSG_SET_TEXT, reinterpret_cast<WPARAM>(&second), 2);
    box.SendMessage(WM_WAITMSG_SET_TEXT, reinterpret_cast<WPARAM>(&other), 3);
    box.SendMessage(WM_WAITMSG_SET_TEXT, reinterpret_cast<WPARAM>(&other), 0);
    EXPECT_EQ(Line(box, IDC_WAIT_OPERATE_LINE1), first);
    EXPECT_EQ(Line(box, IDC_WAIT_OPERATE_LINE2), second);
    box.SendMessage(WM_WAITMSG_SET_TEXT, 0, 2);  // no text: the line empties
    EXPECT_EQ(Line(box, IDC_WAIT_OPERATE_LINE2), QString());
}

TEST(WaitBox, EnterEscAndTheCloseRequestLeaveItOpen)
{
    CDlgWaitOperateMsg box(QStringLiteral("t"), 10);
    ASSERT_TRUE(box.Create());
    KeyClick(box.GetWidget(), Qt::Key_Return, QStringLiteral("\r"));
    KeyClick(box.GetWidget(), Qt::Key_Escape);
    box.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    box.SendMessage(WM_CLOSE);
    PumpFor(10);
    EXPECT_TRUE(box.GetSafeHwnd() != nullptr);
    EXPECT_TRUE(box.IsWindowVisible());
}

}  // namespace
