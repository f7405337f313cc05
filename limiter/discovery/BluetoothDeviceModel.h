#pragma once

#include "DeviceListModel.h"

// The advertising limiters, 19 columns; column 18 holds the address.
class BluetoothDeviceModel : public DeviceListModel
{
    Q_OBJECT

public:
    enum Column {
        UniqueIdColumn = 0,
        RegistrationColumn = 1,
        UserNameColumn = 2,
        RssiColumn = 3,
        BatteryColumn = 4,
        StatusColumn = 5,
        CheckColumn = 6,
        SelfTestColumn = 7,
        SettingsSetColumn = 8,
        AecColumn = 9,
        EnergyConsumedColumn = 10,
        CurrentColumn = 11,
        VoltageColumn = 12,
        EnergyColumn = 13,
        EnergyReferenceColumn = 14,
        CapacityColumn = 15,
        HardwareColumn = 16,
        FirmwareColumn = 17,
        AddressColumn = 18,
    };

    explicit BluetoothDeviceModel(BluetoothDiscovery *discovery, QObject *parent = nullptr);

protected:
    QVariant display(const LimiterDevice &device, int column) const override;
    QVariant decoration(const LimiterDevice &device, int column) const override;
};
