#pragma once

#include "FirmwareInfo.h"
#include "FirmwareInstaller.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

namespace Ui {
class FirmwareUpdateWidget;
}
class FirmwareDownloader;
class LimiterDevice;
class QPushButton;
class QTableWidget;

// The "Firmware update" page of a device tab: the device's versions, the
// fitting entries of the update index in three tables, and the install of a
// package from the index or from disk. The page shows the installation of
// its FirmwareInstaller and holds no protocol state of its own; while an
// installation runs, no other package can be chosen.
class FirmwareUpdateWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FirmwareUpdateWidget(QWidget *parent = nullptr);
    ~FirmwareUpdateWidget() override;

    void setFirmwareDownloader(FirmwareDownloader *downloader);
    void setDevice(std::shared_ptr<LimiterDevice> device);
    const FirmwareInstaller &installer() const { return m_installer; }

public slots:
    void errorMessage(const QString &message);
    void updateDeviceInfo();
    void fillFirmwareTables();
    void showIndexError();
    void installMain();
    void installBootloader();
    void installEsc();
    void installFromLocalFile();
    void showUpdateStatus(StateM state, uint32_t progress);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The entry of the table's current row, if the user chose one.
    static std::optional<FirmwareInfo> chosenEntry(QTableWidget *table, const QList<FirmwareInfo> &entries);
    void install(QTableWidget *table, const QList<FirmwareInfo> &entries);
    void onFinished(bool application);
    void onFailed(FirmwareInstaller::Step step, const QString &message);
    // What can be chosen now: nothing while an installation runs.
    void showChoices();
    // The texts that show state, after the form's texts were set anew.
    void showState();
    QList<QPushButton *> installButtons() const;
    QList<QTableWidget *> tables() const;

    Ui::FirmwareUpdateWidget *ui;
    FirmwareInstaller m_installer{this};
    QPointer<FirmwareDownloader> m_downloader;
    std::shared_ptr<LimiterDevice> m_device;
    QList<FirmwareInfo> m_mainFirmware;
    QList<FirmwareInfo> m_bootloaderFirmware;
    QList<FirmwareInfo> m_escFirmware;
    // The tables show "Not found": the last index request failed.
    bool m_indexFailed = false;
};
