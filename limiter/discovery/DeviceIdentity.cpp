#include "DeviceIdentity.h"

#include "AdvertisementProtocol.h"

#include <QBluetoothAddress>

DeviceKind deviceType(const QBluetoothDeviceInfo &info)
{
    const QByteArray data = info.manufacturerData(advertisement::kCompanyId);
    if (data.isEmpty())
        return DeviceKind::Unknown;
    const quint8 kind = quint8(data.at(0));
    if (kind <= advertisement::kLastLimiterKind)
        return DeviceKind::Limiter;
    if (kind <= advertisement::kLastKind)
        return DeviceKind::DovLogger;
    return DeviceKind::Unknown;
}

QString addressText(const QBluetoothDeviceInfo &info)
{
    return info.address().toString();
}
