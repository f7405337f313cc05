#pragma once

#include "LogFile.h"
#include "LogFixtures.h"

#include <QString>

#include <functional>

// A log as the device program saves it: a session streamed through
// LogSession in device-sized packets, written by saveLogFile.
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
    const QByteArray header = headerBytes(h);
    QByteArray samples;
    for (int i = 0; i < dots; ++i)
        samples += dotBytes(h, timeOf(i), std::uint8_t(h.head.sessionNumber),
                            {1234.5 + i, 500.0 + i, double(i & 0xFF)});
    LogSession session;
    session.setFullSessionSize(std::uint64_t(header.size() + samples.size()));
    // The device sends the header on its own and then whole dots per packet.
    for (qsizetype at = 0; at < header.size(); at += 244)
        session.appendData(header.mid(at, 244));
    const qsizetype packet = (244 / h.parametersDesc.logDotSize) * h.parametersDesc.logDotSize;
    for (qsizetype at = 0; at < samples.size(); at += packet)
        session.appendData(samples.mid(at, packet));
    session.setFileDeviceName(QStringLiteral("Limiter1"));
    session.setDeviceName(QStringLiteral("Limiter1"));
    const LogWriteResult result = saveLogFile(folder, session);
    return result.ok ? result.filePath : QString();
}

} // namespace savedlog
