#include "DeviceService.h"

#include "BleController.h"
#include "BleService.h"
#include "DeviceProtocol.h"
#include "LinkDiagnostics.h"

#include <QDebug>
#include <QMetaEnum>

DeviceService::DeviceService(const QBluetoothUuid &uuid, const Texts &texts, SetUp setUp, QObject *parent)
    : QObject(parent), m_uuid(uuid), m_texts(texts), m_setUp(setUp)
{
}

DeviceService::~DeviceService() = default;

ServiceCharacteristic &DeviceService::add(const QBluetoothUuid &uuid)
{
    return m_characteristics.emplace_back(uuid);
}

ServiceCharacteristic *DeviceService::find(const QBluetoothUuid &uuid)
{
    for (ServiceCharacteristic &characteristic : m_characteristics) {
        if (characteristic.uuid == uuid)
            return &characteristic;
    }
    return nullptr;
}

const ServiceCharacteristic *DeviceService::find(const QBluetoothUuid &uuid) const
{
    return const_cast<DeviceService *>(this)->find(uuid);
}

bool DeviceService::hasCharacteristic(const QBluetoothUuid &uuid) const
{
    return find(uuid) != nullptr;
}

bool DeviceService::hasDescriptor(const BleDescriptor &descriptor) const
{
    for (const ServiceCharacteristic &characteristic : m_characteristics) {
        if (characteristic.cccd.isValid() && characteristic.cccd == descriptor)
            return true;
    }
    return false;
}

QString DeviceService::nameOf(const BleCharacteristic &characteristic)
{
    QString name = characteristic.name();
    if (name.isEmpty())
        name = DeviceProtocol::characteristicName(characteristic.uuid());
    return name.isEmpty() ? characteristic.uuid().toString() : name;
}

// --- life of the service object ---------------------------------------------

void DeviceService::start(BleController *controller)
{
    // The object of an earlier link is of no more use (its signals are
    // already ignored as not the current service's).
    if (m_service)
        m_service->deleteLater();
    BleService *service = controller ? controller->createServiceObject(m_uuid, parent()) : nullptr;
    m_service = service;
    m_pendingWrites.clear();
    if (!service) {
        if (m_texts.notFound)
            qCWarning(lcDevice) << m_texts.notFound;
        return;
    }
    connect(service, &BleService::stateChanged, this,
            [this, service](QLowEnergyService::ServiceState state) { onStateChanged(service, state); });
    connect(service, &BleService::errorOccurred, this,
            [this, service](QLowEnergyService::ServiceError error) { onError(service, error); });
    connect(service, &BleService::characteristicChanged, this,
            [this, service](const BleCharacteristic &c, const QByteArray &value) { onChanged(service, c, value); });
    connect(service, &BleService::descriptorWritten, this, &DeviceService::descriptorWritten);
    connect(service, &BleService::characteristicRead, this,
            [this, service](const BleCharacteristic &c, const QByteArray &value) { onRead(service, c, value); });
    connect(service, &BleService::characteristicWritten, this,
            [this, service](const BleCharacteristic &c, const QByteArray &value) { onWritten(service, c, value); });
    service->discoverDetails();
}

void DeviceService::linkEnded()
{
    m_pendingWrites.clear();
}

void DeviceService::release()
{
    if (m_service)
        m_service->deleteLater();
    m_service = nullptr;
    m_pendingWrites.clear();
    for (ServiceCharacteristic &characteristic : m_characteristics) {
        characteristic.handle = BleCharacteristic();
        characteristic.cccd = BleDescriptor();
    }
}

// --- set-up -----------------------------------------------------------------

void DeviceService::onStateChanged(BleService *from, QLowEnergyService::ServiceState state)
{
    qCDebug(lcDevice) << m_texts.stateChanged << state;
    if (!from || from != m_service || state != QLowEnergyService::RemoteServiceDiscovered)
        return;
    qCDebug(lcDevice) << m_texts.discovered;
    if (setUpCharacteristics(ServiceCharacteristic::SetUpAt::Discovery))
        setUpComplete();
}

void DeviceService::logMissing(const MissingLine &line, const QBluetoothUuid &uuid)
{
    if (line.text.isEmpty())
        return;
    if (line.withUuid)
        qCWarning(lcDevice) << line.text.constData() << uuid;
    else
        qCWarning(lcDevice) << line.text.constData();
}

bool DeviceService::setUpCharacteristics(ServiceCharacteristic::SetUpAt moment)
{
    const bool chained = m_setUp == SetUp::StopsAtAMissingPiece;
    for (ServiceCharacteristic &characteristic : m_characteristics) {
        if (characteristic.setUpAt != moment)
            continue;
        characteristic.handle = m_service->characteristic(characteristic.uuid);
        if (!characteristic.handle.isValid()) {
            logMissing(characteristic.missing, characteristic.uuid);
            if (chained)
                return false;
            continue;
        }
        if (characteristic.read)
            m_service->readCharacteristic(characteristic.handle);
        if (characteristic.cccdValue.isEmpty() && !characteristic.lookUpCccdOnly)
            continue;
        characteristic.cccd = characteristic.handle.clientCharacteristicConfiguration();
        if (!characteristic.cccd.isValid()) {
            logMissing(characteristic.missingCccd, characteristic.uuid);
            if (chained)
                return false;
            continue;
        }
        if (!characteristic.cccdValue.isEmpty())
            m_service->writeDescriptor(characteristic.cccd, characteristic.cccdValue);
    }
    return true;
}

// --- values -----------------------------------------------------------------

void DeviceService::logChanged(const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDevice) << "characteristic changed" << nameOf(characteristic);
    qCDebug(lcDevice) << "value" << value.toHex();
}

void DeviceService::logRead(const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDevice) << "Characteristic read" << nameOf(characteristic);
    qCDebug(lcDevice) << "value" << value.toHex();
}

void DeviceService::logWritten(const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDevice) << "=====================Characteristic written" << nameOf(characteristic);
    qCDebug(lcDevice).noquote() << "value" << hexBytes(value)
                                << QLatin1Char('(') + QString::fromLatin1(value.toHex()) + QLatin1Char(')');
}

void DeviceService::logDescriptorWritten(const BleDescriptor &descriptor)
{
    qCDebug(lcDevice) << "descriptor written" << descriptor.name();
}

void DeviceService::logDescriptorValue(const QByteArray &value)
{
    qCDebug(lcDevice) << "value" << value.toHex();
}

void DeviceService::onChanged(BleService *from, const BleCharacteristic &characteristic, const QByteArray &value)
{
    logChanged(characteristic, value);
    if (from && from == m_service)
        valueChanged(characteristic, value);
}

void DeviceService::onRead(BleService *from, const BleCharacteristic &characteristic, const QByteArray &value)
{
    logRead(characteristic, value);
    if (from && from == m_service)
        valueRead(characteristic, value);
}

void DeviceService::onWritten(BleService *from, const BleCharacteristic &characteristic, const QByteArray &value)
{
    logWritten(characteristic, value);
    if (!from || from != m_service)
        return;
    takePendingWrite(false);
    const ServiceCharacteristic *written = find(characteristic.uuid());
    if (!written)
        return;
    if (written->announceRecord) {
        // The device took the record, which the cache already holds: the
        // pages now show it as what the device holds.
        written->announceRecord();
    } else if (written->writtenHandler) {
        written->writtenHandler(value);
    }
}

void DeviceService::descriptorWritten(const BleDescriptor &descriptor, const QByteArray &value)
{
    logDescriptorWritten(descriptor);
    descriptorNote(descriptor);
    logDescriptorValue(value);
}

void DeviceService::valueChanged(const BleCharacteristic &characteristic, const QByteArray &value)
{
    if (const ServiceCharacteristic *changed = find(characteristic.uuid()); changed && changed->valueHandler)
        changed->valueHandler(value);
}

void DeviceService::valueRead(const BleCharacteristic &characteristic, const QByteArray &value)
{
    if (const ServiceCharacteristic *read = find(characteristic.uuid()); read && read->readHandler)
        read->readHandler(value);
}

// --- writes -----------------------------------------------------------------

void DeviceService::write(const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDevice) << "write" << nameOf(characteristic) << hexBytes(value);
    m_pendingWrites.append(characteristic);
    m_writing = true;
    m_service->writeCharacteristic(characteristic, value, QLowEnergyService::WriteWithResponse);
    m_writing = false;
}

void DeviceService::readAgain(const ServiceCharacteristic &characteristic)
{
    if (m_service && characteristic.handle.isValid())
        m_service->readCharacteristic(characteristic.handle);
}

BleCharacteristic DeviceService::takePendingWrite(bool latest)
{
    if (m_pendingWrites.isEmpty())
        return BleCharacteristic();
    return latest ? m_pendingWrites.takeLast() : m_pendingWrites.takeFirst();
}

void DeviceService::onError(BleService *from, QLowEnergyService::ServiceError error)
{
    // A write the service turns down at once fails inside write(); one the
    // device refuses fails in turn, as the writes with response are answered
    // in the order they were sent.
    BleCharacteristic characteristic;
    if (from == m_service && m_writing)
        characteristic = takePendingWrite(true);
    else if (from == m_service && error == QLowEnergyService::CharacteristicWriteError)
        characteristic = takePendingWrite(false);
    if (!characteristic.isValid()) {
        qCWarning(lcDevice) << "service error" << error;
        return;
    }
    qCWarning(lcDevice).noquote() << "Characteristic write failed" << nameOf(characteristic)
                                  << QString::fromLatin1(QMetaEnum::fromType<QLowEnergyService::ServiceError>().valueToKey(error));
    emit writeFailed(characteristic.uuid());
    // The cached copy was replaced before the write; take the device's own.
    const ServiceCharacteristic *refused = find(characteristic.uuid());
    if (refused && refused->announceRecord && refused->handle == characteristic)
        from->readCharacteristic(characteristic);
}
