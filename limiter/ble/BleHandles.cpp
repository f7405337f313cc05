#include "BleHandles.h"

BleDescriptorPrivate::~BleDescriptorPrivate() = default;
BleCharacteristicPrivate::~BleCharacteristicPrivate() = default;

bool operator==(const BleDescriptor &a, const BleDescriptor &b)
{
    if (a.d == b.d)
        return true;
    if (!a.d || !b.d)
        return false;
    return a.d->equals(*b.d);
}

bool operator==(const BleCharacteristic &a, const BleCharacteristic &b)
{
    if (a.d == b.d)
        return true;
    if (!a.d || !b.d)
        return false;
    return a.d->equals(*b.d);
}

BleDescriptor BleCharacteristic::descriptor(const QBluetoothUuid &uuid) const
{
    const QList<BleDescriptor> all = descriptors();
    for (const BleDescriptor &descriptor : all) {
        if (descriptor.uuid() == uuid)
            return descriptor;
    }
    return BleDescriptor();
}

BleDescriptor BleCharacteristic::clientCharacteristicConfiguration() const
{
    return descriptor(QBluetoothUuid(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration));
}
