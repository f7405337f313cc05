#include "SimRig.h"

#include "LimiterDevice.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

SimRig::SimRig(SimClock::Mode mode) : radio(mode)
{
    QObject::connect(&radio, &SimRadio::traffic, &radio, [this](const SimAttEvent &e) { traffic.append(e); });
}

SimRig::~SimRig() = default;

std::shared_ptr<SimLimiter> SimRig::addLimiter(SimLimiter::Kind kind, const QString &password,
                                               const QBluetoothAddress &address, const QString &name)
{
    auto device = std::make_shared<SimLimiter>(kind, address, name);
    device->setPassword(password);
    radio.addPeripheral(device);
    return device;
}

std::shared_ptr<LimiterDevice> SimRig::client(const SimPeripheral &device)
{
    return client(device.address(), device.name());
}

std::shared_ptr<LimiterDevice> SimRig::client(const QBluetoothAddress &address, const QString &name)
{
    return std::make_shared<LimiterDevice>(QBluetoothDeviceInfo(address, name, 0), &backend);
}

bool SimRig::connectAndSetUp(LimiterDevice &device)
{
    QSignalSpy logger(&device, &LimiterDevice::loggerServiceDiscovered);
    QSignalSpy table(&device, &LimiterDevice::timingTableUpdated);
    QSignalSpy telemetry(&device, &LimiterDevice::telemetryUpdated);
    device.connectToDevice();
    return QTest::qWaitFor([&] { return logger.count() && table.count() && telemetry.count(); });
}

void SimRig::settle(int milliseconds)
{
    QCoreApplication::processEvents();
    clock().advanceMs(milliseconds);
    QCoreApplication::processEvents();
}

QList<QByteArray> valuesOf(const QList<SimAttEvent> &traffic, SimAttEvent::Kind kind,
                           const QBluetoothUuid &characteristic)
{
    QList<QByteArray> result;
    for (const SimAttEvent &e : traffic) {
        if (e.kind == kind && e.characteristic == characteristic)
            result.append(e.value);
    }
    return result;
}

QList<QBluetoothUuid> characteristicsOf(const QList<SimAttEvent> &traffic, SimAttEvent::Kind kind)
{
    QList<QBluetoothUuid> result;
    for (const SimAttEvent &e : traffic) {
        if (e.kind == kind)
            result.append(e.characteristic);
    }
    return result;
}

QList<QByteArray> SimRig::values(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic) const
{
    return valuesOf(traffic, kind, characteristic);
}

QList<QBluetoothUuid> SimRig::characteristics(SimAttEvent::Kind kind) const
{
    return characteristicsOf(traffic, kind);
}
