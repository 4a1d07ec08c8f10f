#include "core/waits.h"

#include "core/app_state.h"
#include "platform/app/message_pump.h"
#include "platform/dialog/msgbox.h"
#include "platform/thread/worker_thread.h"
#include "platform/window/cursor.h"
#include "platform/window/drop_files.h"
#include "platform/window/input_keys.h"
#include "platform/window/window.h"

#include <QRegularExpression>
#include <QThread>
#include <cmath>

namespace {

// The leading decimal number of the text as the C library reads it: blanks,
// a sign, digits with an optional fraction and exponent; 0 without one.
double LeadingNumber(const QString& text)
{
    static const QRegularExpression kNumber(
        QStringLiteral("^[ \\t\\n\\v\\f\\r]*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = kNumber.match(text);
    if (!match.hasMatch())
        return 0.0;
    bool ok = false;
    const double value = match.captured(1).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

}  // namespace

int WaitTimeFromText(const QString& text, QString* message)
{
    message->clear();
    const QString entry = text.left(100);
    const double ms = entry.size() > 9 ? 14000.0 : LeadingNumber(entry) * 1000.0;
    if (ms > kMaxWaitTimeMs) {
        *message = QString::asprintf("最大設定待ち時間は %.1f 秒です。", kMaxWaitTimeMs / 1000.0);
        return kMaxWaitTimeMs;
    }
    if (ms < kMinWaitTimeMs) {
        *message = QString::asprintf("最小設定待ち時間は %.1f 秒です。", kMinWaitTimeMs / 1000.0);
        return kMinWaitTimeMs;
    }
    return static_cast<int>(ms);
}

int GetWaitTimeFromEditText(const QString& text)
{
    QString message;
    const int ms = WaitTimeFromText(text, &message);
    if (!message.isEmpty())
        AfxMessageBox(message, MB_OK);
    return ms;
}

int GetWaitTimeFromEdit(const CWnd* edit)
{
    return GetWaitTimeFromEditText(edit ? edit->GetWindowText().left(100) : QString());
}

bool StopThreadWithTimeout(std::unique_ptr<CWorkerThread>& holder, DWORD milliseconds)
{
    if (!holder)
        return true;
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        // A message handled below may have stopped and released the same
        // worker through this holder.
        if (!holder)
            return true;
        if (!holder->IsRunning()) {
            holder.reset();
            return true;
        }
        if (GetTickCount64() - start >= milliseconds)
            return false;
        // The worker may be waiting for this thread: keep handling messages.
        PumpMessages();
        QThread::usleep(500);
    }
}

int ShiftCtrlStateOf(bool shiftDown, bool ctrlDown)
{
    if (shiftDown && !ctrlDown)
        return 1;
    if (ctrlDown && !shiftDown)
        return 2;
    return 0;
}

int GetShiftCtrlState()
{
    return ShiftCtrlStateOf((GetKeyState(VK_SHIFT) & 0x8000) != 0, (GetKeyState(VK_CONTROL) & 0x8000) != 0);
}

void EnableDropFiles(BOOL enable)
{
    DragAcceptFiles(GetAppState().Window(AppWindow::MainFrame), enable);
}

void SetStandardCursor(int systemCursorId)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (SetSystemCursor(systemCursorId))
            return;
        PumpMessages();
    }
}

void SetAppCursor(int resourceId)
{
    SetResourceCursor(resourceId);
}

void SetCursorFrom(int cursorId, int fromResources)
{
    if (fromResources == 1)
        SetResourceCursor(cursorId);
    else
        SetSystemCursor(cursorId);
}
