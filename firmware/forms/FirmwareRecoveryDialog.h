#pragma once

#include "FirmwareInstaller.h"

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
// the user pick the bootloader and a package on disk, and shows the
// recovery its FirmwareInstaller makes, straight to the picked device.
// Closing the dialog hides it; a recovery goes on meanwhile and the dialog,
// shown again, shows where it stands. While a recovery runs, neither
// another package nor another device can be chosen.
class FirmwareRecoveryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FirmwareRecoveryDialog(QWidget *parent = nullptr);
    ~FirmwareRecoveryDialog() override;

    const FirmwareInstaller &installer() const { return m_installer; }

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
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // What can be chosen now: nothing while a recovery runs.
    void showChoices();
    // The texts that show state, after the form's texts were set anew.
    void showState();
    void showScanButton();
    void onFinished();

    Ui::FirmwareRecoveryDialog *ui;
    std::unique_ptr<BleDeviceDiscovery> m_agent;
    FirmwareInstaller m_installer{this};
    QList<QBluetoothDeviceInfo> m_devices;
    // The chosen package's file, as the file label shows it.
    QString m_packagePath;
    bool m_scanned = false;
};
