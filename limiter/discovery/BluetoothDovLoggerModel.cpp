#include "BluetoothDovLoggerModel.h"

#include "LimiterDevice.h"

namespace {

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

std::vector<const char *> headers()
{
    return {
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Unique ID"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Reg num"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "User name"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "RSSI"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Status"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Avg speed, km/h"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Avg rpm, 1/min"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Max speed, km/h"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Max rpm, 1/min"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Temperature, °C"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Satelites"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Hardware ver"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Firmware ver"),
        QT_TRANSLATE_NOOP("BluetoothDovLoggerModel", "Address"),
    };
}

} // namespace

BluetoothDovLoggerModel::BluetoothDovLoggerModel(BluetoothDiscovery *discovery, QObject *parent)
    : DeviceListModel(discovery, DeviceKind::DovLogger, "BluetoothDovLoggerModel", headers(), StatusColumn, parent)
{
}

QVariant BluetoothDovLoggerModel::display(const LimiterDevice &device, int column) const
{
    const AdvertisedStatus &status = device.advertisedStatus();
    switch (column) {
    case StatusColumn: return status.raceStatusText();
    case AverageSpeedColumn: return oneDecimal(double(status.averageSpeed()));
    case AverageRpmColumn: return oneDecimal(double(status.averageRpm()));
    case MaximumSpeedColumn: return oneDecimal(double(status.maximumSpeed()));
    case MaximumRpmColumn: return oneDecimal(double(status.maximumRpm()));
    case TemperatureColumn: return oneDecimal(status.temperature());
    case SatellitesColumn: return int(status.satellites());
    case HardwareColumn: return status.loggerHardwareVersion().toString();
    case FirmwareColumn: return status.firmwareVersion().toString();
    default: return QString();
    }
}
