// Edit controls.
#include "platform/controls/control_widgets.h"
#include "platform/controls/controls.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {

QLineEdit* Line(QWidget* w)
{
    return qobject_cast<QLineEdit*>(w);
}

}  // namespace

void CEdit::SetSel(int start, int end, BOOL)
{
    QLineEdit* e = Line(m_widget);
    if (!e)
        return;
    const int length = e->text().size();
    if (start == -1) {  // no selection
        e->deselect();
        return;
    }
    if (end == -1 || end > length)
        end = length;
    start = std::clamp(start, 0, length);
    e->setSelection(start, end - start);
}

void CEdit::GetSel(int& start, int& end) const
{
    QLineEdit* e = Line(m_widget);
    start = end = 0;
    if (!e)
        return;
    if (e->hasSelectedText()) {
        start = e->selectionStart();
        end = start + e->selectedText().size();
    } else {
        start = end = e->cursorPosition();
    }
}

void CEdit::ReplaceSel(const QString& text)
{
    if (QLineEdit* e = Line(m_widget))
        e->insert(text);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(m_widget))
        p->insertPlainText(text);
}

void CEdit::SetLimitText(UINT max)
{
    if (QLineEdit* e = Line(m_widget))
        e->setMaxLength(max == 0 ? 32767 : static_cast<int>(std::min<UINT>(max, 32767)));
}

UINT CEdit::GetLimitText() const
{
    QLineEdit* e = Line(m_widget);
    return e ? static_cast<UINT>(e->maxLength()) : 0;
}

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    if (QLineEdit* e = Line(m_widget))
        e->setReadOnly(readOnly);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(m_widget))
        p->setReadOnly(readOnly);
    return m_widget != nullptr;
}

LRESULT CEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case EM_SETSEL:
        SetSel(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case EM_LIMITTEXT:
        SetLimitText(static_cast<UINT>(wParam));
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CEdit::OnKillFocus(CWnd*)
{
    if (m_widget)
        NotifyCommand(m_widget, EN_KILLFOCUS);
}
