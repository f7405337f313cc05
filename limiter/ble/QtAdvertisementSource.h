#pragma once

#include "AdvertisementSource.h"
#include "HeardDevices.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QObject>

class QBluetoothDeviceInfo;

// Advertisements from Qt Bluetooth's LE device discovery in continuous mode
// (BlueZ on Linux): one advertisement per report of a device heard (see
// HeardDevices). Lives and delivers on the thread that creates it, which
// must run an event loop.
class QtAdvertisementSource : public QObject, public AdvertisementSource
{
    Q_OBJECT

public:
    QtAdvertisementSource();
    ~QtAdvertisementSource() override;

    quint32 start(Handler handler) override;
    void stop() override;
    QString errorString() const override;

    // The advertisement a discovered or updated device info stands for.
    static Advertisement toAdvertisement(const QBluetoothDeviceInfo &info);

private:
    void onError(QBluetoothDeviceDiscoveryAgent::Error error);
    void onReport(QBluetoothDeviceInfo info, bool updated);

    QBluetoothDeviceDiscoveryAgent *m_agent;
    Handler m_handler;
    HeardDevices m_heard;
    QString m_errorString;
    bool m_starting = false;
};
