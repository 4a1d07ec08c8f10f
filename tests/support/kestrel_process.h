// Running the real kestrel in a test: a copy of the built program in a folder
// of the test's own (its program folder), started on an X display of the
// test's own. Every wait is bounded, and the started processes end with the
// test process even when that is killed.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

// Polls `condition` every 100 ms; false when it did not hold within timeoutMs.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs);

// This process's environment for a program on `display` (Qt on X11); a
// sanitizer build also gets the project's leak suppressions when none are set.
QProcessEnvironment DisplayEnvironment(const QString& display);

// Copies the built kestrel into `folder`; the copy's path, or empty on failure.
QString CopyKestrelInto(const QString& folder);

// Lets a process started through `process` end (SIGKILL) when the test
// process ends; call before starting it.
void EndWithThisProcess(QProcess& process);

// Runs a tool on `display` (up to five seconds) and returns its trimmed output.
QString RunTool(const QString& display, const QString& program, const QStringList& args);
