#include "SimPeripheral.h"

#include "SimLogging.h"
#include "SimRadio.h"

Q_LOGGING_CATEGORY(lcSim, "sim")

SimAdvertiser::~SimAdvertiser() = default;

QBluetoothDeviceInfo SimAdvertisement::toDeviceInfo() const
{
    QBluetoothDeviceInfo info(address, name.value_or(QString()), 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    info.setRssi(rssi);
    for (const auto &entry : manufacturerData)
        info.setManufacturerData(entry.first, entry.second);
    if (!serviceUuids.isEmpty())
        info.setServiceUuids(serviceUuids);
    return info;
}

SimPeripheral::SimPeripheral(const QBluetoothAddress &address, const QString &name, QObject *parent)
    : QObject(parent), m_address(address), m_name(name)
{
}

SimPeripheral::~SimPeripheral() = default;

SimFault SimPeripheral::applyFaults(SimAttEvent &event)
{
    for (const SimFaultFilter &filter : std::as_const(m_faults)) {
        const SimFault fault = filter(event);
        if (fault != SimFault::Pass)
            return fault;
    }
    return SimFault::Pass;
}

void SimPeripheral::setAdvertising(bool advertising)
{
    if (m_advertising == advertising)
        return;
    m_advertising = advertising;
    if (advertising && m_radio && m_radio->isScanning()) {
        if (SimPeripheralPtr self = m_radio->peripheral(m_address); self.get() == this)
            m_radio->scheduleAdvertising(self, true);
    }
}

SimAdvertisement SimPeripheral::advertisement()
{
    if (m_advertiser)
        return m_advertiser->next(*this);
    SimAdvertisement advertisement;
    advertisement.address = m_address;
    advertisement.name = m_name;
    advertisement.rssi = m_rssi;
    advertisement.connectable = m_connectable;
    return advertisement;
}

QList<SimConnection *> SimPeripheral::connections() const
{
    QList<SimConnection *> result;
    if (!m_radio)
        return result;
    const QList<SimConnection *> all = m_radio->connections();
    for (SimConnection *connection : all) {
        if (connection->peripheral() == this)
            result.append(connection);
    }
    return result;
}

SimConnection *SimPeripheral::connectionById(quint64 id) const
{
    const QList<SimConnection *> all = connections();
    for (SimConnection *connection : all) {
        if (connection->id() == id)
            return connection;
    }
    return nullptr;
}

bool SimPeripheral::notify(SimConnection *connection, quint16 valueHandle, const QByteArray &value)
{
    return m_radio && connection && m_radio->send(connection, valueHandle, value, false);
}

bool SimPeripheral::indicate(SimConnection *connection, quint16 valueHandle, const QByteArray &value)
{
    return m_radio && connection && m_radio->send(connection, valueHandle, value, true);
}

int SimPeripheral::notifyAll(quint16 valueHandle, const QByteArray &value)
{
    int sent = 0;
    const QList<SimConnection *> all = connections();
    for (SimConnection *connection : all) {
        if (connection->notificationsEnabled(valueHandle) && notify(connection, valueHandle, value))
            ++sent;
    }
    return sent;
}

void SimPeripheral::disconnect(SimConnection *connection)
{
    if (m_radio && connection)
        m_radio->terminate(connection);
}

void SimPeripheral::disconnectAll()
{
    const QList<SimConnection *> all = connections();
    for (SimConnection *connection : all)
        disconnect(connection);
}

quint64 SimPeripheral::after(qint64 ms, std::function<void()> function)
{
    if (!m_radio)
        return 0;
    return m_radio->clock().scheduleMs(ms, std::move(function), this);
}

void SimPeripheral::onAdded(SimRadio *) {}
void SimPeripheral::onConnected(SimConnection *) {}
void SimPeripheral::onDisconnected(SimConnection *) {}

SimReadResult SimPeripheral::onRead(SimConnection *, const SimGattCharacteristic &characteristic)
{
    if (!(characteristic.properties & QLowEnergyCharacteristic::Read))
        return {SimAtt::ReadNotPermitted, {}};
    return {SimAtt::Success, characteristic.value};
}

quint8 SimPeripheral::onWrite(SimConnection *, SimGattCharacteristic &characteristic, const QByteArray &value,
                              bool withResponse)
{
    const auto needed = withResponse ? QLowEnergyCharacteristic::Write : QLowEnergyCharacteristic::WriteNoResponse;
    if (!(characteristic.properties & needed))
        return SimAtt::WriteNotPermitted;
    characteristic.value = value;
    return SimAtt::Success;
}

void SimPeripheral::onCccdWritten(SimConnection *, const SimGattCharacteristic &, quint16) {}
