#include "FirmwareInstaller.h"

#include "BleBackend.h"
#include "DeviceProtocol.h"
#include "Firmware.h"
#include "FirmwareDownloader.h"
#include "FirmwareLogging.h"
#include "LimiterDevice.h"

FirmwareInstaller::FirmwareInstaller(BleBackend *backend, QObject *parent)
    : QObject(parent)
    , m_givenBackend(backend)
    , m_updater(backend, this)
    , m_deadline(backend)
    , m_reconnectPause(backend)
{
    qRegisterMetaType<FirmwareInstaller::Step>();
    m_deadline.setSingleShot(true);
    m_reconnectPause.setSingleShot(true);
    connect(&m_updater, &DFUUpdater::updateStatus, this, &FirmwareInstaller::onUpdateStatus);
    connect(&m_updater, &DFUUpdater::error, this, &FirmwareInstaller::onUpdateError);
    connect(&m_updater, &DFUUpdater::finished, this, &FirmwareInstaller::onUpdateFinished);
    connect(&m_reconnectPause, &BleTimer::timeout, this, &FirmwareInstaller::reconnect);
    connect(&m_deadline, &BleTimer::timeout, this, [this] {
        if (m_step == Step::RestartingDevice)
            fail(tr("The device did not confirm the restart into its bootloader."));
        else if (m_step == Step::WaitingForDevice)
            fail(tr("The device did not come back after the bootloader update, so the main firmware was not "
                    "installed."));
    });
}

FirmwareInstaller::~FirmwareInstaller() = default;

BleBackend *FirmwareInstaller::backend() const
{
    return m_givenBackend ? m_givenBackend : BleBackend::instance();
}

void FirmwareInstaller::setDevice(std::shared_ptr<LimiterDevice> device)
{
    if (m_device)
        m_device->disconnect(this);
    m_device = std::move(device);
    m_deviceReady = false;
    if (!m_device)
        return;
    // The log service is the last one the device sets up; a device handed
    // over that far along is ready.
    m_deviceReady = m_device->status() == LimiterServicesDiscovered;
    LimiterDevice *d = m_device.get();
    connect(d, &LimiterDevice::statusChanged, this, [this](LimiterConnectionStatus status) {
        onDeviceStatus(status);
    });
    connect(d, &LimiterDevice::loggerServiceDiscovered, this, &FirmwareInstaller::onDeviceSetUp);
    connect(d, &LimiterDevice::enteredDFUMode, this, &FirmwareInstaller::onDfuModeEntered);
    connect(d, &LimiterDevice::writeFailed, this, [this](const QBluetoothUuid &characteristic) {
        if (m_step == Step::RestartingDevice
            && characteristic == DeviceProtocol::dfuUuid(DeviceProtocol::kDfuButtonlessId))
            fail(tr("The device refused the restart into its bootloader."));
    });
}

void FirmwareInstaller::setDownloader(FirmwareDownloader *downloader)
{
    if (m_downloader)
        m_downloader->disconnect(this);
    m_downloader = downloader;
    if (!downloader)
        return;
    connect(downloader, &FirmwareDownloader::downloadFinished, this, &FirmwareInstaller::onDownloadFinished);
    connect(downloader, &FirmwareDownloader::downloadFailed, this, &FirmwareInstaller::onDownloadFailed);
}

QString FirmwareInstaller::deviceProblem() const
{
    if (m_device && m_deviceReady)
        return QString();
    return tr("The device must be connected to install firmware. Connect to it and try again.");
}

const Firmware *FirmwareInstaller::package() const
{
    return m_updater.firmware();
}

QString FirmwareInstaller::targetName() const
{
    if (m_device && m_bootloader.address().isNull())
        return QStringLiteral("%1 (%2)").arg(m_device->name(), m_device->address());
    return QStringLiteral("%1 (%2)").arg(m_bootloader.name(), m_bootloader.address().toString());
}

bool FirmwareInstaller::refuseWhileRunning(const char *what)
{
    if (!isRunning())
        return false;
    qCWarning(lcFwInstall) << what << "refused: an installation runs" << m_step;
    return true;
}

void FirmwareInstaller::setStep(Step step)
{
    if (step == m_step)
        return;
    qCDebug(lcFwInstall) << "step" << step;
    m_step = step;
    if (step == Step::Idle) {
        m_deadline.stop();
        m_reconnectPause.stop();
    }
    emit stepChanged(step);
}

void FirmwareInstaller::startTimer(BleTimer &timer, int milliseconds)
{
    timer.setBackend(backend());
    timer.start(milliseconds);
}

void FirmwareInstaller::fail(const QString &message)
{
    const Step step = m_step;
    qCWarning(lcFwInstall).noquote() << "installation failed during" << step << ":" << message;
    m_awaitReturn = false;
    setStep(Step::Idle);
    emit failed(step, message);
}

// --- into a running device ------------------------------------------------------

bool FirmwareInstaller::installEntry(const FirmwareInfo &entry)
{
    if (refuseWhileRunning("an index entry") || !m_downloader)
        return false;
    m_awaitReturn = false;
    if (const QString problem = deviceProblem(); !problem.isEmpty()) {
        fail(problem);
        return false;
    }
    m_bootloaderInstalled = false;
    qCInfo(lcFwInstall) << "downloading" << entry.name << entry.firmwareVersion.toString();
    setStep(Step::Downloading);
    m_downloader->download(entry, this);
    return true;
}

bool FirmwareInstaller::installMainAfterBootloader(const FirmwareInfo &entry)
{
    if (refuseWhileRunning("the main firmware") || !m_downloader || !m_device)
        return false;
    if (!m_bootloaderInstalled)
        return installEntry(entry);
    m_bootloaderInstalled = false;
    m_awaitReturn = true;
    qCInfo(lcFwInstall) << "downloading the main firmware" << entry.firmwareVersion.toString()
                        << "after the bootloader";
    setStep(Step::Downloading);
    m_downloader->download(entry, this);
    return true;
}

bool FirmwareInstaller::installPackage(Firmware *package)
{
    if (refuseWhileRunning("a package")) {
        delete package;
        return false;
    }
    m_awaitReturn = false;
    if (const QString problem = deviceProblem(); !problem.isEmpty()) {
        delete package;
        fail(problem);
        return false;
    }
    m_bootloaderInstalled = false;
    startOnDevice(package);
    return true;
}

void FirmwareInstaller::onDownloadFinished(Firmware *firmware, QObject *requester)
{
    if (requester != this)
        return;
    if (m_step != Step::Downloading) {
        delete firmware;
        return;
    }
    qCDebug(lcFwInstall) << "download finished";
    startOnDevice(firmware);
}

void FirmwareInstaller::onDownloadFailed(const QString &message, QObject *requester)
{
    if (requester == this && m_step == Step::Downloading)
        fail(message);
}

void FirmwareInstaller::startOnDevice(Firmware *package)
{
    m_updater.setFirmware(package);
    m_bootloader = QBluetoothDeviceInfo();
    if (m_deviceReady) {
        sendRestart();
    } else if (m_awaitReturn) {
        waitForDevice();
    } else {
        // The device went while the package was on its way.
        fail(deviceProblem());
    }
}

void FirmwareInstaller::sendRestart()
{
    qCInfo(lcFwInstall) << "restarting" << m_device->address() << "into its bootloader";
    setStep(Step::RestartingDevice);
    startTimer(m_deadline, kRestartTimeoutMs);
    m_device->enterDFUMode();
}

void FirmwareInstaller::onDfuModeEntered()
{
    if (m_step != Step::RestartingDevice)
        return;
    m_deadline.stop();
    setStep(Step::Transferring);
    m_updater.startUpdate(m_device->address());
}

void FirmwareInstaller::waitForDevice()
{
    qCInfo(lcFwInstall) << "waiting for" << m_device->address() << "to come back";
    setStep(Step::WaitingForDevice);
    startTimer(m_deadline, kReturnTimeoutMs);
    reconnect();
}

// The update restarted the device, so its link was lost and the attempts to
// make it again ended while the device was in its bootloader.
void FirmwareInstaller::reconnect()
{
    if (m_step != Step::WaitingForDevice)
        return;
    const LimiterConnectionStatus status = m_device->status();
    if (status != LimiterError && status != LimiterDisconnected)
        return; // connecting or setting up: its set-up ends the wait
    qCDebug(lcFwInstall) << "connecting" << m_device->address() << "again";
    m_device->disconnectFromDevice();
    m_device->connectToDevice();
}

void FirmwareInstaller::onDeviceStatus(int status)
{
    if (status != LimiterServicesDiscovered)
        m_deviceReady = false;
    if (m_step == Step::WaitingForDevice && status == LimiterError)
        startTimer(m_reconnectPause, kReconnectPauseMs);
}

void FirmwareInstaller::onDeviceSetUp()
{
    m_deviceReady = true;
    if (m_step != Step::WaitingForDevice)
        return;
    m_deadline.stop();
    m_reconnectPause.stop();
    sendRestart();
}

// --- into a device stuck in its bootloader ---------------------------------

bool FirmwareInstaller::choosePackage(Firmware *package)
{
    if (refuseWhileRunning("a package")) {
        delete package;
        return false;
    }
    m_updater.setFirmware(package);
    return true;
}

bool FirmwareInstaller::recover(const QBluetoothDeviceInfo &bootloader)
{
    if (refuseWhileRunning("a recovery") || !m_updater.firmware())
        return false;
    qCInfo(lcFwInstall) << "recovering" << bootloader.address().toString();
    m_bootloaderInstalled = false;
    m_awaitReturn = false;
    m_bootloader = bootloader;
    setStep(Step::Transferring);
    m_updater.reset();
    m_updater.connectToDevice(bootloader);
    return true;
}

// --- the transfer ----------------------------------------------------------------

void FirmwareInstaller::onUpdateStatus(StateM state, uint32_t progress)
{
    if (m_step != Step::Transferring)
        return;
    m_state = state;
    m_progress = progress;
    emit updateStatus(state, progress);
}

void FirmwareInstaller::onUpdateFinished()
{
    if (m_step != Step::Transferring)
        return;
    const bool application = m_updater.firmware() && m_updater.firmware()->isApplication();
    qCInfo(lcFwInstall) << (application ? "application" : "bootloader") << "installed on" << targetName();
    // The device restarts into the new image and comes back on its own;
    // after a bootloader image, running its old application.
    m_bootloaderInstalled = !application && m_device && m_bootloader.address().isNull();
    setStep(Step::Idle);
    emit finished(application);
}

void FirmwareInstaller::onUpdateError(const QString &message)
{
    if (m_step == Step::Transferring)
        fail(message);
}
