#pragma once

#include "DeviceListModel.h"

// The advertising DOV loggers, 14 columns; column 13 holds the address.
class BluetoothDovLoggerModel : public DeviceListModel
{
    Q_OBJECT

public:
    enum Column {
        UniqueIdColumn = 0,
        RegistrationColumn = 1,
        UserNameColumn = 2,
        RssiColumn = 3,
        StatusColumn = 4,
        AverageSpeedColumn = 5,
        AverageRpmColumn = 6,
        MaximumSpeedColumn = 7,
        MaximumRpmColumn = 8,
        TemperatureColumn = 9,
        SatellitesColumn = 10,
        HardwareColumn = 11,
        FirmwareColumn = 12,
        AddressColumn = 13,
    };

    explicit BluetoothDovLoggerModel(BluetoothDiscovery *discovery, QObject *parent = nullptr);

protected:
    QVariant display(const LimiterDevice &device, int column) const override;
};
