#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <optional>

// The init packet the simulated bootloader understands (the command object
// of a DFU transfer), as long as a signed init packet (140 bytes). A real
// bootloader takes a signed packet; this one keeps what it checks: which
// image follows, how long it is, its SHA-256 and the version the device
// reports once the image runs, sealed by a SHA-512 over those fields where a
// signed packet carries its signature.
#pragma pack(push, 1)
struct s_SimDfuInitPacket
{
    char magic[4];             // "GWDI"
    uint8_t imageType;         // SimDfuInit::ImageType
    uint8_t hashType;          // 3: SHA-256
    uint16_t firmwareVersion;  // high byte major, low byte minor
    uint32_t imageSize;
    uint8_t imageSha256[32];
    uint32_t hardwareVersion;
    uint16_t softdeviceRequired[4];
    uint8_t reserved[20];
    uint8_t seal[64];          // SHA-512 of the bytes before it
};
#pragma pack(pop)
static_assert(sizeof(s_SimDfuInitPacket) == 140);
static_assert(offsetof(s_SimDfuInitPacket, firmwareVersion) == 6);
static_assert(offsetof(s_SimDfuInitPacket, imageSize) == 8);
static_assert(offsetof(s_SimDfuInitPacket, imageSha256) == 12);
static_assert(offsetof(s_SimDfuInitPacket, hardwareVersion) == 44);
static_assert(offsetof(s_SimDfuInitPacket, seal) == 76);

namespace SimDfuInit {

enum ImageType : uint8_t {
    Application = 1,
    Bootloader = 2,
};

// The init packet for image.
QByteArray make(const QByteArray &image, uint16_t firmwareVersion, ImageType type = Application);

// The packet's fields (byte order of the host), or nothing when the bytes
// are no init packet of this kind or its seal does not match.
std::optional<s_SimDfuInitPacket> parse(const QByteArray &bytes);

// True when image is the one the init packet describes.
bool matches(const s_SimDfuInitPacket &init, const QByteArray &image);

} // namespace SimDfuInit
