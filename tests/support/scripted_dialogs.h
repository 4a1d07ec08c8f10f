// Scripted answers for the modal questions of the message-box and file-dialog
// services: each object records every request it receives and answers from
// its script, in order. While one lives no real box or dialog is shown.
#pragma once

#include "platform/dialog/common_dialogs.h"
#include "platform/dialog/msgbox.h"

#include <QList>
#include <mutex>

class ScriptedMessageBoxes {
public:
    // Boxes beyond the scripted answers get defaultAnswer (0: the box's
    // first button).
    explicit ScriptedMessageBoxes(QList<int> answers = {}, int defaultAnswer = 0);
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    QList<MessageBoxRequest> Requests() const;
    // The texts of the boxes shown so far.
    QStringList Texts() const;

private:
    mutable std::mutex m_mutex;
    QList<int> m_answers;
    int m_defaultAnswer;
    QList<MessageBoxRequest> m_requests;
};

class ScriptedFileDialogs {
public:
    explicit ScriptedFileDialogs(QList<FileDialogAnswer> answers = {});
    ~ScriptedFileDialogs();
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    QList<FileDialogRequest> Requests() const;

private:
    mutable std::mutex m_mutex;
    QList<FileDialogAnswer> m_answers;
    QList<FileDialogRequest> m_requests;
};

// Convenience answers.
FileDialogAnswer ChosenPath(const QString& path);
FileDialogAnswer CancelledDialog();
