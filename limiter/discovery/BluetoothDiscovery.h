#pragma once

#include <QBluetoothDeviceInfo>
#include <QObject>

#include <memory>

class BleBackend;
class BluetoothDeviceDiscoveryAgent_UWP;

// Runs the advertisement scanner and hands its results to the GUI thread.
// A scan that finishes is started again at once, so scanning goes on for
// the life of this object. The scanner listens through the advertisement
// sources of its backend, which must outlive this object.
class BluetoothDiscovery : public QObject
{
    Q_OBJECT

public:
    // The process' backend (BleBackend::instance()).
    explicit BluetoothDiscovery(QObject *parent = nullptr);
    explicit BluetoothDiscovery(BleBackend *backend, QObject *parent = nullptr);
    ~BluetoothDiscovery() override;

    BluetoothDeviceDiscoveryAgent_UWP *agent() const { return m_agent.get(); }
    // The backend of the scan; the device lists give it to their devices.
    BleBackend *backend() const { return m_backend; }

signals:
    void deviceDiscovered(QBluetoothDeviceInfo info);
    void deviceUpdated(QBluetoothDeviceInfo info, QBluetoothDeviceInfo::Fields updatedFields);

public slots:
    // Starts (or restarts) the scan on the agent's thread.
    void onDiscoveryFinished();

private:
    BleBackend *m_backend;
    std::unique_ptr<BluetoothDeviceDiscoveryAgent_UWP> m_agent;
};
