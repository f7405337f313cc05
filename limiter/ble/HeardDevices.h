#pragma once

#include <QBluetoothDeviceInfo>
#include <QList>

// Turns what a QBluetoothDeviceDiscoveryAgent reports into one report per
// advertisement heard, the way the seam promises, whatever the platform's
// agent does:
//  - Qt's BlueZ agent (and the Darwin and Android ones) report every change
//    of a device twice on a scan without time-out, as deviceDiscovered and
//    at once as deviceUpdated with the same info; the second report is
//    dropped.
//  - bluetoothd keeps the devices of earlier scans and drops their RSSI when
//    a scan ends; Qt reports them at the next scan with RSSI 0 although
//    nothing was heard. A report without RSSI is no advertisement.
//  - bluetoothd names a device that sent no name after its address
//    ("E1-5A-00-00-00-02", its Alias); the name of such a report is empty.
class HeardDevices
{
public:
    enum class Report {
        None,  // nothing was heard
        First, // the first advertisement of the address
        Again, // a later one
    };

    // Takes one report of the agent (updated: it came as deviceUpdated) and
    // says what it is; info is cleaned up for passing on.
    Report take(QBluetoothDeviceInfo &info, bool updated);
    // Forgets every address (a new scan).
    void clear() { m_devices.clear(); }
    // The devices heard, as last reported.
    QList<QBluetoothDeviceInfo> devices() const;

    // The name the device sent: empty where the stack put in its address.
    static QString advertisedName(const QBluetoothDeviceInfo &info);

private:
    // As the agent last reported them, by address.
    QList<QBluetoothDeviceInfo> m_devices;
};
