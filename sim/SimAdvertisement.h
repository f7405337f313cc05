#pragma once

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

class SimPeripheral;

// One advertisement as it leaves a simulated peripheral. Manufacturer data
// entries keep their order (QBluetoothDeviceInfo does not), so a scanner
// that takes "the first entry" can do so from the radio's signal.
struct SimAdvertisement {
    QBluetoothAddress address;
    // Empty optional: the local name cannot be read from this advertisement.
    std::optional<QString> name;
    qint16 rssi = -60;
    QList<QPair<quint16, QByteArray>> manufacturerData;
    QList<QBluetoothUuid> serviceUuids;
    bool connectable = true;

    // As a low-energy QBluetoothDeviceInfo (class 0), with RSSI and data.
    QBluetoothDeviceInfo toDeviceInfo() const;
};

// The payload source of a peripheral's advertisements. Each call builds the
// next advertisement; a source that rotates through record kinds keeps its
// position itself. Without an advertiser a peripheral advertises its name
// and RSSI only.
class SimAdvertiser
{
public:
    virtual ~SimAdvertiser();
    virtual SimAdvertisement next(const SimPeripheral &peripheral) = 0;
};
