#include "tests/support/scripted_dialogs.h"

ScriptedMessageBoxes::ScriptedMessageBoxes(QList<int> answers, int defaultAnswer)
    : m_answers(std::move(answers)), m_defaultAnswer(defaultAnswer)
{
    SetMessageBoxHookForTesting([this](const MessageBoxRequest& request) {
        std::lock_guard lock(m_mutex);
        m_requests.append(request);
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return m_defaultAnswer != 0 ? m_defaultAnswer : MessageBoxButtons(request.type).first();
    });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    SetMessageBoxHookForTesting({});
}

QList<MessageBoxRequest> ScriptedMessageBoxes::Requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

QStringList ScriptedMessageBoxes::Texts() const
{
    QStringList texts;
    for (const MessageBoxRequest& r : Requests())
        texts.append(r.text);
    return texts;
}

ScriptedFileDialogs::ScriptedFileDialogs(QList<FileDialogAnswer> answers) : m_answers(std::move(answers))
{
    SetFileDialogHookForTesting([this](const FileDialogRequest& request) {
        std::lock_guard lock(m_mutex);
        m_requests.append(request);
        return m_answers.isEmpty() ? FileDialogAnswer() : m_answers.takeFirst();
    });
}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    SetFileDialogHookForTesting({});
}

QList<FileDialogRequest> ScriptedFileDialogs::Requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

FileDialogAnswer ChosenPath(const QString& path)
{
    FileDialogAnswer answer;
    answer.accepted = true;
    answer.path = path;
    return answer;
}

FileDialogAnswer CancelledDialog()
{
    return FileDialogAnswer();
}
