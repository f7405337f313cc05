#pragma once

#include <QLoggingCategory>
#include <QObject>
#include <QString>

// The "ui" category of the device program's shell (all levels enabled).
Q_DECLARE_LOGGING_CATEGORY(lcUi)

// Format of every diagnostics line of both programs.
extern const char *const kDiagnosticsMessagePattern;

// The handler installed into Qt. Until a diagnostics pane is registered every
// message goes to standard error; from then on debug, info, warning and
// critical messages are appended to the pane and a fatal message aborts.
void applicationMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

// Sets the message pattern and installs applicationMessageHandler.
void installDiagnostics();

// Registers the diagnostics pane: any object with an "appendPlainText(QString)"
// slot (a QPlainTextEdit). Only the first registration counts. The pane is
// watched: once it is destroyed, later messages are dropped instead of
// reaching it. Messages from other threads are queued to the pane's thread,
// each thread's messages in the order they were logged.
void setApplicationLogView(QObject *pane);

// The registered pane, or nullptr before registration and after it is gone.
QObject *applicationLogView();
