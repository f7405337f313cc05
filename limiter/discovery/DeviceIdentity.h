#pragma once

#include <QBluetoothDeviceInfo>
#include <QString>

// Kinds of advertised device.
enum class DeviceKind {
    Unknown = 0,
    Limiter = 1,
    DovLogger = 2,
};

// The device kind an advertisement comes from: by the record kind in the
// first byte of the manufacturer data of company 0x0059.
DeviceKind deviceType(const QBluetoothDeviceInfo &info);

// The device's Bluetooth address as text, the key of a device in the lists.
QString addressText(const QBluetoothDeviceInfo &info);
