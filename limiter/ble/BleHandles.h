#pragma once

#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>
#include <QLowEnergyCharacteristic>
#include <QLowEnergyDescriptor>
#include <QMetaType>
#include <QString>

#include <memory>

class BleDescriptor;

// Backend side of a descriptor handle. A backend derives from it; the handle
// only forwards. equals() may be handed another backend's object and must
// then answer false.
class BleDescriptorPrivate
{
public:
    virtual ~BleDescriptorPrivate();
    virtual bool isValid() const = 0;
    virtual QBluetoothUuid uuid() const = 0;
    virtual QString name() const = 0;
    virtual QByteArray value() const = 0;
    virtual bool equals(const BleDescriptorPrivate &other) const = 0;
};

// Backend side of a characteristic handle (see BleDescriptorPrivate).
class BleCharacteristicPrivate
{
public:
    virtual ~BleCharacteristicPrivate();
    virtual bool isValid() const = 0;
    virtual QBluetoothUuid uuid() const = 0;
    virtual QString name() const = 0;
    virtual QByteArray value() const = 0;
    virtual QLowEnergyCharacteristic::PropertyTypes properties() const = 0;
    virtual QList<BleDescriptor> descriptors() const = 0;
    virtual bool equals(const BleCharacteristicPrivate &other) const = 0;
};

// A descriptor of a remote characteristic, as a cheap value. A default
// constructed handle is invalid. Mirrors QLowEnergyDescriptor.
class BleDescriptor
{
public:
    BleDescriptor() = default;
    explicit BleDescriptor(std::shared_ptr<const BleDescriptorPrivate> d) : d(std::move(d)) {}

    bool isValid() const { return d && d->isValid(); }
    QBluetoothUuid uuid() const { return d ? d->uuid() : QBluetoothUuid(); }
    QString name() const { return d ? d->name() : QString(); }
    QByteArray value() const { return d ? d->value() : QByteArray(); }

    const BleDescriptorPrivate *backend() const { return d.get(); }

    friend bool operator==(const BleDescriptor &a, const BleDescriptor &b);
    friend bool operator!=(const BleDescriptor &a, const BleDescriptor &b) { return !(a == b); }

private:
    std::shared_ptr<const BleDescriptorPrivate> d;
};

// A characteristic of a remote service, as a cheap value. A default
// constructed handle is invalid; a handle turns invalid when its service
// object is invalidated (link lost, controller gone). Mirrors
// QLowEnergyCharacteristic.
class BleCharacteristic
{
public:
    BleCharacteristic() = default;
    explicit BleCharacteristic(std::shared_ptr<const BleCharacteristicPrivate> d) : d(std::move(d)) {}

    bool isValid() const { return d && d->isValid(); }
    QBluetoothUuid uuid() const { return d ? d->uuid() : QBluetoothUuid(); }
    // The name the Bluetooth SIG gives the UUID; empty for vendor UUIDs.
    QString name() const { return d ? d->name() : QString(); }
    // The last value known to the client (read, notified or written).
    QByteArray value() const { return d ? d->value() : QByteArray(); }
    QLowEnergyCharacteristic::PropertyTypes properties() const
    {
        return d ? d->properties() : QLowEnergyCharacteristic::PropertyTypes();
    }
    QList<BleDescriptor> descriptors() const { return d ? d->descriptors() : QList<BleDescriptor>(); }
    BleDescriptor descriptor(const QBluetoothUuid &uuid) const;
    BleDescriptor clientCharacteristicConfiguration() const;

    const BleCharacteristicPrivate *backend() const { return d.get(); }

    friend bool operator==(const BleCharacteristic &a, const BleCharacteristic &b);
    friend bool operator!=(const BleCharacteristic &a, const BleCharacteristic &b) { return !(a == b); }

private:
    std::shared_ptr<const BleCharacteristicPrivate> d;
};

Q_DECLARE_METATYPE(BleCharacteristic)
Q_DECLARE_METATYPE(BleDescriptor)
