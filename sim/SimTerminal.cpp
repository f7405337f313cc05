#include "SimTerminal.h"

#include "SimLimiter.h"

SimTerminal::SimTerminal(SimLimiter &device, quint16 txHandle) : m_device(device), m_txHandle(txHandle) {}

void SimTerminal::received(SimConnection *connection, const QByteArray &value)
{
    // Every line of the write gets its answer.
    const QList<QByteArray> lines = QByteArray(value).replace('\r', '\n').split('\n');
    for (const QByteArray &line : lines) {
        if (!line.trimmed().isEmpty())
            send(connection, m_device.terminalReply(line.trimmed()));
    }
}

QByteArray SimTerminal::reply(const QByteArray &line) const
{
    const QByteArray command = line.toLower();
    const s_TelemetryBle telemetry = m_device.telemetry();
    const s_CommonSettBle settings = m_device.commonSettings();
    if (command == "help")
        return "commands: help, version, status, settings\r\n";
    if (command == "version") {
        const quint16 fw = m_device.firmwareVersionWord();
        return QStringLiteral("firmware %1.%2\r\n").arg(fw >> 8).arg(fw & 0xFF).toUtf8();
    }
    if (command == "status")
        return QStringLiteral("U=%1V I=%2A E=%3Wh\r\n")
            .arg(double(telemetry.voltage), 0, 'f', 2)
            .arg(double(telemetry.current), 0, 'f', 2)
            .arg(double(telemetry.energy) / 3600.0, 0, 'f', 3)
            .toUtf8();
    if (command == "settings")
        return QStringLiteral("set %1, telemetry %2 Hz, logger %3 Hz\r\n")
            .arg(settings.settingsSet)
            .arg(settings.telemetryFreqHz)
            .arg(settings.loggerFreqHz)
            .toUtf8();
    return "> " + line + "\r\n";
}

void SimTerminal::send(SimConnection *connection, const QByteArray &text)
{
    const quint64 id = connection->id();
    m_device.after(0, [this, id, text]() {
        SimConnection *c = m_device.connectionById(id);
        if (!c || !m_device.isAuthorised(c))
            return;
        const int payload = c->maximumPayload();
        for (int offset = 0; offset < text.size(); offset += payload)
            m_device.notify(c, m_txHandle, text.mid(offset, payload));
    });
}
