#pragma once

#include <QByteArray>

class SimConnection;
class SimLimiter;

// The terminal (Nordic UART) of a simulated device: every line a client
// writes gets the device's answer (SimLimiter::terminalReply), notified in
// pieces of the link's payload to that client while it is authorised.
class SimTerminal
{
public:
    SimTerminal(SimLimiter &device, quint16 txHandle);

    // Bytes a client wrote to NUS RX.
    void received(SimConnection *connection, const QByteArray &value);
    // The answer of a device without a command set of its own: a few
    // commands, the rest echoed.
    QByteArray reply(const QByteArray &line) const;

private:
    void send(SimConnection *connection, const QByteArray &text);

    SimLimiter &m_device;
    quint16 m_txHandle;
};
