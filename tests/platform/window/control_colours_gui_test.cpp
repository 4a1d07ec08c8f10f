// Controls ask their parent for their colours (WM_CTLCOLOR*) when they are
// shown, invalidated or enabled, each kind with its message, and show the
// text colour and background the parent gives; a parent that gives none
// leaves the defaults. Picture controls still ask while they paint.
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "platform/window/control_colours.h"
#include "tests/support/pump_until.h"

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <gtest/gtest.h>

#include <optional>

namespace {

enum : int {
    kText = 1001,
    kGroup = 1002,
    kEdit = 1003,
    kReadOnly = 1004,
    kPush = 1005,
    kCheck = 1006,
    kPicture = 1007,
    kSlider = 1008,
};

const DialogControl kControls[] = {
    {ControlKind::Text, kText, u"長さ 123.4 mm", SS_LEFT, 8, 8, 160, 20},
    {ControlKind::GroupBox, kGroup, u"線", 0, 8, 32, 160, 50},
    {ControlKind::Edit, kEdit, u"12", ES_LEFT, 180, 8, 60, 22},
    {ControlKind::Edit, kReadOnly, u"34", ES_LEFT | ES_READONLY, 180, 36, 60, 22},
    {ControlKind::PushButton, kPush, u"押す", 0, 180, 64, 60, 26},
    {ControlKind::CheckBox, kCheck, u"表示", BS_AUTOCHECKBOX, 8, 90, 80, 20},
    {ControlKind::Picture, kPicture, nullptr, SS_BLACKFRAME, 100, 90, 30, 20},
    {ControlKind::Slider, kSlider, nullptr, TBS_HORZ, 8, 116, 160, 26},
};
const DialogTemplate kTemplate{9301, u"色", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 260, 150, kControls};

struct Colours {
    std::optional<COLORREF> text, back;
    std::optional<COLORREF> brush;
};

class ColouringDialog : public CDialog {
public:
    ColouringDialog() : CDialog(&kTemplate) { }
    QMap<int, QList<UINT>> asked;  // control id: the kinds it asked with
    QMap<int, Colours> colours;
    int invalidateWhileAsked = 0;  // the control to invalidate again from inside the answer

    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override
    {
        const int id = control ? control->GetDlgCtrlID() : 0;
        asked[id].append(kind);
        if (id == invalidateWhileAsked)
            control->Invalidate();
        const Colours c = colours.value(id);
        if (c.text)
            dc->SetTextColor(*c.text);
        if (c.back)
            dc->SetBkColor(*c.back);
        if (c.brush) {
            m_brush.DeleteObject();
            m_brush.CreateSolidBrush(*c.brush);
            return m_brush;
        }
        return nullptr;
    }
    QWidget* W(int id) const { return GetDlgItem(id)->GetWidget(); }
    void Forget() { asked.clear(); }

private:
    CBrush m_brush;
};

QColor Q(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TEST(ControlColours, EachKindAsksWithItsMessage)
{
    const struct {
        ControlKind kind;
        bool readOnly;
        UINT message;
    } cases[] = {
        {ControlKind::Text, false, WM_CTLCOLORSTATIC},
        {ControlKind::GroupBox, false, WM_CTLCOLORSTATIC},
        {ControlKind::CheckBox, false, WM_CTLCOLORSTATIC},
        {ControlKind::RadioButton, false, WM_CTLCOLORSTATIC},
        {ControlKind::Edit, false, WM_CTLCOLOREDIT},
        {ControlKind::Edit, true, WM_CTLCOLORSTATIC},
        {ControlKind::PushButton, false, WM_CTLCOLORBTN},
        {ControlKind::DefPushButton, false, WM_CTLCOLORBTN},
        {ControlKind::Picture, false, 0u},  // asks while it paints
        {ControlKind::Slider, false, 0u},
        {ControlKind::ListView, false, 0u},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ControlColourMessage(c.kind, c.readOnly), c.message) << static_cast<int>(c.kind);
}

TEST(ControlColours, ShownControlsAskAndShowTheirParentsColours)
{
    ColouringDialog d;
    d.colours[kText] = Colours{RGB(200, 0, 0), std::nullopt, std::nullopt};
    d.colours[kEdit] = Colours{RGB(0, 0, 160), RGB(255, 255, 0), std::nullopt};
    d.colours[kPush] = Colours{std::nullopt, std::nullopt, RGB(0, 200, 0)};
    d.colours[kGroup] = Colours{RGB(0, 120, 0), std::nullopt, RGB(230, 230, 255)};
    ASSERT_TRUE(d.Create());
    ASSERT_TRUE(PumpUntil([&] { return d.asked.contains(kText) && d.asked.contains(kPicture); }));

    EXPECT_EQ(d.asked.value(kText).value(0), CTLCOLOR_STATIC);
    EXPECT_EQ(d.asked.value(kGroup).value(0), CTLCOLOR_STATIC);
    EXPECT_EQ(d.asked.value(kEdit).value(0), CTLCOLOR_EDIT);
    EXPECT_EQ(d.asked.value(kReadOnly).value(0), CTLCOLOR_STATIC);
    EXPECT_EQ(d.asked.value(kPush).value(0), CTLCOLOR_BTN);
    EXPECT_EQ(d.asked.value(kCheck).value(0), CTLCOLOR_STATIC);
    EXPECT_EQ(d.asked.value(kPicture).value(0), CTLCOLOR_STATIC);
    EXPECT_FALSE(d.asked.contains(kSlider));

    EXPECT_EQ(d.W(kText)->palette().color(QPalette::WindowText), Q(RGB(200, 0, 0)));
    EXPECT_FALSE(d.W(kText)->autoFillBackground()) << "no background given";
    EXPECT_EQ(d.W(kEdit)->palette().color(QPalette::Text), Q(RGB(0, 0, 160)));
    EXPECT_EQ(d.W(kEdit)->palette().color(QPalette::Base), Q(RGB(255, 255, 0)));
    EXPECT_EQ(d.W(kPush)->palette().color(QPalette::Button), Q(RGB(0, 200, 0)));
    EXPECT_EQ(d.W(kGroup)->palette().color(QPalette::WindowText), Q(RGB(0, 120, 0)));
    EXPECT_EQ(d.W(kGroup)->palette().color(QPalette::Window), Q(RGB(230, 230, 255)));
    EXPECT_TRUE(d.W(kGroup)->autoFillBackground());
    const QColor plainText = d.W(kReadOnly)->palette().color(QPalette::Text);
    EXPECT_NE(plainText, Q(RGB(0, 0, 160))) << "a control given nothing keeps its defaults";

    // The text is drawn in the colour given.
    const QImage shot = d.W(kText)->grab().toImage();
    bool red = false;
    for (int y = 0; y < shot.height() && !red; ++y)
        for (int x = 0; x < shot.width() && !red; ++x) {
            const QColor p = shot.pixelColor(x, y);
            red = p.red() > 150 && p.green() < 80 && p.blue() < 80;
        }
    EXPECT_TRUE(red);
    d.DestroyWindow();
}

TEST(ControlColours, InvalidatingOrEnablingAsksAgainAndNothingGivenRestoresTheDefaults)
{
    ColouringDialog d;
    d.colours[kText] = Colours{RGB(200, 0, 0), std::nullopt, RGB(0, 0, 0)};
    ASSERT_TRUE(d.Create());
    ASSERT_TRUE(PumpUntil([&] { return d.asked.contains(kText); }));
    const QColor defaultText = d.W(kReadOnly)->palette().color(QPalette::WindowText);
    EXPECT_TRUE(d.W(kText)->autoFillBackground());

    // A new colour for the selected line's length, shown as the control is invalidated.
    d.colours[kText] = Colours{RGB(0, 0, 255), std::nullopt, std::nullopt};
    d.Forget();
    d.GetDlgItem(kText)->Invalidate();
    EXPECT_EQ(d.asked.value(kText), QList<UINT>{CTLCOLOR_STATIC});
    EXPECT_EQ(d.W(kText)->palette().color(QPalette::WindowText), Q(RGB(0, 0, 255)));
    EXPECT_FALSE(d.W(kText)->autoFillBackground());

    d.colours.remove(kText);
    d.GetDlgItem(kText)->Invalidate();
    EXPECT_EQ(d.W(kText)->palette().color(QPalette::WindowText), defaultText);

    // A disabled edit asks as a static.
    d.Forget();
    d.GetDlgItem(kEdit)->EnableWindow(FALSE);
    EXPECT_EQ(d.asked.value(kEdit), QList<UINT>{CTLCOLOR_STATIC});
    d.GetDlgItem(kEdit)->EnableWindow(TRUE);
    EXPECT_EQ(d.asked.value(kEdit).value(1), CTLCOLOR_EDIT);

    // A parent that invalidates the control while answering is asked once.
    d.invalidateWhileAsked = kPush;
    d.Forget();
    d.GetDlgItem(kPush)->Invalidate();
    EXPECT_EQ(d.asked.value(kPush).size(), 1);
    d.DestroyWindow();
}

}  // namespace
