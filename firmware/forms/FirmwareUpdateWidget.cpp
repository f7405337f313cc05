#include "FirmwareUpdateWidget.h"
#include "ui_FirmwareUpdateWidget.h"

#include "Firmware.h"
#include "FirmwareDownloader.h"
#include "Diagnostics.h"
#include "FirmwareSelection.h"
#include "FirmwareWindows.h"
#include "DeviceRecords.h"
#include "LimiterDevice.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>

namespace {

// Offsets of the texts the page shows in the device information record.
constexpr int kHardwareNameOffset = 104;
constexpr int kFirmwareBuildOffset = 136;
constexpr int kFirmwareNoteOffset = 148;
constexpr int kBootloaderBuildOffset = 36;
constexpr int kBootloaderNoteOffset = 48;
constexpr int kEscNameOffset = 204;
constexpr int kEscNoteOffset = 236;
constexpr int kCalibrationDateOffset = 312;
constexpr int kCalibrationPlaceOffset = 324;

QString versionWithTexts(const QString &version, const QString &first, const QString &second)
{
    return QStringLiteral("%1 [%2  %3]").arg(version, first, second);
}

void fillTable(QTableWidget *table, const FirmwareChoice &choice)
{
    for (const FirmwareInfo &info : choice.entries) {
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, 0, new QTableWidgetItem(info.firmwareVersion.toString()));
        table->setItem(row, 1, new QTableWidgetItem(info.date.date().toString()));
        table->setItem(row, 2, new QTableWidgetItem(info.description));
    }
}

} // namespace

FirmwareUpdateWidget::FirmwareUpdateWidget(QWidget *parent) : QWidget(parent), ui(new Ui::FirmwareUpdateWidget)
{
    ui->setupUi(this);
    ui->lblUpdateState->hide();
    ui->pbUpdateProgress->hide();
    for (QTableWidget *table : tables())
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    connect(ui->pbOpenFirmware, &QPushButton::clicked, this, &FirmwareUpdateWidget::installFromLocalFile);
    connect(&m_updater, &DFUUpdater::error, this, &FirmwareUpdateWidget::errorMessage);
    connect(&m_updater, &DFUUpdater::updateStatus, this, &FirmwareUpdateWidget::showUpdateStatus);
    connect(ui->pbInstallMain, &QPushButton::clicked, this, &FirmwareUpdateWidget::installMain);
    connect(ui->cbMainFirmware, &QTableWidget::doubleClicked, this, &FirmwareUpdateWidget::installMain);
    connect(ui->pbInstallBootloader, &QPushButton::clicked, this, &FirmwareUpdateWidget::installBootloader);
    connect(ui->cbBootloaderFirmware, &QTableWidget::doubleClicked, this, &FirmwareUpdateWidget::installBootloader);
    connect(ui->pbInstallESC, &QPushButton::clicked, this, &FirmwareUpdateWidget::installEsc);
    connect(ui->cbESCFirmware, &QTableWidget::doubleClicked, this, &FirmwareUpdateWidget::installEsc);
}

FirmwareUpdateWidget::~FirmwareUpdateWidget()
{
    delete ui;
}

QList<QPushButton *> FirmwareUpdateWidget::installButtons() const
{
    return {ui->pbInstallMain, ui->pbInstallBootloader, ui->pbInstallESC};
}

QList<QTableWidget *> FirmwareUpdateWidget::tables() const
{
    return {ui->cbMainFirmware, ui->cbBootloaderFirmware, ui->cbESCFirmware};
}

void FirmwareUpdateWidget::setFirmwareDownloader(FirmwareDownloader *downloader)
{
    m_downloader = downloader;
    if (!downloader)
        return;
    connect(downloader, &FirmwareDownloader::refreshFinished, this, &FirmwareUpdateWidget::fillFirmwareTables,
            Qt::UniqueConnection);
    connect(downloader, &FirmwareDownloader::downloadFinished, this, &FirmwareUpdateWidget::onDownloadFinished,
            Qt::UniqueConnection);
    connect(downloader, &FirmwareDownloader::error, this, &FirmwareUpdateWidget::showIndexError,
            Qt::UniqueConnection);
    connect(ui->pbRefreshFirmwareList, &QPushButton::clicked, downloader, &FirmwareDownloader::refresh,
            Qt::UniqueConnection);
    if (downloader->indexState() == FirmwareDownloader::IndexLoaded)
        fillFirmwareTables();
}

void FirmwareUpdateWidget::setDevice(std::shared_ptr<LimiterDevice> device)
{
    if (m_device)
        m_device->disconnect(this);
    m_device = std::move(device);
    if (!m_device)
        return;
    connect(m_device.get(), &LimiterDevice::deviceInformationUpdated, this, &FirmwareUpdateWidget::updateDeviceInfo);
    // The log service is the last one the device sets up.
    m_deviceReady = m_device->status() == LimiterServicesDiscovered;
    connect(m_device.get(), &LimiterDevice::statusChanged, this, [this](LimiterConnectionStatus status) {
        if (status != LimiterServicesDiscovered)
            m_deviceReady = false;
    });
    connect(m_device.get(), &LimiterDevice::loggerServiceDiscovered, this, [this] {
        m_deviceReady = true;
        if (m_uploadWaiting) {
            m_uploadWaiting = false;
            qCDebug(lcUi) << "device is back, restarting it into its bootloader";
            emit enterDFUMode();
        }
    });
    updateDeviceInfo();
}

void FirmwareUpdateWidget::updateDeviceInfo()
{
    if (!m_device)
        return;
    using namespace firmwarewindows;
    const s_DeviceInfoBle info = m_device->deviceInformation();

    const bool esc = hasEsc(m_device->versionWords().hardware);
    for (QWidget *widget : {static_cast<QWidget *>(ui->lblCurrentESCFirmwareName), static_cast<QWidget *>(ui->lblCurrentESCFirmware),
                            static_cast<QWidget *>(ui->lblEscFirmwareSelect), static_cast<QWidget *>(ui->cbESCFirmware),
                            static_cast<QWidget *>(ui->pbInstallESC)})
        widget->setVisible(esc);

    ui->lblHardwareVersion->setText(
        hardwareText(deviceInfoText(info, kHardwareNameOffset), m_device->hardwareVersion()));
    ui->lblCurrentFirmware->setText(versionWithTexts(m_device->firmwareVersion().toString(),
                                                     deviceInfoText(info, kFirmwareBuildOffset),
                                                     deviceInfoText(info, kFirmwareNoteOffset)));
    ui->lblCurrentBootloaderFirmware->setText(versionWithTexts(m_device->bootloaderVersion().toString(),
                                                               deviceInfoText(info, kBootloaderBuildOffset),
                                                               deviceInfoText(info, kBootloaderNoteOffset)));
    ui->lblCurrentESCFirmware->setText(versionWithTexts(deviceInfoText(info, kEscNameOffset),
                                                        m_device->escFirmwareVersion().toString(),
                                                        deviceInfoText(info, kEscNoteOffset)));
    ui->lblCalibrationDate->setText(deviceInfoText(info, kCalibrationDateOffset) + QStringLiteral("  ") +
                                    deviceInfoText(info, kCalibrationPlaceOffset));
}

void FirmwareUpdateWidget::fillFirmwareTables()
{
    if (!m_downloader || m_downloader->indexState() != FirmwareDownloader::IndexLoaded)
        return;
    for (QTableWidget *table : tables())
        table->setRowCount(0);
    for (QPushButton *button : installButtons())
        button->setEnabled(false);

    const QList<FirmwareInfo> index = m_downloader->firmwareList();
    const QVersionNumber hardware = m_device ? m_device->hardwareVersion() : QVersionNumber();
    const struct {
        FirmwareType type;
        QTableWidget *table;
        QPushButton *button;
        QList<FirmwareInfo> *entries;
    } groups[] = {
        {FirmwareType::Main, ui->cbMainFirmware, ui->pbInstallMain, &m_mainFirmware},
        {FirmwareType::Bootloader, ui->cbBootloaderFirmware, ui->pbInstallBootloader, &m_bootloaderFirmware},
        {FirmwareType::Esc, ui->cbESCFirmware, ui->pbInstallESC, &m_escFirmware},
    };
    for (const auto &group : groups) {
        const FirmwareChoice choice = chooseFirmware(index, group.type, hardware);
        *group.entries = choice.entries;
        fillTable(group.table, choice);
        if (!choice.entries.isEmpty()) {
            if (choice.recommendedRow >= 0)
                group.table->setCurrentCell(choice.recommendedRow, 0);
            group.button->setEnabled(true);
        }
        group.table->resizeRowsToContents();
    }
}

void FirmwareUpdateWidget::showIndexError()
{
    for (QTableWidget *table : tables()) {
        table->setRowCount(0);
        table->insertRow(0);
        table->setItem(0, 0, new QTableWidgetItem(tr("Not found")));
    }
    // No entry stands behind a "Not found" row: a double click on it must
    // not install what an earlier index listed in that row.
    m_mainFirmware.clear();
    m_bootloaderFirmware.clear();
    m_escFirmware.clear();
    for (QPushButton *button : installButtons())
        button->setEnabled(false);
}

void FirmwareUpdateWidget::install(QTableWidget *table, const QList<FirmwareInfo> &entries)
{
    const int row = table->currentRow();
    if (!m_downloader || table->selectedItems().isEmpty() || row < 0 || row >= entries.size())
        return;
    m_downloader->download(entries.at(row));
    for (QPushButton *button : installButtons())
        button->setEnabled(false);
    // A package from disk could race the download; the page offers it once.
    ui->pbOpenFirmware->setEnabled(false);
}

void FirmwareUpdateWidget::installMain()
{
    install(ui->cbMainFirmware, m_mainFirmware);
}

void FirmwareUpdateWidget::installBootloader()
{
    install(ui->cbBootloaderFirmware, m_bootloaderFirmware);
}

void FirmwareUpdateWidget::installEsc()
{
    install(ui->cbESCFirmware, m_escFirmware);
}

void FirmwareUpdateWidget::startUpload(Firmware *firmware)
{
    m_updater.setFirmware(firmware);
    if (m_deviceReady || !m_device) {
        emit enterDFUMode();
        return;
    }
    // After an update the device restarts and the link to it is lost; the
    // restart command can only go once the device is connected again (the
    // main firmware that follows a bootloader is the usual case).
    qCDebug(lcUi) << "waiting for the device to connect again";
    m_uploadWaiting = true;
    if (m_device->status() == LimiterError || m_device->status() == LimiterDisconnected) {
        m_device->disconnectFromDevice();
        m_device->connectToDevice();
    }
}

void FirmwareUpdateWidget::onDownloadFinished(Firmware *firmware)
{
    qCDebug(lcUi) << "download finished";
    startUpload(firmware);
}

void FirmwareUpdateWidget::installFromLocalFile()
{
    if (Firmware *firmware = firmwarewindows::choosePackage(this))
        startUpload(firmware);
}

void FirmwareUpdateWidget::onDFUModeEntered()
{
    if (m_device)
        m_updater.startUpdate(m_device->address());
}

void FirmwareUpdateWidget::errorMessage(const QString &message)
{
    firmwarewindows::showMessage(message);
}

void FirmwareUpdateWidget::showUpdateStatus(StateM state, uint32_t progress)
{
    firmwarewindows::showState(ui->lblUpdateState, ui->pbUpdateProgress, state, progress);
    if (progress != 100 || !m_updater.firmware())
        return;
    if (m_updater.firmware()->isApplication()) {
        firmwarewindows::showMessage(tr("Firmware was uploaded successully. Please reconnect to device."));
        return;
    }
    qCDebug(lcUi) << "bootloader updated";
    const auto answer =
        QMessageBox::question(nullptr, QGuiApplication::applicationDisplayName(),
                              tr("Bootloader firnware was uploaded successully. Reinstall main firmware?"),
                              QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    qCDebug(lcUi) << "now installing main";
    installMain();
}

void FirmwareUpdateWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    for (QTableWidget *table : tables())
        table->resizeRowsToContents();
}

void FirmwareUpdateWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
