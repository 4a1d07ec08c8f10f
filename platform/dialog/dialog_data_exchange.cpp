#include "platform/dialog/dialog_data_exchange.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "platform/dialog/msgbox.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>

QString DataExchangeIntMessage()
{
    return QStringLiteral("整数を入力してください。");
}

QString DataExchangeUIntMessage()
{
    return QStringLiteral("正の整数を入力してください。");
}

QString DataExchangeByteMessage()
{
    return QStringLiteral("0 から 255 までの整数を入力してください。");
}

QString DataExchangeRealMessage()
{
    return QStringLiteral("数値を入力してください。");
}

CWnd* CDataExchange::PrepareCtrl(int id)
{
    m_lastId = id;
    return m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr;
}

void CDataExchange::Fail()
{
    if (m_pDlgWnd) {
        if (CWnd* control = m_pDlgWnd->GetDlgItem(m_lastId)) {
            control->SetFocus();
            if (auto* edit = qobject_cast<QLineEdit*>(control->GetWidget()))
                edit->selectAll();
        }
    }
    throw DataExchangeFailure{};
}

namespace {

QString Blank(const QString& text)
{
    QString t = text;
    while (!t.isEmpty() && (t.front() == u' ' || t.front() == u'\t'))
        t.remove(0, 1);
    while (!t.isEmpty() && (t.back() == u' ' || t.back() == u'\t'))
        t.chop(1);
    return t;
}

bool AllDigits(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString ControlText(CDataExchange* dx, int id)
{
    CWnd* control = dx->PrepareEditCtrl(id);
    return control ? control->GetWindowText() : QString();
}

void SetControlText(CDataExchange* dx, int id, const QString& text)
{
    if (CWnd* control = dx->PrepareEditCtrl(id))
        control->SetWindowText(text);
}

[[noreturn]] void Refuse(CDataExchange* dx, const QString& message)
{
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    dx->Fail();
}

}  // namespace

std::optional<long long> ParseSignedField(const QString& text)
{
    const QString t = Blank(text);
    QStringView digits(t);
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == u'-' || digits.front() == u'+')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    if (!AllDigits(digits) || digits.size() > 18)
        return std::nullopt;
    const long long v = digits.toLongLong();
    return negative ? -v : v;
}

std::optional<unsigned long long> ParseUnsignedField(const QString& text)
{
    const QString t = Blank(text);
    if (!AllDigits(t) || t.size() > 19)
        return std::nullopt;
    return t.toULongLong();
}

std::optional<double> ParseRealField(const QString& text)
{
    bool ok = false;
    const double v = Blank(text).toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    if (!dx->m_bSaveAndValidate) {
        SetControlText(dx, id, QString::number(value));
        return;
    }
    const auto v = ParseSignedField(ControlText(dx, id));
    if (!v || *v < INT32_MIN || *v > INT32_MAX)
        Refuse(dx, DataExchangeIntMessage());
    value = static_cast<int>(*v);
}

void DDX_Text(CDataExchange* dx, int id, UINT& value)
{
    if (!dx->m_bSaveAndValidate) {
        SetControlText(dx, id, QString::number(value));
        return;
    }
    const auto v = ParseUnsignedField(ControlText(dx, id));
    if (!v || *v > UINT32_MAX)
        Refuse(dx, DataExchangeUIntMessage());
    value = static_cast<UINT>(*v);
}

void DDX_Text(CDataExchange* dx, int id, BYTE& value)
{
    if (!dx->m_bSaveAndValidate) {
        SetControlText(dx, id, QString::number(value));
        return;
    }
    const auto v = ParseUnsignedField(ControlText(dx, id));
    if (!v || *v > 255)
        Refuse(dx, DataExchangeByteMessage());
    value = static_cast<BYTE>(*v);
}

void DDX_Text(CDataExchange* dx, int id, double& value)
{
    if (!dx->m_bSaveAndValidate) {
        SetControlText(dx, id, QString::number(value, 'g', 15));
        return;
    }
    const auto v = ParseRealField(ControlText(dx, id));
    if (!v)
        Refuse(dx, DataExchangeRealMessage());
    value = *v;
}

void DDX_Text(CDataExchange* dx, int id, QString& value)
{
    if (dx->m_bSaveAndValidate)
        value = ControlText(dx, id);
    else
        SetControlText(dx, id, value);
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    CWnd* control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(control->SendMessage(BM_GETCHECK));
    else
        control->SendMessage(BM_SETCHECK, static_cast<WPARAM>(value));
}

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    auto* dialog = dynamic_cast<CDialog*>(dx->m_pDlgWnd);
    if (!dialog)
        return;
    dx->PrepareCtrl(id);
    const std::vector<int> group = dialog->RadioGroup(id);
    if (dx->m_bSaveAndValidate) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i)
            if (dialog->IsDlgButtonChecked(group[i]))
                value = static_cast<int>(i);
    } else {
        for (std::size_t i = 0; i < group.size(); ++i)
            dialog->CheckDlgButton(group[i], static_cast<int>(i) == value ? 1 : 0);
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index)
{
    auto* combo = dynamic_cast<CComboBox*>(dx->PrepareCtrl(id));
    if (!combo)
        return;
    if (dx->m_bSaveAndValidate)
        index = combo->GetCurSel();
    else
        combo->SetCurSel(index);
}

void DDX_Slider(CDataExchange* dx, int id, int& value)
{
    auto* slider = dynamic_cast<CSliderCtrl*>(dx->PrepareCtrl(id));
    if (!slider)
        return;
    if (dx->m_bSaveAndValidate)
        value = slider->GetPos();
    else
        slider->SetPos(value);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (!control.GetSafeHwnd())
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int min, int max)
{
    if (dx->m_bSaveAndValidate && (value < min || value > max))
        Refuse(dx, QStringLiteral("%1 から %2 までの整数を入力してください。").arg(min).arg(max));
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT min, UINT max)
{
    if (dx->m_bSaveAndValidate && (value < min || value > max))
        Refuse(dx, QStringLiteral("%1 から %2 までの整数を入力してください。").arg(min).arg(max));
}

void DDV_MinMaxByte(CDataExchange* dx, BYTE value, BYTE min, BYTE max)
{
    DDV_MinMaxUInt(dx, value, min, max);
}

void DDV_MaxChars(CDataExchange* dx, const QString& value, int max)
{
    if (dx->m_bSaveAndValidate && value.size() > max)
        Refuse(dx, QStringLiteral("%1 文字以内で入力してください。").arg(max));
}
