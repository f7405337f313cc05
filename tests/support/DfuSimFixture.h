#pragma once

#include "DFUUpdater.h"
#include "Firmware.h"
#include "SimDfuBootloader.h"
#include "SimRig.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QTemporaryDir>

#include <memory>

// A simulator rig with one DFU bootloader on its radio, the updater on the
// rig's backend, and what the updater and the air say.
class DfuSimFixture : public QObject, public SimRig
{
    Q_OBJECT
public:
    static QBluetoothAddress bootloaderAddress() { return QBluetoothAddress(QStringLiteral("C0:11:22:33:45:00")); }
    static QString deviceAddress() { return QStringLiteral("C0:11:22:33:44:FF"); }

    DfuSimFixture();
    ~DfuSimFixture() override;

    std::shared_ptr<SimDfuBootloader> bootloader;
    DFUUpdater updater{&backend};

    // A package of image (with its own init packet unless init is given),
    // loaded and handed to the updater.
    bool usePackage(const QByteArray &image, const QByteArray &init = QByteArray());

    // The bootloader as a scan reports it (for connectToDevice).
    QBluetoothDeviceInfo bootloaderInfo() const;

    // Waits until the updater reports 100 % or an error.
    bool waitForEnd(int timeoutMs = 20000);

    QList<QPair<int, uint32_t>> statuses;
    QStringList errors;
    QList<QByteArray> requests;      // control point writes that reached the bootloader
    QList<QByteArray> packets;       // packet writes that reached the bootloader
    QList<QByteArray> notifications; // control point notifications sent

private:
    QTemporaryDir m_dir;
    int m_packages = 0;
};

// A fault filter that replaces the occurrence-th control point notification.
SimFaultFilter replaceNotification(int occurrence, const QByteArray &value);
