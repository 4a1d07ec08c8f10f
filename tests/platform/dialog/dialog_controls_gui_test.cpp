// Dialogs from templates: a demonstration dialog with every control kind,
// the notifications user actions send, Enter and Esc, data exchange, and a
// modal loop ended by a posted message while other windows go on.
#include "platform/controls/control_widgets.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

enum : int {
    kPush = 1001,
    kBitmap = 1002,
    kCheck = 1003,
    kRadioA = 1004,
    kRadioB = 1005,
    kGroup = 1006,
    kText = 1007,
    kPicture = 1008,
    kEdit = 1009,
    kCombo = 1010,
    kDropList = 1011,
    kList = 1012,
    kSlider = 1013,
    kSpin = 1014,
    kProgress = 1015,
    kTab = 1016,
};

const DialogControl kDemoControls[] = {
    {ControlKind::GroupBox, kGroup, u"グループ", 0, 8, 8, 200, 80},
    {ControlKind::RadioButton, kRadioA, u"ラジオA", BS_AUTORADIOBUTTON | WS_GROUP, 16, 28, 90, 20},
    {ControlKind::RadioButton, kRadioB, u"ラジオB", BS_AUTORADIOBUTTON, 16, 52, 90, 20},
    {ControlKind::CheckBox, kCheck, u"チェック", BS_AUTOCHECKBOX, 110, 28, 90, 20},
    {ControlKind::PushButton, kPush, u"押す", 0, 220, 8, 80, 26},
    {ControlKind::BitmapButton, kBitmap, nullptr, BS_BITMAP, 220, 40, 40, 40},
    {ControlKind::Text, kText, u"静的テキスト", SS_NOTIFY, 8, 96, 120, 18},
    {ControlKind::Picture, kPicture, nullptr, SS_BLACKFRAME, 220, 90, 60, 40},
    {ControlKind::Edit, kEdit, u"12", ES_LEFT, 8, 120, 60, 22},
    {ControlKind::Spin, kSpin, nullptr, UDS_AUTOBUDDY | UDS_SETBUDDYINT, 70, 120, 16, 22},
    {ControlKind::ComboBox, kCombo, nullptr, CBS_DROPDOWN, 100, 120, 100, 22},
    {ControlKind::ComboBox, kDropList, nullptr, CBS_DROPDOWNLIST, 100, 146, 100, 22},
    {ControlKind::ListBox, kList, nullptr, LBS_NOTIFY, 8, 150, 80, 60},
    {ControlKind::Slider, kSlider, nullptr, TBS_HORZ, 100, 176, 180, 26},
    {ControlKind::Progress, kProgress, nullptr, 0, 100, 206, 180, 12},
    {ControlKind::Tab, kTab, nullptr, 0, 8, 224, 280, 24},
    {ControlKind::DefPushButton, IDOK, u"OK", BS_DEFPUSHBUTTON, 120, 256, 80, 26},
    {ControlKind::PushButton, IDCANCEL, u"キャンセル", 0, 208, 256, 80, 26},
};

const DialogTemplate kDemoTemplate{
    9001,
    u"部品の見本",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
    0,
    310,
    290,
    kDemoControls,
};

struct Notice {
    UINT message;
    int id;
    UINT code;
    int value;
};

class DemoDialog : public CDialog {
public:
    explicit DemoDialog(const DialogTemplate* t = &kDemoTemplate) : CDialog(t) { }
    std::vector<Notice> notices;
    int oks = 0, cancels = 0;
    int number = 0;
    int refuseSpin = 0;

    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, kEdit, number); }
    BOOL OnCommand(WPARAM w, LPARAM l) override
    {
        notices.push_back({WM_COMMAND, LOWORD(w), HIWORD(w), 0});
        return CDialog::OnCommand(w, l);
    }
    BOOL OnNotify(WPARAM, LPARAM l, LRESULT* result) override
    {
        const auto* h = reinterpret_cast<const NMHDR*>(l);
        int value = 0;
        if (h->code == UDN_DELTAPOS)
            value = reinterpret_cast<const NMUPDOWN*>(l)->iDelta;
        notices.push_back({WM_NOTIFY, static_cast<int>(h->idFrom), h->code, value});
        *result = h->code == UDN_DELTAPOS ? refuseSpin : 0;
        return TRUE;
    }
    void OnHScroll(UINT code, UINT pos, CWnd* bar) override
    {
        notices.push_back({WM_HSCROLL, bar ? bar->GetDlgCtrlID() : 0, code, static_cast<int>(pos)});
    }
    void OnVScroll(UINT code, UINT pos, CWnd* bar) override
    {
        notices.push_back({WM_VSCROLL, bar ? bar->GetDlgCtrlID() : 0, code, static_cast<int>(pos)});
    }
    void OnOK() override
    {
        ++oks;
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        ++cancels;
        CDialog::OnCancel();
    }
    bool Saw(UINT message, int id, UINT code) const
    {
        return std::any_of(notices.begin(), notices.end(),
            [&](const Notice& n) { return n.message == message && n.id == id && n.code == code; });
    }
};

QWidget* W(CDialog& d, int id)
{
    CWnd* item = d.GetDlgItem(id);
    return item ? item->GetWidget() : nullptr;
}

TEST(DialogControls, DemonstrationDialogShowsEveryControlKind)
{
    DemoDialog d;
    ASSERT_TRUE(d.Create());
    ASSERT_TRUE(PumpUntil([&] { return d.GetWidget()->isVisible(); }));
    EXPECT_EQ(d.GetWidget()->windowTitle(), QStringLiteral("部品の見本"));
    EXPECT_NE(dynamic_cast<CButton*>(d.GetDlgItem(kPush)), nullptr);
    EXPECT_NE(dynamic_cast<CBitmapButton*>(d.GetDlgItem(kBitmap)), nullptr);
    EXPECT_NE(dynamic_cast<CStatic*>(d.GetDlgItem(kPicture)), nullptr);
    EXPECT_NE(dynamic_cast<CEdit*>(d.GetDlgItem(kEdit)), nullptr);
    EXPECT_NE(dynamic_cast<CComboBox*>(d.GetDlgItem(kCombo)), nullptr);
    EXPECT_NE(dynamic_cast<CListBox*>(d.GetDlgItem(kList)), nullptr);
    EXPECT_NE(dynamic_cast<CSliderCtrl*>(d.GetDlgItem(kSlider)), nullptr);
    EXPECT_NE(dynamic_cast<CSpinButtonCtrl*>(d.GetDlgItem(kSpin)), nullptr);
    EXPECT_NE(dynamic_cast<CProgressCtrl*>(d.GetDlgItem(kProgress)), nullptr);
    EXPECT_NE(dynamic_cast<CTabCtrl*>(d.GetDlgItem(kTab)), nullptr);
    for (const DialogControl& c : kDemoControls)
        EXPECT_TRUE(W(d, c.id) && W(d, c.id)->isVisible()) << c.id;

    // Fill them the way windows do, then look at the result.
    auto* combo = static_cast<CComboBox*>(d.GetDlgItem(kDropList));
    combo->AddString(QStringLiteral("一"));
    combo->AddString(QStringLiteral("二"));
    combo->SetCurSel(1);
    auto* list = static_cast<CListBox*>(d.GetDlgItem(kList));
    list->AddString(QStringLiteral("項目1"));
    list->AddString(QStringLiteral("項目2"));
    static_cast<CProgressCtrl*>(d.GetDlgItem(kProgress))->SetPos(60);
    auto* tabs = static_cast<CTabCtrl*>(d.GetDlgItem(kTab));
    tabs->InsertItem(0, QStringLiteral("タブ1"));
    tabs->InsertItem(1, QStringLiteral("タブ2"));
    CBitmap picture;
    picture.CreateFromImage(QImage(60, 40, QImage::Format_RGB32));
    picture.GetImage()->fill(qRgb(0, 128, 255));
    static_cast<CStatic*>(d.GetDlgItem(kPicture))->SetBitmap(picture);
    static_cast<CButton*>(d.GetDlgItem(kBitmap))->SetBitmap(picture);
    // A bitmap button shows its bitmap alone, as a text of its own would be cut.
    auto* bitmapButton = qobject_cast<QToolButton*>(W(d, kBitmap));
    ASSERT_NE(bitmapButton, nullptr);
    EXPECT_EQ(bitmapButton->toolButtonStyle(), Qt::ToolButtonIconOnly);
    // Larger than the 32 x 32 face: shrunk to it, proportions kept.
    EXPECT_EQ(bitmapButton->iconSize(), QSize(32, 21));
    CToolTipCtrl tips;
    tips.Create(&d);
    EXPECT_TRUE(tips.AddTool(d.GetDlgItem(kPush), QStringLiteral("押すボタン")));
    EXPECT_EQ(W(d, kPush)->toolTip(), QStringLiteral("押すボタン"));
    EXPECT_TRUE(d.GetDlgItem(kText)->GetWindowText() == QStringLiteral("静的テキスト"));
    EXPECT_EQ(combo->GetCurSel(), 1);
    for (const Notice& n :
        d.notices)  // calls do not notify; an edit's new text does (EN_CHANGE), as on the platform
        if (n.code != EN_CHANGE)
            ADD_FAILURE() << n.message << " " << n.id << " " << n.code;

    PumpFor(20);
    const QImage shot = d.GetWidget()->grab().toImage();
    shot.save(QStringLiteral(KESTREL_BINARY_DIR "/demo_dialog.png"));
    EXPECT_EQ(shot.pixel(250, 110), qRgb(0, 128, 255));  // the picture control's surface
}

TEST(DialogControls, UserActionsReachTheParentAsNotifications)
{
    DemoDialog d;
    ASSERT_TRUE(d.Create());
    PumpUntil([&] { return d.GetWidget()->isVisible(); });

    MouseClick(W(d, kPush), QPoint(5, 5));
    EXPECT_TRUE(d.Saw(WM_COMMAND, kPush, BN_CLICKED));
    MouseClick(W(d, kCheck), QPoint(5, 5));
    EXPECT_TRUE(d.Saw(WM_COMMAND, kCheck, BN_CLICKED));
    EXPECT_EQ(d.IsDlgButtonChecked(kCheck), 1u);  // an auto check box toggles itself
    MouseClick(W(d, kRadioB), QPoint(5, 5));
    MouseClick(W(d, kRadioA), QPoint(5, 5));
    EXPECT_EQ(d.IsDlgButtonChecked(kRadioA), 1u);
    EXPECT_EQ(d.IsDlgButtonChecked(kRadioB), 0u);  // one group
    d.CheckDlgButton(kRadioA, 0);                  // a call may leave the group with none checked
    EXPECT_EQ(d.IsDlgButtonChecked(kRadioA), 0u);
    EXPECT_EQ(d.IsDlgButtonChecked(kRadioB), 0u);
    MouseClick(W(d, kText), QPoint(3, 3));
    EXPECT_TRUE(d.Saw(WM_COMMAND, kText, STN_CLICKED));

    // Spin: the up arrow proposes -1 under the default range, +1 under 0..100.
    auto* spin = static_cast<CSpinButtonCtrl*>(d.GetDlgItem(kSpin));
    spin->SetPos(50);
    QList<QToolButton*> arrows = W(d, kSpin)->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QToolButton* up = arrows[0]->arrowType() == Qt::UpArrow ? arrows[0] : arrows[1];
    up->click();
    ASSERT_FALSE(d.notices.empty());
    auto lastDelta = [&] {
        for (auto it = d.notices.rbegin(); it != d.notices.rend(); ++it)
            if (it->code == UDN_DELTAPOS)
                return it->value;
        return 0;
    };
    EXPECT_EQ(lastDelta(), -1);
    EXPECT_EQ(spin->GetPos(), 49);
    EXPECT_EQ(d.GetDlgItem(kEdit)->GetWindowText(), QStringLiteral("49"));  // buddy shows the position
    EXPECT_TRUE(d.Saw(WM_VSCROLL, kSpin, SB_THUMBPOSITION));
    spin->SetRange32(0, 100);
    up->click();
    EXPECT_EQ(lastDelta(), 1);
    EXPECT_EQ(spin->GetPos(), 50);
    d.refuseSpin = 1;  // a non-zero answer keeps the position
    up->click();
    EXPECT_EQ(spin->GetPos(), 50);

    // Slider moved by the user: WM_HSCROLL with its position.
    auto* slider = static_cast<CSliderCtrl*>(d.GetDlgItem(kSlider));
    slider->SetRange(0, 50);
    slider->SetPos(10);
    static_cast<QAbstractSlider*>(W(d, kSlider))->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(d.notices.back().message, WM_HSCROLL);
    EXPECT_EQ(d.notices.back().value, 11);

    auto* combo = static_cast<CComboBox*>(d.GetDlgItem(kDropList));
    combo->AddString(QStringLiteral("一"));
    combo->AddString(QStringLiteral("二"));
    Q_EMIT static_cast<QComboBox*>(W(d, kDropList))->activated(1);
    EXPECT_TRUE(d.Saw(WM_COMMAND, kDropList, CBN_SELCHANGE));

    auto* tabs = static_cast<CTabCtrl*>(d.GetDlgItem(kTab));
    tabs->InsertItem(0, QStringLiteral("a"));
    tabs->InsertItem(1, QStringLiteral("b"));
    static_cast<QTabBar*>(W(d, kTab))->setCurrentIndex(1);
    EXPECT_TRUE(d.Saw(WM_NOTIFY, kTab, TCN_SELCHANGE));
}

TEST(DialogControls, NextDialogControlFocusesTheNamedWindow)
{
    DemoDialog d;
    ASSERT_TRUE(d.Create());
    PumpUntil([&] { return d.GetWidget()->isVisible(); });
    QApplication::setActiveWindow(d.GetWidget());
    W(d, kList)->setFocus();
    PumpUntil([&] { return W(d, kList)->hasFocus(); }, 500);
    d.SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d.GetDlgItem(kEdit)->GetSafeHwnd()), 1);
    EXPECT_TRUE(PumpUntil([&] { return W(d, kEdit)->hasFocus(); }, 500));
}

TEST(DialogControls, EnterSendsTheDefaultIdAndEscCancels)
{
    ScriptedMessageBoxes boxes;
    DemoDialog d;
    ASSERT_TRUE(d.Create());
    PumpUntil([&] { return d.GetWidget()->isVisible(); });
    QApplication::setActiveWindow(d.GetWidget());
    W(d, kEdit)->setFocus();
    PumpUntil([&] { return W(d, kEdit)->hasFocus(); }, 500);
    static_cast<QLineEdit*>(W(d, kEdit))->setText(QStringLiteral("x7"));
    KeyClick(W(d, kEdit), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(d.oks, 1);
    EXPECT_EQ(boxes.Texts(), QStringList{DataExchangeIntMessage()});  // refused: stays open
    EXPECT_TRUE(d.GetWidget()->isVisible());
    static_cast<QLineEdit*>(W(d, kEdit))->setText(QStringLiteral(" -31 "));
    KeyClick(W(d, kEdit), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(d.number, -31);
    EXPECT_FALSE(d.GetWidget()->isVisible());  // a modeless dialog hides on EndDialog

    DemoDialog e;
    ASSERT_TRUE(e.Create());
    PumpUntil([&] { return e.GetWidget()->isVisible(); });
    KeyClick(W(e, kList), Qt::Key_Escape);
    EXPECT_EQ(e.cancels, 1);
    e.ShowWindow(SW_SHOW);

    // Esc in an open drop-down list closes the list, not the dialog.
    auto* dropList = static_cast<QComboBox*>(W(e, kDropList));
    dropList->addItem(QStringLiteral("a"));
    dropList->showPopup();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    KeyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_Escape);
    EXPECT_TRUE(PumpUntil([] { return QApplication::activePopupWidget() == nullptr; }, 1000));
    EXPECT_EQ(e.cancels, 1);

    e.SendMessage(WM_CLOSE);  // the close box
    EXPECT_EQ(e.cancels, 2);
}

class Counter : public CWnd {
public:
    int received = 0;
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override
    {
        if (message == WM_USER + 7) {
            ++received;
            return 0;
        }
        return CWnd::WindowProc(message, w, l);
    }
};

class EndsOnMessage : public CDialog {
public:
    EndsOnMessage() : CDialog(&kDemoTemplate) { }
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override
    {
        if (message == WM_USER + 8) {
            EndDialog(static_cast<int>(w));
            return 0;
        }
        return CDialog::WindowProc(message, w, l);
    }
};

TEST(DialogControls, ModalLoopEndsByPostedMessageWhileOthersReceiveTheirs)
{
    Counter other;
    ASSERT_TRUE(
        other.CreateEx(0, QStringLiteral("other"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50}, nullptr, 0));
    EndsOnMessage dialog;
    int receivedWhileModal = -1;
    QTimer::singleShot(0, [&] {
        for (int i = 0; i < 50; ++i)
            other.PostMessage(WM_USER + 7);
        QTimer::singleShot(30, [&] {
            receivedWhileModal = other.received;
            dialog.PostMessage(WM_USER + 8, 42);
        });
    });
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(receivedWhileModal, 50);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);  // the window is gone, the object stays
}

TEST(DialogControls, ModalLoopsNestAndEachReturnsItsOwnCode)
{
    // The outer dialog is ended from inside the inner loop: it closes only
    // once the inner one has returned, and each keeps its own code.
    EndsOnMessage outer, inner;
    INT_PTR innerResult = -1;
    bool outerOpenAfterInner = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            outer.PostMessage(WM_USER + 8, 9);
            inner.PostMessage(WM_USER + 8, 7);
        });
        innerResult = inner.DoModal();
        outerOpenAfterInner = outer.GetSafeHwnd() != nullptr;
    });
    EXPECT_EQ(outer.DoModal(), 9);
    EXPECT_EQ(innerResult, 7);
    EXPECT_TRUE(outerOpenAfterInner);
    EXPECT_EQ(outer.GetSafeHwnd(), nullptr);
    EXPECT_EQ(inner.GetSafeHwnd(), nullptr);
}

class ClosesFromItsControls : public CDialog {
public:
    ClosesFromItsControls() : CDialog(&kDemoTemplate) { }
    BOOL OnCommand(WPARAM w, LPARAM l) override
    {
        if (LOWORD(w) == kPush && HIWORD(w) == BN_CLICKED) {
            DestroyWindow();
            return TRUE;
        }
        return CDialog::OnCommand(w, l);
    }
    void OnOK() override { DestroyWindow(); }
    BOOL OnNotify(WPARAM, LPARAM l, LRESULT* result) override
    {
        const auto* h = reinterpret_cast<const NMHDR*>(l);
        if (h->code == UDN_DELTAPOS || h->code == NM_RELEASEDCAPTURE) {
            DestroyWindow();
            *result = 0;
            return TRUE;
        }
        return FALSE;
    }
};

TEST(DialogControls, AModelessDialogClosedFromItsOwnControlsGoesSafely)
{
    // Each control's handler is still running when the dialog goes: the
    // widgets must outlive it (the sanitizer catches a use after free).
    for (const int id : {kPush, kSpin, kSlider, kEdit}) {
        SCOPED_TRACE(id);
        ClosesFromItsControls dialog;
        ASSERT_TRUE(dialog.Create(nullptr));
        QWidget* control = W(dialog, id);
        ASSERT_NE(control, nullptr);
        if (id == kSpin) {
            auto* up = control->findChildren<QToolButton*>().value(0);
            ASSERT_NE(up, nullptr);
            MouseClick(up, QPoint(2, 2));
        } else if (id == kEdit) {
            control->setFocus();
            KeyClick(control, Qt::Key_Return, QStringLiteral("\r"));  // Enter: OK
        } else {
            MouseClick(control, QPoint(control->width() / 2, control->height() / 2));
        }
        PumpFor(20);
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    }
}

}  // namespace

namespace {

class ColouringDialog : public CDialog {
public:
    ColouringDialog() : CDialog(&kDemoTemplate) { }
    int asked = 0;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override
    {
        if (control && control->GetDlgCtrlID() == kPicture && kind == CTLCOLOR_STATIC) {
            ++asked;
            dc->FillSolidRect(0, 0, 10, 10, RGB(0, 200, 0));  // the owner's picture goes into the control
        }
        return nullptr;
    }
};

TEST(DialogControls, PictureControlsLetTheParentDrawWhileTheyPaint)
{
    ColouringDialog d;
    ASSERT_TRUE(d.Create());
    ASSERT_TRUE(PumpUntil([&] { return d.asked > 0; }));
    PumpFor(10);
    const QImage shot = W(d, kPicture)->grab().toImage();
    EXPECT_EQ(shot.pixel(5, 5), qRgb(0, 200, 0));
    EXPECT_EQ(shot.pixel(0, 20), qRgb(0, 0, 0));  // then the control's own black frame
}

}  // namespace

namespace {

constexpr int kAutoPushLike = 1101;
constexpr int kManualPushLike = 1102;
const DialogControl kPushLikeControls[] = {
    {ControlKind::CheckBox, kAutoPushLike, u"透過", BS_AUTOCHECKBOX | BS_PUSHLIKE, 8, 8, 60, 26},
    {ControlKind::CheckBox, kManualPushLike, u"手動", BS_CHECKBOX | BS_PUSHLIKE, 80, 8, 60, 26},
};
const DialogTemplate kPushLikeTemplate{
    902, u"押しボタン型", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 160, 50, kPushLikeControls};

TEST(DialogControls, PushLikeCheckBoxesAreButtonsThatStayInAndTheMinimiseBoxIsOffered)
{
    DemoDialog d(&kPushLikeTemplate);
    ASSERT_TRUE(d.Create());
    EXPECT_TRUE(d.GetWidget()->windowFlags() & Qt::WindowMinimizeButtonHint);
    auto* autoButton = qobject_cast<QToolButton*>(W(d, kAutoPushLike));
    ASSERT_NE(autoButton, nullptr);
    EXPECT_TRUE(autoButton->isCheckable());

    auto* check = static_cast<CButton*>(d.GetDlgItem(kAutoPushLike));
    MouseClick(autoButton, QPoint(5, 5));
    EXPECT_EQ(check->GetCheck(), 1);
    EXPECT_TRUE(d.Saw(WM_COMMAND, kAutoPushLike, BN_CLICKED));
    MouseClick(autoButton, QPoint(5, 5));
    EXPECT_EQ(check->GetCheck(), 0);

    // A manual one is set by its owner, not by the click.
    auto* manual = static_cast<CButton*>(d.GetDlgItem(kManualPushLike));
    MouseClick(W(d, kManualPushLike), QPoint(5, 5));
    EXPECT_EQ(manual->GetCheck(), 0);
    EXPECT_TRUE(d.Saw(WM_COMMAND, kManualPushLike, BN_CLICKED));
    manual->SetCheck(1);
    EXPECT_EQ(manual->GetCheck(), 1);
}

}  // namespace
