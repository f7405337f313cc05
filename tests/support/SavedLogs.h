#pragma once

// Log files as the device program saves them, for the viewer's tests: a
// session streamed through LogSession in device-sized packets, written by
// saveLogFile.

#include "LogArchives.h"
#include "LogFile.h"
#include "LogFixtures.h"
#include "LogSession.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>

#include <cstring>
#include <functional>
#include <utility>

// The session of header `h` as the device program receives it: the header
// on its own, then whole dots per packet of up to 244 bytes.
inline LogSession streamedSession(const LogHeader &h, const QByteArray &dots, const QString &device)
{
    const QByteArray header = headerBytes(h);
    LogSession session;
    session.setFullSessionSize(quint64(header.size() + dots.size()));
    for (qsizetype at = 0; at < header.size(); at += 244)
        session.appendData(header.mid(at, 244));
    const qsizetype packet = 244 / h.parametersDesc.logDotSize * h.parametersDesc.logDotSize;
    for (qsizetype at = 0; at < dots.size(); at += packet)
        session.appendData(dots.mid(at, packet));
    session.setDeviceName(device);
    session.setFileDeviceName(device);
    return session;
}

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

    QByteArray dots;
    for (const TestDot &dot : log.dots) {
        dots.append(reinterpret_cast<const char *>(&dot.timeMs), 4);
        dots.append(char(log.session & 0xFF));
        for (float value : dot.values)
            dots.append(reinterpret_cast<const char *>(&value), 4);
    }
    return streamedSession(h, dots, log.device);
}

// Saves the log into `folder`; returns the file's path with forward slashes
// (empty when saving failed).
inline QString writeLog(const QString &folder, const TestLog &log = TestLog())
{
    const LogWriteResult result = saveLogFile(folder, makeSession(log));
    return result.ok ? QDir::fromNativeSeparators(result.filePath) : QString();
}

// Logs of three parameters and many dots, for the plot's tests.
namespace savedlog {

// Voltage (float, scale 1e-2), Current (unsigned 16-bit) and Flags (raw byte).
inline const std::vector<ParameterSpec> &parameters()
{
    static const std::vector<ParameterSpec> list = {{"Voltage", 0x31}, {"Current", 0x56}, {"Flags", 0x0A}};
    return list;
}

// Writes `dots` dots, dot i at timeOf(i) ms with the values 1234.5 + i,
// 500 + i and i & 0xFF; returns the file's path, empty on failure.
inline QString write(const QString &folder, int dots, const std::function<std::uint32_t(int)> &timeOf)
{
    LogHeader h = makeHeader(parameters());
    h.head.dotsCount = std::uint32_t(dots);
    QByteArray samples;
    for (int i = 0; i < dots; ++i)
        samples += dotBytes(h, timeOf(i), std::uint8_t(h.head.sessionNumber),
                            {1234.5 + i, 500.0 + i, double(i & 0xFF)});
    const LogWriteResult result = saveLogFile(folder, streamedSession(h, samples, QStringLiteral("Limiter1")));
    return result.ok ? result.filePath : QString();
}

} // namespace savedlog
