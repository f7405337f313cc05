#pragma once

#include "DFUUpdater.h"

#include <QBluetoothDeviceInfo>
#include <QDialog>
#include <QList>

#include <memory>

namespace Ui {
class FirmwareRecoveryDialog;
}
class BleDeviceDiscovery;
class QTableWidgetItem;

// Recovers a device stuck in its bootloader: scans for devices itself, lets
// the user pick the bootloader and a package on disk, and uploads the
// package with a DFU client of its own straight to the picked device.
// Deletes itself when closed.
class FirmwareRecoveryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FirmwareRecoveryDialog(QWidget *parent = nullptr);
    ~FirmwareRecoveryDialog() override;

public slots:
    void onDeviceDiscovered(const QBluetoothDeviceInfo &info);
    void onDeviceDiscoveryFinished();
    void onDeviceSelected(QTableWidgetItem *current, QTableWidgetItem *previous);
    void recoverSelectedDevice();
    void selectFirmware();
    void errorMessage(const QString &message);
    void onUpdateStatus(StateM state, uint32_t progress);
    void toggleScan();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::FirmwareRecoveryDialog *ui;
    std::unique_ptr<BleDeviceDiscovery> m_agent;
    bool m_firmwareLoaded = false;
    DFUUpdater m_updater;
    QList<QBluetoothDeviceInfo> m_devices;
};
