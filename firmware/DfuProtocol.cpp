#include "DfuProtocol.h"

#include "DeviceProtocol.h"

#include <zlib.h>

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

uint32_t crc32(const char *data, size_t length, uint32_t crc)
{
    // zlib takes at most 4 GiB minus one per call; firmware is far smaller.
    return uint32_t(::crc32(uLong(crc), reinterpret_cast<const Bytef *>(data), uInt(length)));
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
    m_crc = crc32(m_data.constData() + m_length, size_t(length - m_length), m_crc);
    m_length = length;
    return m_crc;
}

} // namespace dfu
