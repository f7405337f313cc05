#include "SimGatt.h"

namespace {
const QBluetoothUuid kCccd(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);
}

const SimGattDescriptor *SimGattCharacteristic::descriptor(const QBluetoothUuid &uuid) const
{
    for (const SimGattDescriptor &d : descriptors) {
        if (d.uuid == uuid)
            return &d;
    }
    return nullptr;
}

int SimGattDatabase::addService(const QBluetoothUuid &uuid)
{
    SimGattService service;
    service.uuid = uuid;
    service.startHandle = m_nextHandle++;
    service.endHandle = service.startHandle;
    m_services.append(service);
    return int(m_services.size()) - 1;
}

quint16 SimGattDatabase::addCharacteristic(const QBluetoothUuid &serviceUuid, const QBluetoothUuid &uuid,
                                           QLowEnergyCharacteristic::PropertyTypes properties,
                                           const QByteArray &initialValue)
{
    for (auto it = m_services.rbegin(); it != m_services.rend(); ++it) {
        if (it->uuid != serviceUuid)
            continue;
        SimGattCharacteristic c;
        c.uuid = uuid;
        c.properties = properties;
        c.declarationHandle = m_nextHandle++;
        c.valueHandle = m_nextHandle++;
        c.value = initialValue;
        c.serviceUuid = serviceUuid;
        if (c.hasCccd())
            c.descriptors.append(SimGattDescriptor{kCccd, m_nextHandle++, QByteArray()});
        it->endHandle = quint16(m_nextHandle - 1);
        it->characteristics.append(c);
        return c.valueHandle;
    }
    return 0;
}

quint16 SimGattDatabase::addDescriptor(quint16 valueHandle, const QBluetoothUuid &uuid, const QByteArray &value)
{
    for (SimGattService &service : m_services) {
        for (SimGattCharacteristic &c : service.characteristics) {
            if (c.valueHandle != valueHandle)
                continue;
            const quint16 handle = m_nextHandle++;
            c.descriptors.append(SimGattDescriptor{uuid, handle, value});
            service.endHandle = handle;
            return handle;
        }
    }
    return 0;
}

const SimGattService *SimGattDatabase::service(const QBluetoothUuid &uuid) const
{
    for (const SimGattService &service : m_services) {
        if (service.uuid == uuid)
            return &service;
    }
    return nullptr;
}

SimGattCharacteristic *SimGattDatabase::characteristic(quint16 valueHandle)
{
    return const_cast<SimGattCharacteristic *>(std::as_const(*this).characteristic(valueHandle));
}

const SimGattCharacteristic *SimGattDatabase::characteristic(quint16 valueHandle) const
{
    for (const SimGattService &service : m_services) {
        if (valueHandle < service.startHandle || valueHandle > service.endHandle)
            continue;
        for (const SimGattCharacteristic &c : service.characteristics) {
            if (c.valueHandle == valueHandle)
                return &c;
        }
    }
    return nullptr;
}

SimGattCharacteristic *SimGattDatabase::characteristic(const QBluetoothUuid &serviceUuid, const QBluetoothUuid &uuid)
{
    return const_cast<SimGattCharacteristic *>(std::as_const(*this).characteristic(serviceUuid, uuid));
}

const SimGattCharacteristic *SimGattDatabase::characteristic(const QBluetoothUuid &serviceUuid,
                                                             const QBluetoothUuid &uuid) const
{
    for (const SimGattService &service : m_services) {
        if (service.uuid != serviceUuid)
            continue;
        for (const SimGattCharacteristic &c : service.characteristics) {
            if (c.uuid == uuid)
                return &c;
        }
    }
    return nullptr;
}

const SimGattCharacteristic *SimGattDatabase::characteristicOfDescriptor(quint16 descriptorHandle) const
{
    for (const SimGattService &service : m_services) {
        if (descriptorHandle < service.startHandle || descriptorHandle > service.endHandle)
            continue;
        for (const SimGattCharacteristic &c : service.characteristics) {
            for (const SimGattDescriptor &d : c.descriptors) {
                if (d.handle == descriptorHandle)
                    return &c;
            }
        }
    }
    return nullptr;
}

quint16 SimGattDatabase::valueHandle(const QBluetoothUuid &serviceUuid, const QBluetoothUuid &uuid) const
{
    const SimGattCharacteristic *c = characteristic(serviceUuid, uuid);
    return c ? c->valueHandle : 0;
}
