#pragma once

#include "AdvertisementSource.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothDeviceInfo>
#include <QObject>

#include <map>
#include <memory>

class QThread;
class QTimer;

// The advertisement scanner. Lives on a thread of its own at time-critical
// priority; every advertisement that carries manufacturer data becomes a
// QBluetoothDeviceInfo, reported as deviceDiscovered the first time its
// address is heard and as deviceUpdated (all fields) every later time.
class BluetoothDeviceDiscoveryAgent_UWP : public QObject
{
    Q_OBJECT

public:
    // Every scan listens through a new source from factory, made on the
    // agent's thread.
    explicit BluetoothDeviceDiscoveryAgent_UWP(AdvertisementSourceFactory factory);
    ~BluetoothDeviceDiscoveryAgent_UWP() override;

    // 0 (the default) scans for ever; otherwise the scan stops after this
    // many milliseconds and finished is emitted. Set before threadStart.
    void setScanTimeout(int milliseconds) { m_scanTimeout = milliseconds; }
    int scanTimeout() const { return m_scanTimeout; }

signals:
    void deviceDiscovered(QBluetoothDeviceInfo info);
    void deviceUpdated(QBluetoothDeviceInfo info, QBluetoothDeviceInfo::Fields updatedFields);
    void finished();
    void error(QBluetoothDeviceDiscoveryAgent::Error error);
    void canceled();

public slots:
    // Starts a scan with a newly activated source. Runs on the agent's thread:
    // invoke it by name from elsewhere.
    void threadStart();

private slots:
    void onScanTimeout();
    void shutDown();

private:
    // Runs on the source's delivery thread; the seen-device map is its alone.
    void onAdvertisement(const Advertisement &advertisement);

    std::unique_ptr<QThread> m_thread;
    // The scan's time-out, on the wall clock: it lives on the scanner's
    // thread, and the backend's clock (the simulator's) is the GUI thread's.
    // The programs scan without one.
    QTimer *m_timer;
    int m_scanTimeout = 0;
    std::map<QBluetoothAddress, QBluetoothDeviceInfo> m_seenDevices;
    AdvertisementSourceFactory m_sourceFactory;
    std::unique_ptr<AdvertisementSource> m_source;
};
