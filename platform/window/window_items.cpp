// Dialog items: the item of an id, its text, number and check state, and
// the window's text and font.
#include "platform/window/window_dispatch.h"

CWnd* CWnd::GetDlgItem(int id) const
{
    return FromHandle(m_childIds.value(static_cast<UINT>(id), nullptr));
}

void CWnd::SetWindowText(const QString& text)
{
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&text));
}

QString CWnd::GetWindowText() const
{
    QString text;
    if (m_hWnd)
        ::SendMessageW(m_hWnd, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
    return text;
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    if (font)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->m_hObject), redraw);
}

CFont* CWnd::GetFont() const
{
    return m_hFont ? CFont::FromHandle(m_hFont) : nullptr;
}

void CWnd::SetDlgItemText(int id, const QString& text)
{
    if (CWnd* item = GetDlgItem(id))
        item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, QString& text) const
{
    CWnd* item = GetDlgItem(id);
    text = item ? item->GetWindowText() : QString();
    return text.size();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned)
{
    SetDlgItemText(id, isSigned ? QString::number(static_cast<int>(value)) : QString::number(value));
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const
{
    QString text;
    GetDlgItemText(id, text);
    bool ok = false;
    const QString t = text.trimmed();
    UINT value = 0;
    if (isSigned)
        value = static_cast<UINT>(t.toInt(&ok));
    else
        value = t.startsWith(u'-') ? 0 : t.toUInt(&ok);
    if (translated)
        *translated = ok;
    return ok ? value : 0;
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    SendDlgItemMessage(id, BM_SETCHECK, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    CWnd* item = GetDlgItem(id);
    return item ? static_cast<UINT>(item->SendMessage(BM_GETCHECK)) : 0;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (int id = firstId; id <= lastId; ++id)
        CheckDlgButton(id, id == checkId ? 1 : 0);
}
