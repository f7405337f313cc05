#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace checksum {

// The standard reflected CRC-32 (as zip, zlib and the devices compute it) of
// `length` bytes, continued from the CRC of what came before (0 to start).
std::uint32_t crc32(const void *data, std::size_t length, std::uint32_t crc = 0);

inline std::uint32_t crc32(const QByteArray &bytes, std::uint32_t crc = 0)
{
    return crc32(bytes.constData(), std::size_t(bytes.size()), crc);
}

} // namespace checksum
