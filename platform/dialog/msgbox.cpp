#include "platform/dialog/msgbox.h"

#include "platform/dialog/service_hook.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_registry.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

ServiceHook<MessageBoxHook> g_hook;

// Button labels as the Japanese system shows them.
QString ButtonText(int id)
{
    switch (id) {
    case IDOK:
        return QStringLiteral("OK");
    case IDCANCEL:
        return QStringLiteral("キャンセル");
    case IDABORT:
        return QStringLiteral("中止(&A)");
    case IDRETRY:
        return QStringLiteral("再試行(&R)");
    case IDIGNORE:
        return QStringLiteral("無視(&I)");
    case IDYES:
        return QStringLiteral("はい(&Y)");
    case IDNO:
        return QStringLiteral("いいえ(&N)");
    }
    return QString();
}

QMessageBox::Icon IconOf(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

int ShowRealBox(const MessageBoxRequest& request)
{
    QWidget* parent = WidgetFromHwnd(request.owner);
    QMessageBox box(IconOf(request.type), request.caption, request.text, QMessageBox::NoButton, parent);
    if (request.type & (MB_SYSTEMMODAL | MB_TOPMOST))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const QList<int> ids = MessageBoxButtons(request.type);
    QList<QPushButton*> buttons;
    for (int id : ids)
        buttons.append(box.addButton(ButtonText(id), QMessageBox::AcceptRole));
    const int defaultIndex = static_cast<int>((request.type & MB_DEFMASK) >> 8);
    box.setDefaultButton(buttons.value(defaultIndex < buttons.size() ? defaultIndex : 0));
    const int escapeId = MessageBoxEscapeAnswer(request.type);
    if (escapeId != 0)
        box.setEscapeButton(buttons.value(ids.indexOf(escapeId)));
    for (;;) {
        box.exec();
        const int index = buttons.indexOf(static_cast<QPushButton*>(box.clickedButton()));
        if (index >= 0)
            return ids[index];
        if (escapeId != 0)
            return escapeId;
        // A Yes/No box has no way out but its buttons: ask again.
    }
}

int Answer(const MessageBoxRequest& request)
{
    if (MessageBoxHook hook = g_hook.Get())
        return hook(request);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return MessageBoxEscapeAnswer(request.type) ? MessageBoxEscapeAnswer(request.type) : IDOK;
    return ShowRealBox(request);
}

}  // namespace

QList<int> MessageBoxButtons(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    }
    return {IDOK};
}

int MessageBoxEscapeAnswer(UINT type)
{
    const QList<int> ids = MessageBoxButtons(type);
    if (ids.contains(IDCANCEL))
        return IDCANCEL;
    if (ids == QList<int>{IDOK})
        return IDOK;
    return 0;
}

int MessageBoxW(HWND owner, const QString& text, const QString& caption, UINT type)
{
    const MessageBoxRequest request{owner, text, caption, type};
    // From a worker the UI thread shows the box while the worker waits; a
    // worker let go at quit gets 0, as for a box that could not be shown.
    int result = 0;
    CallOnUiThread([&] { result = Answer(request); });
    return result;
}

int AfxMessageBox(const QString& text, UINT type, UINT /*helpId*/)
{
    HWND owner = nullptr;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) && IsUiThread())
        owner = HwndFromWidget(QApplication::activeWindow());
    return MessageBoxW(owner, text, QStringLiteral("Kestrel"), type);
}

void SetMessageBoxHookForTesting(MessageBoxHook hook)
{
    g_hook.Set(std::move(hook));
}
