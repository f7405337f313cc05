#include "SimDfu.h"

#include "SimDescription.h"
#include "SimLimiter.h"
#include "SimLogging.h"
#include "SimRadio.h"

#include <QPointer>

namespace SimDfu {

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
                         if (auto *limiter = qobject_cast<SimLimiter *>(owner.data()))
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
