#include "SimDfu.h"

#include "SimDescription.h"
#include "SimLimiter.h"
#include "SimLogging.h"
#include "SimRadio.h"

#include <QPointer>

namespace SimDfu {

namespace {

// A new bootloader reports its version in the device information (and so in
// the advertisements): the word, and the version text beside it.
void setBootloaderVersion(SimLimiter &limiter, uint16_t version)
{
    s_DeviceInfoBle information = limiter.deviceInformation();
    s_DeviceInfoBlock &bootloader = information.block[0];
    bootloader.version = version;
    // The last byte stays zero: the text is read up to it.
    bootloader.versionText[sizeof bootloader.versionText - 1] = '\0';
    setRecordText(bootloader.versionText, int(sizeof bootloader.versionText) - 1,
                  QStringLiteral("Boot%1.%2").arg(version >> 8).arg(version & 0xFF));
    limiter.setDeviceInformation(information);
}

} // namespace

std::shared_ptr<SimDfuBootloader> bootloaderFor(SimPeripheral &device)
{
    const QBluetoothAddress address((device.address().toUInt64() + 1) & Q_UINT64_C(0xFFFFFFFFFFFF));
    auto bootloader = std::make_shared<SimDfuBootloader>(address);
    QPointer<SimPeripheral> owner(&device);
    QObject::connect(bootloader.get(), &SimDfuBootloader::imageActivated, &device,
                     [owner, address](const QByteArray &, uint16_t version, uint8_t imageType) {
                         if (!owner)
                             return;
                         SimRadio *radio = owner->radio();
                         // The bootloader leaves once it has finished its own signal.
                         if (radio) {
                             radio->clock().schedule(0, [radio, address] { radio->removePeripheral(address); },
                                                     radio);
                         }
                         auto *limiter = qobject_cast<SimLimiter *>(owner.data());
                         if (!limiter)
                             return;
                         if (imageType == SimDfuInit::Bootloader)
                             setBootloaderVersion(*limiter, version);
                         limiter->returnFromBootloader(imageType == SimDfuInit::Application ? version : 0);
                     });
    return bootloader;
}

void registerSimDfu()
{
    SimRadio::setDefaultBootloaderFactory([](SimPeripheral &device) -> SimPeripheralPtr {
        return bootloaderFor(device);
    });
    SimDescription::registerKind(
        QStringLiteral("dfu-bootloader"),
        [](const QJsonObject &, const QBluetoothAddress &address, const QString &name, QString *) -> SimPeripheralPtr {
            return std::make_shared<SimDfuBootloader>(address, name.isEmpty() ? QStringLiteral("DfuTarg") : name);
        });
}

} // namespace SimDfu
