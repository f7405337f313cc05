#pragma once

#include "BleTimer.h"
#include "DFUUpdater.h"
#include "FirmwareInfo.h"

#include <QBluetoothDeviceInfo>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>

class BleBackend;
class Firmware;
class FirmwareDownloader;
class LimiterDevice;

// One firmware installation at a time, from the package to the device
// starting it. The update page and the recovery dialog show it; every
// decision of the protocol is made here.
//
// Into a running device (the update page): the package comes from the
// update index (a download) or from disk, and the device must be connected.
// The installer sends the restart command at once, waits for the device to
// confirm that it restarts into its bootloader, and then its DFU client
// finds the bootloader (the device's address plus one) and uploads the
// package. A bootloader image leaves the device running its old application
// with the new bootloader; the main firmware may follow
// (installMainAfterBootloader), once the device is back: the installer
// connects it again, since the update dropped the link.
//
// Into a device stuck in its bootloader (the recovery dialog): the DFU
// client connects to the chosen bootloader directly.
//
// While an installation runs every request for another one is refused, so
// the package of a running transfer never changes. An installation ends in
// finished() or failed(); its time-outs run on the BLE backend's clock.
class FirmwareInstaller : public QObject
{
    Q_OBJECT

public:
    enum class Step {
        Idle,             // nothing runs
        Downloading,      // the package comes from the update server
        WaitingForDevice, // the device restarted by the last installation is not back yet
        RestartingDevice, // the restart command went; the device has not confirmed it yet
        Transferring,     // the DFU client finds the bootloader and uploads the package
    };
    Q_ENUM(Step)

    // How long the device may take to confirm the restart command (one
    // exchange on a connected link), and to be back and set up after an
    // installation (its reboot, a new connection, service discovery and the
    // set-up of its services, each well under ten seconds).
    static constexpr int kRestartTimeoutMs = 10000;
    static constexpr int kReturnTimeoutMs = 60000;
    // Pause before trying again to connect a device that is not back yet.
    static constexpr int kReconnectPauseMs = 1000;

    // backend: the BLE stack of the DFU client and the clock of the
    // time-outs (nullptr: the process' one).
    explicit FirmwareInstaller(BleBackend *backend = nullptr, QObject *parent = nullptr);
    explicit FirmwareInstaller(QObject *parent) : FirmwareInstaller(nullptr, parent) {}
    ~FirmwareInstaller() override;

    // The device to install into, and where index entries come from.
    void setDevice(std::shared_ptr<LimiterDevice> device);
    const std::shared_ptr<LimiterDevice> &device() const { return m_device; }
    void setDownloader(FirmwareDownloader *downloader);

    // Why an installation into the device cannot start now, or empty.
    QString deviceProblem() const;
    // Installs an entry of the update index: downloads it, then as
    // installPackage. False (with failed() when the device is the reason)
    // when it cannot start.
    bool installEntry(const FirmwareInfo &entry);
    // Installs a loaded package, owned from now on (deleted when refused).
    bool installPackage(Firmware *package);
    // The main firmware after a bootloader image this installer installed:
    // waits for the device to come back (connecting it again) instead of
    // asking for a connected device.
    bool installMainAfterBootloader(const FirmwareInfo &entry);

    // Recovery: the package to upload (owned from now on; refused and
    // deleted while an installation runs), then the bootloader to upload to.
    bool choosePackage(Firmware *package);
    bool recover(const QBluetoothDeviceInfo &bootloader);

    Step step() const { return m_step; }
    bool isRunning() const { return m_step != Step::Idle; }
    // The device is in the installation's hands: from the restart command,
    // or the connection to a bootloader, to the end. Stopping now leaves it
    // in its bootloader.
    bool holdsDevice() const { return m_step == Step::RestartingDevice || m_step == Step::Transferring; }
    // The package of the running or last installation, or the chosen one.
    const Firmware *package() const;
    // The last state the DFU client reported, and its progress; state -1
    // before the first report.
    int state() const { return m_state; }
    uint32_t progress() const { return m_progress; }
    // The device it installs into, as the user knows it: name and address.
    QString targetName() const;

signals:
    void stepChanged(FirmwareInstaller::Step step);
    void updateStatus(StateM state, uint32_t progress);
    // The package's image is on the device, which starts it now.
    void finished(bool application);
    // The installation ended without that (step: where; Idle when it could
    // not start).
    void failed(FirmwareInstaller::Step step, const QString &message);

private:
    BleBackend *backend() const;
    bool refuseWhileRunning(const char *what);
    void setStep(Step step);
    void startTimer(BleTimer &timer, int milliseconds);
    // Ends the installation with failed().
    void fail(const QString &message);
    void startOnDevice(Firmware *package);
    void sendRestart();
    void waitForDevice();
    void reconnect();

    void onDownloadFinished(Firmware *firmware, QObject *requester);
    void onDownloadFailed(const QString &message, QObject *requester);
    void onDeviceStatus(int status);
    void onDeviceSetUp();
    void onDfuModeEntered();
    void onUpdateStatus(StateM state, uint32_t progress);
    void onUpdateFinished();
    void onUpdateError(const QString &message);

    BleBackend *m_givenBackend;
    DFUUpdater m_updater;
    std::shared_ptr<LimiterDevice> m_device;
    QPointer<FirmwareDownloader> m_downloader;
    Step m_step = Step::Idle;
    // The device's services are set up: the restart command can go.
    bool m_deviceReady = false;
    // The last installation put a bootloader image on the device; it comes
    // back running its old application.
    bool m_bootloaderInstalled = false;
    // Waiting for the device's return is allowed for this installation.
    bool m_awaitReturn = false;
    QBluetoothDeviceInfo m_bootloader;
    int m_state = -1;
    uint32_t m_progress = 0;
    BleTimer m_deadline;
    BleTimer m_reconnectPause;
};
