#pragma once

#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>
#include <QLowEnergyCharacteristic>

// The GATT database of a simulated peripheral: services, characteristics
// and descriptors with attribute handles assigned in order of creation, as
// a real GATT server lays them out (service declaration, characteristic
// declaration, value, descriptors). A characteristic that notifies or
// indicates gets its client characteristic configuration descriptor (CCCD)
// automatically; the CCCD's value is kept per connection (SimConnection).
//
// Build the database once, in the peripheral's constructor; afterwards refer
// to characteristics by value handle or UUID (the containers may move their
// elements while the database grows).

struct SimGattDescriptor {
    QBluetoothUuid uuid;
    quint16 handle = 0;
    QByteArray value; // unused for the CCCD, whose value is per connection
};

struct SimGattCharacteristic {
    QBluetoothUuid uuid;
    QLowEnergyCharacteristic::PropertyTypes properties;
    quint16 declarationHandle = 0;
    quint16 valueHandle = 0;
    QByteArray value; // what a read returns unless the peripheral decides otherwise
    QList<SimGattDescriptor> descriptors;
    QBluetoothUuid serviceUuid;

    bool hasCccd() const { return properties & (QLowEnergyCharacteristic::Notify | QLowEnergyCharacteristic::Indicate); }
    const SimGattDescriptor *descriptor(const QBluetoothUuid &uuid) const;
};

struct SimGattService {
    QBluetoothUuid uuid;
    quint16 startHandle = 0;
    quint16 endHandle = 0;
    QList<SimGattCharacteristic> characteristics;
};

class SimGattDatabase
{
public:
    // A new primary service; returns its UUID's index in services().
    int addService(const QBluetoothUuid &uuid);
    // A characteristic of the service last added with that UUID; returns its
    // value handle. Notify/Indicate add a CCCD.
    quint16 addCharacteristic(const QBluetoothUuid &service, const QBluetoothUuid &uuid,
                              QLowEnergyCharacteristic::PropertyTypes properties,
                              const QByteArray &initialValue = QByteArray());
    // An extra descriptor of a characteristic; returns its handle.
    quint16 addDescriptor(quint16 valueHandle, const QBluetoothUuid &uuid, const QByteArray &value = QByteArray());

    const QList<SimGattService> &services() const { return m_services; }
    const SimGattService *service(const QBluetoothUuid &uuid) const;

    SimGattCharacteristic *characteristic(quint16 valueHandle);
    const SimGattCharacteristic *characteristic(quint16 valueHandle) const;
    SimGattCharacteristic *characteristic(const QBluetoothUuid &service, const QBluetoothUuid &uuid);
    const SimGattCharacteristic *characteristic(const QBluetoothUuid &service, const QBluetoothUuid &uuid) const;
    // The characteristic a descriptor handle belongs to, or nullptr.
    const SimGattCharacteristic *characteristicOfDescriptor(quint16 descriptorHandle) const;

    // Value handle of a characteristic, 0 when absent.
    quint16 valueHandle(const QBluetoothUuid &service, const QBluetoothUuid &uuid) const;

private:
    QList<SimGattService> m_services;
    quint16 m_nextHandle = 1;
};
