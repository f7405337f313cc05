#include "SimDfuInitPacket.h"

#include <QCryptographicHash>
#include <QtEndian>

#include <cstring>

namespace SimDfuInit {

namespace {
constexpr char kMagic[4] = {'G', 'W', 'D', 'I'};
constexpr uint8_t kSha256 = 3;
// Fields a signed packet carries and this bootloader does not check.
constexpr uint32_t kHardwareVersion = 52;
constexpr uint16_t kSoftdevice = 0x0101;

QByteArray sealOf(const s_SimDfuInitPacket &init)
{
    return QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char *>(&init),
                                                   offsetof(s_SimDfuInitPacket, seal)),
                                    QCryptographicHash::Sha512);
}
} // namespace

QByteArray make(const QByteArray &image, uint16_t firmwareVersion, ImageType type)
{
    s_SimDfuInitPacket init{};
    std::memcpy(init.magic, kMagic, sizeof(kMagic));
    init.imageType = type;
    init.hashType = kSha256;
    init.firmwareVersion = qToLittleEndian(firmwareVersion);
    init.imageSize = qToLittleEndian(uint32_t(image.size()));
    const QByteArray digest = QCryptographicHash::hash(image, QCryptographicHash::Sha256);
    std::memcpy(init.imageSha256, digest.constData(), sizeof(init.imageSha256));
    init.hardwareVersion = qToLittleEndian(kHardwareVersion);
    init.softdeviceRequired[0] = qToLittleEndian(kSoftdevice);
    const QByteArray seal = sealOf(init);
    std::memcpy(init.seal, seal.constData(), sizeof(init.seal));
    return QByteArray(reinterpret_cast<const char *>(&init), sizeof(init));
}

std::optional<s_SimDfuInitPacket> parse(const QByteArray &bytes)
{
    if (bytes.size() != int(sizeof(s_SimDfuInitPacket)))
        return std::nullopt;
    s_SimDfuInitPacket init;
    std::memcpy(&init, bytes.constData(), sizeof(init));
    if (std::memcmp(init.magic, kMagic, sizeof(kMagic)) != 0)
        return std::nullopt;
    if (init.imageType != Application && init.imageType != Bootloader)
        return std::nullopt;
    if (init.hashType != kSha256 || std::memcmp(sealOf(init).constData(), init.seal, sizeof(init.seal)) != 0)
        return std::nullopt;
    init.firmwareVersion = qFromLittleEndian(init.firmwareVersion);
    init.imageSize = qFromLittleEndian(init.imageSize);
    if (init.imageSize == 0)
        return std::nullopt;
    return init;
}

bool matches(const s_SimDfuInitPacket &init, const QByteArray &image)
{
    if (uint32_t(image.size()) != init.imageSize)
        return false;
    const QByteArray digest = QCryptographicHash::hash(image, QCryptographicHash::Sha256);
    return std::memcmp(digest.constData(), init.imageSha256, sizeof(init.imageSha256)) == 0;
}

} // namespace SimDfuInit
