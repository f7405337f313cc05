#include "HeardDevices.h"

#include <QBluetoothAddress>

#include <algorithm>

namespace {

QBluetoothDeviceInfo withName(const QBluetoothDeviceInfo &info, const QString &name)
{
    if (info.name() == name)
        return info;
    QBluetoothDeviceInfo renamed(info);
    renamed.setName(name);
    return renamed;
}

} // namespace

QString HeardDevices::advertisedName(const QBluetoothDeviceInfo &info)
{
    QString alias = info.address().toString();
    alias.replace(QLatin1Char(':'), QLatin1Char('-'));
    return info.name().compare(alias, Qt::CaseInsensitive) == 0 ? QString() : info.name();
}

HeardDevices::Report HeardDevices::take(QBluetoothDeviceInfo &info, bool updated)
{
    if (info.rssi() == 0)
        return Report::None;
    const auto it = std::find_if(m_devices.begin(), m_devices.end(), [&info](const QBluetoothDeviceInfo &known) {
        return known.address() == info.address();
    });
    Report report = Report::First;
    if (it == m_devices.end()) {
        m_devices.append(info);
    } else {
        // QBluetoothDeviceInfo's == leaves the RSSI out.
        if (updated && *it == info && it->rssi() == info.rssi())
            return Report::None;
        *it = info;
        report = Report::Again;
    }
    info = withName(info, advertisedName(info));
    return report;
}

QList<QBluetoothDeviceInfo> HeardDevices::devices() const
{
    QList<QBluetoothDeviceInfo> result;
    result.reserve(m_devices.size());
    for (const QBluetoothDeviceInfo &info : m_devices)
        result.append(withName(info, advertisedName(info)));
    return result;
}
