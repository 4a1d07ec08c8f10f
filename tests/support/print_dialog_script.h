// Runs a script on the print dialog once its opener has it running modally;
// the script must end it. A guard ends it with -2 after five seconds when the
// script does not. Keep the returned object until the opener has returned.
#pragma once

#include "print/print_dialog.h"

#include <QTimer>
#include <functional>
#include <memory>

class PrintDialogScript {
public:
    explicit PrintDialogScript(std::function<void(CDlgPrintOut&)> script) : m_script(std::move(script))
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            CDlgPrintOut* dialog = CDlgPrintOut::Running();
            if (!dialog || !dialog->IsWindowVisible() || m_ran)
                return;
            m_ran = true;
            m_poll.stop();
            m_guard.start(5000);
            m_script(*dialog);
        });
        QObject::connect(&m_guard, &QTimer::timeout, [] {
            if (CDlgPrintOut* dialog = CDlgPrintOut::Running())
                dialog->EndDialog(-2);
        });
        m_guard.setSingleShot(true);
        m_poll.start(10);
    }
    bool Ran() const { return m_ran; }

private:
    std::function<void(CDlgPrintOut&)> m_script;
    QTimer m_poll;
    QTimer m_guard;
    bool m_ran = false;
};
