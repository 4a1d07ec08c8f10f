// The widgets behind the controls: a combo box rectangle taller than the
// closed box sizes its drop-down list, as the platform's templates mean it;
// a read-only multi-line edit is a display without a caret.
#include "platform/controls/control_widgets.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

constexpr int kDropList = 1011;
constexpr int kDisplay = 1012;

const DialogControl kComboControls[] = {
    {ControlKind::ComboBox, kDropList, nullptr, CBS_DROPDOWNLIST, 100, 146, 100, 22},
    {ControlKind::Edit, kDisplay, nullptr, ES_MULTILINE | ES_READONLY | ES_CENTER, 10, 10, 160, 28},
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

TEST(ControlWidgets, AReadOnlyMultiLineEditShowsNoCaretEvenWithTheFocus)
{
    ComboDialog d;
    ASSERT_TRUE(d.Create());
    auto* edit = qobject_cast<QPlainTextEdit*>(W(d, kDisplay));
    ASSERT_NE(edit, nullptr);
    d.SetDlgItemText(kDisplay, QStringLiteral("12 / 100"));
    edit->setFocus();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("12 / 100"));
    EXPECT_EQ(edit->cursorWidth(), 0);
    EXPECT_FALSE(edit->textInteractionFlags() & (Qt::TextEditable | Qt::TextSelectableByKeyboard));
    EXPECT_EQ(edit->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
    // No scroll bars unless the style asks for them.
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

}  // namespace
