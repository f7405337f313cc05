#include "DfuProtocol.h"

#include "DeviceProtocol.h"

#include "Crc32.h"

namespace dfu {

QBluetoothUuid serviceUuid()
{
    return QBluetoothUuid(DeviceProtocol::kDfuServiceId);
}

QBluetoothUuid controlPointUuid()
{
    return makeUuid(DeviceProtocol::kDfuBase, DeviceProtocol::kDfuControlPointId);
}

QBluetoothUuid packetUuid()
{
    return makeUuid(DeviceProtocol::kDfuBase, DeviceProtocol::kDfuPacketId);
}

QByteArray selectRequest(ObjectType type)
{
    return toBytes(s_DfuSelectRequest{uint8_t(DfuOpcode::Select), type});
}

QByteArray createRequest(ObjectType type, uint32_t size)
{
    return toBytes(s_DfuCreateRequest{uint8_t(DfuOpcode::Create), type, qToLittleEndian(size)});
}

QByteArray setPrnRequest(uint32_t value)
{
    return toBytes(s_DfuSetPrnRequest{uint8_t(DfuOpcode::SetPrn), qToLittleEndian(value)});
}

QByteArray calculateChecksumRequest()
{
    return QByteArray(1, char(DfuOpcode::CalculateChecksum));
}

QByteArray executeRequest()
{
    return QByteArray(1, char(DfuOpcode::Execute));
}

void PrefixCrc::setData(const QByteArray &data)
{
    m_data = data;
    m_length = 0;
    m_crc = 0;
}

uint32_t PrefixCrc::of(qsizetype length)
{
    if (length < m_length) {
        m_length = 0;
        m_crc = 0;
    }
    m_crc = checksum::crc32(m_data.constData() + m_length, size_t(length - m_length), m_crc);
    m_length = length;
    return m_crc;
}

} // namespace dfu
