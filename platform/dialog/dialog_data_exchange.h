// Dialog data exchange: moving member values to and from controls, with the
// class library's checks. When a text does not convert, a message box says
// what is expected, the control takes the focus, the member keeps its value
// and UpdateData returns FALSE.
#pragma once

#include "platform/window/window.h"

#include <optional>

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
    {
    }
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    // The control of the exchange running now (focused when the exchange fails).
    CWnd* PrepareCtrl(int id);
    CWnd* PrepareEditCtrl(int id) { return PrepareCtrl(id); }
    // Ends the exchange: the control last prepared takes the focus.
    [[noreturn]] void Fail();

private:
    int m_lastId = 0;
};

// Thrown by CDataExchange::Fail, caught by UpdateData.
struct DataExchangeFailure { };

// The number conversions (surrounding blanks allowed, nothing else).
std::optional<long long> ParseSignedField(const QString& text);
std::optional<unsigned long long> ParseUnsignedField(const QString& text);
std::optional<double> ParseRealField(const QString& text);

void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, BYTE& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Text(CDataExchange* dx, int id, QString& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_Slider(CDataExchange* dx, int id, int& value);
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

void DDV_MinMaxInt(CDataExchange* dx, int value, int min, int max);
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT min, UINT max);
void DDV_MinMaxByte(CDataExchange* dx, BYTE value, BYTE min, BYTE max);
void DDV_MaxChars(CDataExchange* dx, const QString& value, int max);

// The texts of the exchange's messages.
QString DataExchangeIntMessage();
QString DataExchangeUIntMessage();
QString DataExchangeByteMessage();
QString DataExchangeRealMessage();
