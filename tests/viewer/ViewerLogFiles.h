#pragma once

// Log files for the viewer's tests, written the way the device program
// writes them: a session fed packet by packet, saved by saveLogFile.

#include "LogArchives.h"
#include "LogFile.h"
#include "LogFixtures.h"
#include "LogSession.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>

#include <cstring>
#include <utility>

struct TestDot
{
    quint32 timeMs = 0;
    QList<float> values; // one per parameter
};

struct TestLog
{
    QString device = QStringLiteral("Limiter1");
    QByteArray user = "Ivan";
    QByteArray country = "RUS";
    quint16 num = 27;
    quint32 session = 7;
    bool complete = true;
    quint32 date = 0x09122600; // 9 December 2026
    quint32 time = 0x14305900; // 14:30:59
    QByteArray settings = "RAR-I mini";
    QList<QByteArray> parameters = {"U", "I"};
    QList<TestDot> dots = {{0, {12.5f, 1.0f}}, {100, {12.25f, 2.0f}}};
};

inline LogSession makeSession(const TestLog &log)
{
    std::vector<ParameterSpec> parameters;
    for (const QByteArray &name : log.parameters)
        parameters.push_back({name.toStdString(), 0x51}); // 32-bit float, scale 1
    LogHeader h = makeHeader(parameters);
    h.head.header = 0;
    h.head.sessionNumber = log.session;
    h.head.dotsCount = log.complete ? quint32(log.dots.size()) : kIncompleteDotsCount;
    h.head.previousSessionAddress = 0;
    h.parametersDesc.version = 1;
    h.time = log.time;
    h.date = log.date;
    h.hwVersion = 0x0123;
    h.blVersion = 0x0105;
    h.escVersion = 0;
    setText(h.userName, log.user.toStdString());
    setText(h.userRegNum.country, log.country.toStdString());
    h.userRegNum.num = log.num;
    setText(h.settSetName, log.settings.toStdString());
    h.settingsSet = 3;
    h.motorPoles = 14;
    h.loggerFreqHz = 10;
    setText(h.modelName, std::string());
    setText(h.motorName, std::string());
    setText(h.escName, std::string());

    const QByteArray header(reinterpret_cast<const char *>(&h), sizeof h);
    QByteArray dots;
    for (const TestDot &dot : log.dots) {
        dots.append(reinterpret_cast<const char *>(&dot.timeMs), 4);
        dots.append(char(log.session & 0xFF));
        for (float value : dot.values)
            dots.append(reinterpret_cast<const char *>(&value), 4);
    }
    LogSession session;
    session.setFullSessionSize(quint64(header.size() + dots.size()));
    // The device sends the header on its own, then whole dots per packet.
    for (qsizetype at = 0; at < header.size(); at += 244)
        session.appendData(header.mid(at, 244));
    const qsizetype packet = 244 / h.parametersDesc.logDotSize * h.parametersDesc.logDotSize;
    for (qsizetype at = 0; at < dots.size(); at += packet)
        session.appendData(dots.mid(at, packet));
    session.setDeviceName(log.device);
    session.setFileDeviceName(log.device);
    return session;
}

// Saves the log into `folder`; returns the file's path with forward slashes
// (empty when saving failed).
inline QString writeLog(const QString &folder, const TestLog &log = TestLog())
{
    const LogWriteResult result = saveLogFile(folder, makeSession(log));
    return result.ok ? QDir::fromNativeSeparators(result.filePath) : QString();
}
