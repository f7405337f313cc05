#pragma once

// Runs the independent tools the interoperability tests check against:
// python3 (its zipfile and json modules) and unzip.

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

struct ToolResult
{
    bool started = false;
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

inline QString python3Program()
{
    if (QFileInfo::exists(QStringLiteral("/usr/bin/python3")))
        return QStringLiteral("/usr/bin/python3");
    return QStandardPaths::findExecutable(QStringLiteral("python3"));
}

inline ToolResult runTool(const QString &program, const QStringList &arguments, int timeoutMs = 120000)
{
    ToolResult result;
    if (program.isEmpty())
        return result;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return result;
    result.started = true;
    process.closeWriteChannel();
    process.waitForFinished(timeoutMs);
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    return result;
}

// Runs a python3 script; the arguments reach it as sys.argv[1:].
inline ToolResult runPython(const QString &script, const QStringList &arguments = {})
{
    return runTool(python3Program(), QStringList{QStringLiteral("-c"), script} + arguments);
}
