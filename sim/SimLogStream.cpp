#include "SimLogStream.h"

#include "DeviceProtocol.h"
#include "DeviceRecords.h"
#include "SimLogging.h"
#include "SimPeripheral.h"
#include "SimRadio.h"

#include <QtEndian>

using namespace DeviceProtocol;

namespace {

// A speed report every so many log packets.
constexpr int kSpeedReportPackets = 32;

} // namespace

SimLogStream::SimLogStream(SimPeripheral &device, quint16 dataHandle, quint16 sessionNumberHandle,
                           quint16 readStatusHandle)
    : m_device(device),
      m_dataHandle(dataHandle),
      m_sessionNumberHandle(sessionNumberHandle),
      m_readStatusHandle(readStatusHandle)
{
}

void SimLogStream::addSession(const SimLogSessionSpec &spec)
{
    const quint32 seed = m_device.radio() ? m_device.radio()->seed() : 1;
    const QByteArray bytes = SimLogSession::generate(spec, seed);
    if (bytes.isEmpty())
        qCWarning(lcSim) << m_device.name() << "session" << spec.number << "has a layout that does not fit a dot";
    else
        m_sessions.insert(spec.number, bytes);
}

quint8 SimLogStream::request(SimConnection *connection, const QByteArray &value)
{
    if (value.size() != kLogRequestSize)
        return SimAtt::InvalidAttributeValueLength;
    const quint32 session = qFromLittleEndian<quint32>(value.constData());
    const quint64 id = connection->id();
    if (value.at(8) == 1) {
        m_sessions.clear();
        return SimAtt::Success;
    }
    if (session == 0) {
        m_device.after(0, [this, id]() {
            SimConnection *c = m_device.connectionById(id);
            if (!c)
                return;
            s_LogSessionNum numbers{};
            if (m_hasReportedRange) {
                numbers = m_reportedRange;
            } else if (!m_sessions.isEmpty()) {
                numbers.firstSession = m_sessions.firstKey();
                numbers.lastSession = m_sessions.lastKey();
            }
            m_device.notify(c, m_sessionNumberHandle, recordBytes(numbers));
        });
        return SimAtt::Success;
    }
    if (!m_answersSessionReads)
        return SimAtt::Success;
    Stream stream;
    stream.session = session;
    stream.bytes = m_sessions.value(session);
    m_streams.insert(id, stream);
    m_device.after(0, [this, id]() {
        SimConnection *c = m_device.connectionById(id);
        if (!c || !m_streams.contains(id))
            return;
        Stream &s = m_streams[id];
        s.startUs = m_device.radio()->clock().nowUs();
        sendReadStatus(c, s.session, s_LogReadStatus::Started, quint32(s.bytes.size()), 0, 0);
        streamNext(id);
    });
    return SimAtt::Success;
}

void SimLogStream::sendReadStatus(SimConnection *connection, quint32 session, quint8 status, quint32 size,
                                quint32 speed, quint32 crc)
{
    s_LogReadStatus record{};
    record.sessionNumber = session;
    record.sessionSize = size;
    record.speed = speed;
    record.crc32 = crc;
    record.status = status;
    m_device.notify(connection, m_readStatusHandle, recordBytes(record));
}

void SimLogStream::streamNext(quint64 connectionId)
{
    SimConnection *connection = m_device.connectionById(connectionId);
    if (!connection || !m_streams.contains(connectionId))
        return;
    Stream &s = m_streams[connectionId];
    const int payload = connection->maximumPayload();
    const int header = SimLogSession::kHeaderSize;
    const int dotSize = s.bytes.size() > 18 ? quint8(s.bytes.at(18)) : 0;
    for (int i = 0; i < m_packetsPerInterval && s.offset < s.bytes.size(); ++i) {
        // Header bytes as they fit; dots only whole, as many as fit.
        int length;
        if (s.offset < header) {
            length = qMin(payload, header - s.offset);
            if (s.offset + length == header && dotSize > 0)
                length += (payload - length) / dotSize * dotSize;
        } else {
            length = dotSize > 0 && payload >= dotSize ? payload / dotSize * dotSize : payload;
        }
        length = qMin(length, int(s.bytes.size()) - s.offset);
        m_device.notify(connection, m_dataHandle, s.bytes.mid(s.offset, length));
        s.offset += length;
        ++s.packets;
        if (s.packets % kSpeedReportPackets == 0) {
            const qint64 elapsedUs = qMax<qint64>(1, m_device.radio()->clock().nowUs() - s.startUs);
            sendReadStatus(connection, s.session, s_LogReadStatus::Speed, quint32(s.bytes.size()),
                           quint32(qint64(s.offset) * 8 * 1000000 / elapsedUs), 0);
        }
    }
    if (s.offset >= s.bytes.size()) {
        sendReadStatus(connection, s.session, s_LogReadStatus::Finished, quint32(s.bytes.size()), 0,
                       SimLogSession::crc32(s.bytes));
        m_streams.remove(connectionId);
        return;
    }
    // In microseconds: the interval is 7.5 ms, which whole milliseconds
    // would make 7.
    m_device.radio()->clock().schedule(qMax(kMinimumIntervalUs, connection->roundTripUs() / 2),
                                       [this, connectionId]() { streamNext(connectionId); }, &m_device);
}
