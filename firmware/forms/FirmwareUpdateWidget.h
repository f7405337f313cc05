#pragma once

#include "DFUUpdater.h"
#include "FirmwareInfo.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace Ui {
class FirmwareUpdateWidget;
}
class FirmwareDownloader;
class LimiterDevice;
class QPushButton;
class QTableWidget;

// The "Firmware update" page of a device tab: the device's versions, the
// fitting entries of the update index in three tables, and the install of a
// package from the index or from disk (the device restarts into its
// bootloader, then the page's own DFU client uploads the package).
class FirmwareUpdateWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FirmwareUpdateWidget(QWidget *parent = nullptr);
    ~FirmwareUpdateWidget() override;

    void setFirmwareDownloader(FirmwareDownloader *downloader);
    void setDevice(std::shared_ptr<LimiterDevice> device);

signals:
    void enterDFUMode();

public slots:
    void onDFUModeEntered();
    void errorMessage(const QString &message);
    void updateDeviceInfo();
    void fillFirmwareTables();
    void showIndexError();
    void installMain();
    void installBootloader();
    void installEsc();
    void installFromLocalFile();
    void onDownloadFinished(Firmware *firmware);
    void showUpdateStatus(StateM state, uint32_t progress);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void install(QTableWidget *table, const QList<FirmwareInfo> &entries);
    void startUpload(Firmware *firmware);
    QList<QPushButton *> installButtons() const;
    QList<QTableWidget *> tables() const;

    Ui::FirmwareUpdateWidget *ui;
    DFUUpdater m_updater;
    QPointer<FirmwareDownloader> m_downloader;
    std::shared_ptr<LimiterDevice> m_device;
    QList<FirmwareInfo> m_mainFirmware;
    QList<FirmwareInfo> m_bootloaderFirmware;
    QList<FirmwareInfo> m_escFirmware;
    // Whether the device can take the command that restarts it into its
    // bootloader; a package that arrives before that waits for it.
    bool m_deviceReady = false;
    bool m_uploadWaiting = false;
};
