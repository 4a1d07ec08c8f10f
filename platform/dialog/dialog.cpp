#include "platform/dialog/dialog.h"
#include "platform/controls/control_widgets.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog_scale.h"
#include "platform/window/window_dispatch.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

using DialogHost = SurfaceHost<QDialog>;

CDialog::CDialog(const DialogTemplate* dialogTemplate, CWnd* parent)
    : m_template(dialogTemplate), m_parentWnd(parent)
{
}

CDialog::~CDialog()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

QWidget* CDialog::CreateHostWidget(QWidget* parent, bool)
{
    return new DialogHost(this, parent);
}

BOOL CDialog::BuildFromTemplate(const DialogTemplate& t, CWnd* parent, bool modal)
{
    if (GetSafeHwnd())
        return FALSE;
    m_template = &t;
    m_parentWnd = parent;
    m_modal = modal;
    m_ended = false;
    m_result = IDCANCEL;
    m_style = t.style;
    m_exStyle = t.exStyle;
    SetOwner((t.style & WS_CHILD) ? nullptr : parent);
    const bool child = (t.style & WS_CHILD) && parent && parent->GetWidget();
    auto* host = static_cast<DialogHost*>(CreateHostWidget(parent ? parent->GetWidget() : nullptr, child));
    if (child) {
        host->setWindowFlags(Qt::Widget);
    } else {
        Qt::WindowFlags flags = (t.exStyle & WS_EX_TOOLWINDOW) ? Qt::Tool : Qt::Dialog;
        if ((t.style & WS_CAPTION) != WS_CAPTION)
            flags |= Qt::FramelessWindowHint;
        else if (t.style & WS_SYSMENU)
            flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                ((t.style & WS_MINIMIZEBOX) ? Qt::WindowMinimizeButtonHint : Qt::WindowFlags());
        else
            flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;  // a caption without a close box
        if (t.exStyle & WS_EX_TOPMOST)
            flags |= Qt::WindowStaysOnTopHint;
        host->setWindowFlags(flags);
    }
    host->setWindowTitle(QString::fromUtf16(t.caption ? t.caption : u""));
    host->setAttribute(Qt::WA_OpaquePaintEvent);
    host->setMouseTracking(true);
    host->setFont(QFont(QStringLiteral("IPAPGothic"), -1));
    QFont font = host->font();
    font.setPixelSize(ScaleDialogUnit(12));
    host->setFont(font);
    const int cx = ScaleDialogUnit(t.cx);
    const int cy = ScaleDialogUnit(t.cy);
    if (t.style & WS_THICKFRAME)
        host->resize(cx, cy);
    else
        host->setFixedSize(cx, cy);
    m_ownsWidget = true;
    BindWidget(host, child ? t.id : 0, child ? parent : nullptr);
    ResizeSurface(cx, cy);
    NoteRequestedSize();
    BuildControls(t);
    if (!child && parent && parent->GetWidget()) {
        const QRect owner = parent->GetWidget()->frameGeometry();
        host->move(owner.center() - QPoint(cx / 2, cy / 2));
    } else if (!child) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            host->move(screen->availableGeometry().center() - QPoint(cx / 2, cy / 2));
    }
    return TRUE;
}

void CDialog::BuildControls(const DialogTemplate& t)
{
    QWidget* host = GetWidget();
    QWidget* previous = nullptr;
    QButtonGroup* radios = nullptr;
    m_defId = IDOK;
    for (const DialogControl& templateControl : t.controls) {
        const DialogControl c = ScaleDialogControl(templateControl);
        std::unique_ptr<CWnd> object(CreateControlObject(c.kind));
        QWidget* widget = nullptr;
        if (c.kind == ControlKind::Picture) {
            widget = new WindowHost(object.get(), host);
            widget->setGeometry(c.x, c.y, c.cx, c.cy);
            widget->setAttribute(Qt::WA_OpaquePaintEvent);
            widget->setProperty("kestrel_control_id", c.id);
            widget->setProperty("kestrel_control_kind", static_cast<int>(c.kind));
            widget->setVisible(!(c.style & CS_HIDDEN));
            widget->setEnabled(!(c.style & WS_DISABLED));
        } else {
            widget = CreateControlWidget(c, host, previous);
        }
        if (c.kind == ControlKind::RadioButton && (c.style & 0xF) == BS_AUTORADIOBUTTON) {
            if (!radios || (c.style & WS_GROUP)) {
                radios = new QButtonGroup(host);
                radios->setExclusive(true);
            }
            radios->addButton(static_cast<QAbstractButton*>(widget));
        } else {
            radios = nullptr;
        }
        if (c.kind == ControlKind::DefPushButton)
            m_defId = static_cast<UINT>(c.id);
        object->AttachWidget(widget, static_cast<UINT>(c.id), this, c.style);
        m_controlObjects.push_back(std::move(object));
        previous = widget;
    }
}

BOOL CDialog::Create(const DialogTemplate& dialogTemplate, CWnd* parent)
{
    KESTREL_ASSERT_UI_THREAD();
    if (!BuildFromTemplate(dialogTemplate, parent, false))
        return FALSE;
    WindowDispatch::Dispatch(this, WM_INITDIALOG, 0, 0);
    if (GetSafeHwnd() && (dialogTemplate.style & WS_VISIBLE))
        ShowWindow(SW_SHOW);
    return GetSafeHwnd() != nullptr;
}

BOOL CDialog::Create(CWnd* parent)
{
    return m_template ? Create(*m_template, parent) : FALSE;
}

INT_PTR CDialog::DoModal()
{
    if (!IsUiThread()) {
        // Asked from a worker: the UI thread runs the dialog while the worker
        // waits; -1 when the application's loop ended first.
        INT_PTR result = -1;
        CallOnUiThread([&] { result = DoModal(); });
        return result;
    }
    if (!m_template || !BuildFromTemplate(*m_template, m_parentWnd, true))
        return -1;
    auto* host = static_cast<QDialog*>(GetWidget());
    host->setWindowModality(Qt::ApplicationModal);
    WindowDispatch::Dispatch(this, WM_INITDIALOG, 0, 0);
    if (GetSafeHwnd() && !m_ended)
        host->exec();  // the nested loop; EndDialog ends it
    const int result = m_result;
    if (GetSafeHwnd())
        DestroyWindow();
    m_modal = false;
    return result;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    if (!GetWidget())
        return;
    if (m_modal)
        static_cast<QDialog*>(GetWidget())->done(result);
    else
        ShowWindow(SW_HIDE);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::GotoDlgCtrl(CWnd* control)
{
    if (control)
        control->SetFocus();
}

void CDialog::NextDlgCtrl() const
{
    if (QWidget* focus = QApplication::focusWidget())
        if (QWidget* next = focus->nextInFocusChain())
            next->setFocus(Qt::TabFocusReason);
}

void CDialog::PrevDlgCtrl() const
{
    if (QWidget* focus = QApplication::focusWidget())
        if (QWidget* previous = focus->previousInFocusChain())
            previous->setFocus(Qt::BacktabFocusReason);
}

std::vector<int> CDialog::RadioGroup(int firstId) const
{
    std::vector<int> ids;
    if (!m_template)
        return ids;
    bool inGroup = false;
    for (const DialogControl& c : m_template->controls) {
        if (!inGroup) {
            inGroup = c.id == firstId;
        } else if (c.kind != ControlKind::RadioButton || (c.style & WS_GROUP)) {
            break;
        }
        if (inGroup)
            ids.push_back(c.id);
    }
    return ids;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NEXTDLGCTL) {
        // lParam's low word set: wParam names the window to focus; otherwise
        // wParam 0 moves to the next control, any other value to the previous.
        if (LOWORD(lParam) != 0)
            ::SetFocus(reinterpret_cast<HWND>(wParam));
        else if (wParam == 0)
            NextDlgCtrl();
        else
            PrevDlgCtrl();
        return 0;
    }
    if (message == WM_CLOSE) {
        // The close box acts as the Cancel button.
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM)
{
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message != WM_KEYDOWN || !GetWidget())
        return FALSE;
    // An open drop-down list or menu takes Enter and Esc itself.
    if (QApplication::activePopupWidget())
        return FALSE;
    if (msg->wParam == VK_ESCAPE) {
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }
    if (msg->wParam != VK_RETURN)
        return FALSE;
    QWidget* focus = QApplication::focusWidget();
    if (auto* multiLine = qobject_cast<QPlainTextEdit*>(focus); multiLine && !multiLine->isReadOnly())
        return FALSE;  // a multi-line edit takes Enter as a new line
    if (auto* combo = dynamic_cast<NotifyingComboBox*>(focus); combo && combo->popupShown)
        return FALSE;
    if (auto* button = qobject_cast<QPushButton*>(focus); button && GetWidget()->isAncestorOf(button)) {
        button->click();  // Enter on a focused push button presses it
        return TRUE;
    }
    CWnd* defButton = GetDlgItem(static_cast<int>(m_defId));
    if (defButton && !defButton->IsWindowEnabled())
        return TRUE;
    SendMessage(WM_COMMAND, MAKEWPARAM(m_defId, BN_CLICKED),
        reinterpret_cast<LPARAM>(defButton ? defButton->GetSafeHwnd() : nullptr));
    return TRUE;
}

void CDialogEx::SetBackgroundColor(COLORREF color, BOOL repaint)
{
    CWnd::SetBackgroundColor(color);
    if (repaint)
        Invalidate(TRUE);
}
