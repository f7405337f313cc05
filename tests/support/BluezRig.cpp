#include "BluezRig.h"

#include "BleDeviceDiscovery.h"
#include "LimiterDevice.h"
#include "SimRadio.h"
#include "SimRig.h"

#include <QSet>
#include <QTest>

BluezRig::BluezRig() = default;

BluezRig::~BluezRig() = default;

bool BluezRig::start(QString *reason)
{
    if (!standIn.start(reason))
        return false;
    standIn.run([](SimRadio &radio) { radio.setRoundTripMs(kRoundTripMs); });
    return true;
}

void BluezRig::addLimiter(SimLimiter::Kind kind, const QBluetoothAddress &address, const QString &name,
                          const QString &password)
{
    standIn.run([&](SimRadio &radio) {
        auto device = std::make_shared<SimLimiter>(kind, address, name);
        device->setPassword(password);
        radio.addPeripheral(device);
    });
}

bool BluezRig::discover(const QList<QBluetoothAddress> &addresses, int timeoutMs)
{
    std::unique_ptr<BleDeviceDiscovery> scan(backend.createDeviceDiscovery());
    QSet<QString> missing;
    for (const QBluetoothAddress &address : addresses)
        missing.insert(address.toString());
    QObject::connect(scan.get(), &BleDeviceDiscovery::deviceDiscovered, scan.get(),
                     [&missing](const QBluetoothDeviceInfo &info) { missing.remove(info.address().toString()); });
    scan->setLowEnergyDiscoveryTimeout(0);
    scan->start();
    const bool heard = QTest::qWaitFor([&missing] { return missing.isEmpty(); }, timeoutMs);
    scan->stop();
    return heard;
}

std::shared_ptr<LimiterDevice> BluezRig::client(const QBluetoothAddress &address, const QString &name)
{
    return std::make_shared<LimiterDevice>(QBluetoothDeviceInfo(address, name, 0), &backend);
}

QList<QByteArray> BluezRig::values(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic) const
{
    return valuesOf(standIn.traffic(), kind, characteristic);
}

QList<QBluetoothUuid> BluezRig::characteristics(SimAttEvent::Kind kind) const
{
    return characteristicsOf(standIn.traffic(), kind);
}
