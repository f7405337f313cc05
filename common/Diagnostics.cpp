#include "Diagnostics.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QThread>

#include <cstdio>
#include <cstdlib>

const char *const kDiagnosticsMessagePattern =
    "[%{time yyyyMMdd h:mm:ss.zzz} "
    "%{if-debug}D%{endif}%{if-info}I%{endif}%{if-warning}W%{endif}%{if-critical}C%{endif}%{if-fatal}F%{endif}] "
    "{%{category}} %{file}:%{line}:%{function} - %{message}";

Q_LOGGING_CATEGORY(lcUi, "ui")

namespace {

struct PaneState {
    QMutex mutex;
    QPointer<QObject> pane;
    // Lives for the whole process in the pane's thread; lines from other
    // threads are queued to it, so no thread ever posts to the pane itself.
    QObject *relay = nullptr;
    QThread *paneThread = nullptr;
    bool registered = false;
};

PaneState &paneState()
{
    static PaneState state;
    return state;
}

void appendToPane(QObject *pane, const QString &line)
{
    QMetaObject::invokeMethod(pane, "appendPlainText", Qt::DirectConnection, Q_ARG(QString, line));
}

} // namespace

void setApplicationLogView(QObject *pane)
{
    PaneState &state = paneState();
    QMutexLocker lock(&state.mutex);
    if (state.registered || !pane)
        return;
    state.registered = true;
    state.pane = pane;
    state.relay = new QObject;
    state.paneThread = pane->thread();
    state.relay->moveToThread(state.paneThread);
}

QObject *applicationLogView()
{
    PaneState &state = paneState();
    QMutexLocker lock(&state.mutex);
    return state.pane.data();
}

void applicationMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QString line = qFormatLogMessage(type, context, message);

    PaneState &state = paneState();
    QMutexLocker lock(&state.mutex);
    QObject *pane = state.pane.data();
    if (!pane) {
        lock.unlock();
        const QByteArray text = line.toLocal8Bit();
        std::fprintf(stderr, "%s\n", text.constData());
        std::fflush(stderr);
        return; // for a fatal message Qt ends the process after the handler
    }
    if (type == QtFatalMsg)
        std::abort();

    if (QThread::currentThread() == state.paneThread) {
        lock.unlock();
        appendToPane(pane, line);
        return;
    }
    // Another thread: hand the line over to the pane's own thread. The pane is
    // looked up again there, so a pane destroyed in between is never touched.
    QPointer<QObject> guarded = state.pane;
    QObject *relay = state.relay;
    lock.unlock();
    QMetaObject::invokeMethod(
        relay,
        [guarded, line]() {
            if (guarded)
                appendToPane(guarded.data(), line);
        },
        Qt::QueuedConnection);
}

void installDiagnostics()
{
    qSetMessagePattern(QString::fromLatin1(kDiagnosticsMessagePattern));
    qInstallMessageHandler(applicationMessageHandler);
}
