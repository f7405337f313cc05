#include "BluetoothDeviceModel.h"

#include "LimiterDevice.h"

#include <QColor>

namespace {

QString threeDecimals(float value)
{
    return QString::number(double(value), 'f', 3);
}

std::vector<const char *> headers()
{
    return {
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Unique ID"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Reg num"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "User name"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "RSSI"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Batt state %"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Status"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Check"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Self test"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Sett set"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "AEC status"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Energy cons"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Current avg, A"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Voltage, V"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Energy, Wh"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Energy ref, Wh"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Capacity, mAh"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Hardware ver"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Firmware ver"),
        QT_TRANSLATE_NOOP("BluetoothDeviceModel", "Address"),
    };
}

} // namespace

BluetoothDeviceModel::BluetoothDeviceModel(BluetoothDiscovery *discovery, QObject *parent)
    : DeviceListModel(discovery, DeviceKind::Limiter, "BluetoothDeviceModel", headers(), StatusColumn, parent)
{
}

QVariant BluetoothDeviceModel::display(const LimiterDevice &device, int column) const
{
    const AdvertisedStatus &status = device.advertisedStatus();
    switch (column) {
    case BatteryColumn: return int(status.battery());
    case StatusColumn: return status.raceStatusText();
    case CheckColumn: return status.warningText();
    case SelfTestColumn: return status.calibrationText();
    case SettingsSetColumn: return status.settingsSetName();
    case AecColumn: return status.aecStatusText();
    case EnergyConsumedColumn: return threeDecimals(status.energyConsumed());
    case CurrentColumn: return threeDecimals(status.averageCurrent());
    case VoltageColumn: return threeDecimals(status.voltage());
    case EnergyColumn: return threeDecimals(status.energy());
    case EnergyReferenceColumn: return threeDecimals(status.energyLimit());
    case CapacityColumn: return threeDecimals(status.capacity());
    case HardwareColumn: return status.hardwareVersion().toString();
    case FirmwareColumn: return status.firmwareVersion().toString();
    default: return QString();
    }
}

QVariant BluetoothDeviceModel::decoration(const LimiterDevice &device, int column) const
{
    if (column != SettingsSetColumn)
        return DeviceListModel::decoration(device, column);
    const int set = device.advertisedStatus().settingsSetNumber();
    if (set == 0)
        return QColor(Qt::red);
    if (set >= 6)
        return QColor(Qt::yellow);
    return QVariant();
}
