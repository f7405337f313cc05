#include "Crc32.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace checksum {

std::uint32_t crc32(const void *data, std::size_t length, std::uint32_t crc)
{
    // zlib takes at most 4 GiB minus one per call.
    const auto *bytes = static_cast<const Bytef *>(data);
    uLong value = crc;
    while (length > 0) {
        const std::size_t chunk = std::min<std::size_t>(length, std::numeric_limits<uInt>::max());
        value = ::crc32(value, bytes, uInt(chunk));
        bytes += chunk;
        length -= chunk;
    }
    return std::uint32_t(value);
}

} // namespace checksum
