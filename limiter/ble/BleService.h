#pragma once

#include "BleHandles.h"

#include <QBluetoothUuid>
#include <QLowEnergyService>
#include <QObject>

// One remote GATT service, as created by BleController::createServiceObject.
// Mirrors the part of QLowEnergyService the device link uses, with Qt's own
// enums, so code written against QLowEnergyService maps one to one:
// discoverDetails() runs RemoteService -> RemoteServiceDiscovering ->
// RemoteServiceDiscovered; a lost link turns the service InvalidService.
// Failed operations emit errorOccurred and no confirmation signal.
class BleService : public QObject
{
    Q_OBJECT
public:
    using ServiceState = QLowEnergyService::ServiceState;
    using ServiceError = QLowEnergyService::ServiceError;
    using WriteMode = QLowEnergyService::WriteMode;
    using DiscoveryMode = QLowEnergyService::DiscoveryMode;

    explicit BleService(QObject *parent = nullptr);
    ~BleService() override;

    virtual QBluetoothUuid serviceUuid() const = 0;
    virtual QString serviceName() const = 0;
    virtual ServiceState state() const = 0;
    virtual ServiceError error() const = 0;

    virtual void discoverDetails(DiscoveryMode mode = QLowEnergyService::FullDiscovery) = 0;

    // Valid only once the details are discovered.
    virtual BleCharacteristic characteristic(const QBluetoothUuid &uuid) const = 0;
    virtual QList<BleCharacteristic> characteristics() const = 0;
    virtual bool contains(const BleCharacteristic &characteristic) const = 0;

    virtual void readCharacteristic(const BleCharacteristic &characteristic) = 0;
    virtual void writeCharacteristic(const BleCharacteristic &characteristic, const QByteArray &value,
                                     WriteMode mode = QLowEnergyService::WriteWithResponse) = 0;
    virtual void readDescriptor(const BleDescriptor &descriptor) = 0;
    virtual void writeDescriptor(const BleDescriptor &descriptor, const QByteArray &value) = 0;

signals:
    void stateChanged(QLowEnergyService::ServiceState newState);
    // A notification or an indication of the remote side.
    void characteristicChanged(const BleCharacteristic &characteristic, const QByteArray &value);
    void characteristicRead(const BleCharacteristic &characteristic, const QByteArray &value);
    // Only for writes with response, once the remote side confirmed them.
    void characteristicWritten(const BleCharacteristic &characteristic, const QByteArray &value);
    void descriptorRead(const BleDescriptor &descriptor, const QByteArray &value);
    void descriptorWritten(const BleDescriptor &descriptor, const QByteArray &value);
    void errorOccurred(QLowEnergyService::ServiceError error);
};
