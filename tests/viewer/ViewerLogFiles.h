#pragma once

// Log files for the viewer's tests, written the way the device program
// writes them: a session fed packet by packet, saved by saveLogFile.

#include "LogFile.h"
#include "LogSession.h"
#include "ZipArchive.h"

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

template <std::size_t N>
void setLogText(char (&field)[N], const QByteArray &text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.constData(), std::min<std::size_t>(N, text.size()));
}

inline LogSession makeSession(const TestLog &log)
{
    LogHeader h{};
    h.head.sessionNumber = log.session;
    h.head.dotsCount = log.complete ? quint32(log.dots.size()) : kIncompleteDotsCount;
    h.parametersDesc.parametersCount = quint8(log.parameters.size());
    h.parametersDesc.version = 1;
    h.parametersDesc.logDotSize = quint8(kLogDotPrefixSize + 4 * log.parameters.size());
    for (int i = 0; i < log.parameters.size(); ++i) {
        h.parametersDesc.parameters[i] = 0x51; // 32-bit float, scale 1
        setLogText(h.parametersDesc.parameterNames[i], log.parameters.at(i));
    }
    h.time = log.time;
    h.date = log.date;
    h.latitude = 55.75f;
    h.longitude = 37.625f;
    h.hwVersion = 0x0123;
    h.fwVersion = 0x020A;
    h.blVersion = 0x0105;
    setLogText(h.userName, log.user);
    setLogText(h.userRegNum.country, log.country);
    h.userRegNum.num = log.num;
    h.energyRefJ = 75600;
    setLogText(h.settSetName, log.settings);
    h.settingsSet = 3;
    h.motorPoles = 14;
    h.loggerFreqHz = 10;

    QByteArray bytes(reinterpret_cast<const char *>(&h), sizeof h);
    for (const TestDot &dot : log.dots) {
        bytes.append(reinterpret_cast<const char *>(&dot.timeMs), 4);
        bytes.append(char(log.session & 0xFF));
        for (float value : dot.values)
            bytes.append(reinterpret_cast<const char *>(&value), 4);
    }
    LogSession session;
    session.setFullSessionSize(quint64(bytes.size()));
    for (qsizetype at = 0; at < bytes.size(); at += 244)
        session.appendData(bytes.mid(at, 244));
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

// An archive with the given entries, for files no device writes.
inline void writeArchive(const QString &path, const QList<std::pair<std::string, std::string>> &entries)
{
    Zippy::ZipArchive archive;
    archive.Create(path.toLocal8Bit().toStdString());
    for (const auto &[name, text] : entries)
        archive.AddEntry(name, text);
    archive.Save();
}
