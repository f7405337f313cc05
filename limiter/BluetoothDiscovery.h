#pragma once

#include <QBluetoothDeviceInfo>
#include <QObject>

#include <memory>

class BluetoothDeviceDiscoveryAgent_UWP;

// Runs the advertisement scanner and hands its results to the GUI thread.
// A scan that finishes is started again at once, so scanning goes on for
// the life of this object.
class BluetoothDiscovery : public QObject
{
    Q_OBJECT

public:
    explicit BluetoothDiscovery(QObject *parent = nullptr);
    ~BluetoothDiscovery() override;

    BluetoothDeviceDiscoveryAgent_UWP *agent() const { return m_agent.get(); }

signals:
    void deviceDiscovered(QBluetoothDeviceInfo info);
    void deviceUpdated(QBluetoothDeviceInfo info, QBluetoothDeviceInfo::Fields updatedFields);

public slots:
    // Starts (or restarts) the scan on the agent's thread.
    void onDiscoveryFinished();

private:
    std::unique_ptr<BluetoothDeviceDiscoveryAgent_UWP> m_agent;
};
