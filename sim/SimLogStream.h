#pragma once

#include "DeviceRecords.h"
#include "SimLogSession.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>

class SimConnection;
class SimPeripheral;

// The log service of a simulated device: the stored sessions and the
// answers to the log read requests. Session numbers are notified on their
// characteristic; a session read streams the session (status 1 with the
// size, header and dots in packets of the link's payload, a status 2 speed
// report every 32 packets, status 3 with the CRC-32), a few packets per
// connection interval; the clear flag erases every session.
class SimLogStream
{
public:
    // Shortest gap between two connection events the device streams in; a
    // link whose half round trip is longer streams at that.
    static constexpr qint64 kMinimumIntervalUs = 7500;

    SimLogStream(SimPeripheral &device, quint16 dataHandle, quint16 sessionNumberHandle, quint16 readStatusHandle);

    void addSession(const SimLogSessionSpec &spec);
    void addSessionBytes(quint32 number, const QByteArray &bytes) { m_sessions.insert(number, bytes); }
    QList<quint32> sessionNumbers() const { return m_sessions.keys(); }
    QByteArray sessionBytes(quint32 number) const { return m_sessions.value(number); }
    bool isEmpty() const { return m_sessions.isEmpty(); }
    quint32 lastSession() const { return m_sessions.isEmpty() ? 0 : m_sessions.lastKey(); }
    void clearSessions() { m_sessions.clear(); }
    void setPacketsPerInterval(int packets) { m_packetsPerInterval = qMax(1, packets); }
    int packetsPerInterval() const { return m_packetsPerInterval; }
    void setReportedSessionRange(quint32 first, quint32 last)
    {
        m_reportedRange = {first, last};
        m_hasReportedRange = true;
    }
    void clearReportedSessionRange() { m_hasReportedRange = false; }
    void setAnswersSessionReads(bool answers) { m_answersSessionReads = answers; }

    // A write to the log read request characteristic; returns the ATT result.
    quint8 request(SimConnection *connection, const QByteArray &value);
    // A link ended: its read stops.
    void linkEnded(quint64 connectionId) { m_streams.remove(connectionId); }

private:
    struct Stream {
        quint32 session = 0;
        QByteArray bytes;
        int offset = 0;
        int packets = 0;
        qint64 startUs = 0;
    };

    void sendReadStatus(SimConnection *connection, quint32 session, quint8 status, quint32 size, quint32 speed,
                        quint32 crc);
    void streamNext(quint64 connectionId);

    SimPeripheral &m_device;
    quint16 m_dataHandle, m_sessionNumberHandle, m_readStatusHandle;
    QMap<quint32, QByteArray> m_sessions;
    QHash<quint64, Stream> m_streams;
    int m_packetsPerInterval = 4;
    bool m_hasReportedRange = false;
    s_LogSessionNum m_reportedRange{};
    bool m_answersSessionReads = true;
};
