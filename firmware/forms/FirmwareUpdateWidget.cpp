#include "FirmwareUpdateWidget.h"
#include "ui_FirmwareUpdateWidget.h"

#include "DeviceRecords.h"
#include "Diagnostics.h"
#include "Firmware.h"
#include "FirmwareDownloader.h"
#include "FirmwareSelection.h"
#include "FirmwareWindows.h"
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
    connect(&m_installer, &FirmwareInstaller::updateStatus, this, &FirmwareUpdateWidget::showUpdateStatus);
    connect(&m_installer, &FirmwareInstaller::stepChanged, this, &FirmwareUpdateWidget::showChoices);
    connect(&m_installer, &FirmwareInstaller::finished, this, &FirmwareUpdateWidget::onFinished);
    connect(&m_installer, &FirmwareInstaller::failed, this, &FirmwareUpdateWidget::onFailed);
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
    m_installer.setDownloader(downloader);
    if (!downloader)
        return;
    connect(downloader, &FirmwareDownloader::refreshFinished, this, &FirmwareUpdateWidget::fillFirmwareTables,
            Qt::UniqueConnection);
    // A failed download leaves the index as it was: only a failed index
    // request empties the tables.
    connect(downloader, &FirmwareDownloader::refreshFailed, this, &FirmwareUpdateWidget::showIndexError,
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
    m_installer.setDevice(m_device);
    if (!m_device)
        return;
    connect(m_device.get(), &LimiterDevice::deviceInformationUpdated, this, &FirmwareUpdateWidget::updateDeviceInfo);
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
    m_indexFailed = false;
    for (QTableWidget *table : tables())
        table->setRowCount(0);

    const QList<FirmwareInfo> index = m_downloader->firmwareList();
    const QVersionNumber hardware = m_device ? m_device->hardwareVersion() : QVersionNumber();
    const struct {
        FirmwareType type;
        QTableWidget *table;
        QList<FirmwareInfo> *entries;
    } groups[] = {
        {FirmwareType::Main, ui->cbMainFirmware, &m_mainFirmware},
        {FirmwareType::Bootloader, ui->cbBootloaderFirmware, &m_bootloaderFirmware},
        {FirmwareType::Esc, ui->cbESCFirmware, &m_escFirmware},
    };
    for (const auto &group : groups) {
        const FirmwareChoice choice = chooseFirmware(index, group.type, hardware);
        *group.entries = choice.entries;
        fillTable(group.table, choice);
        if (choice.recommendedRow >= 0)
            group.table->setCurrentCell(choice.recommendedRow, 0);
        group.table->resizeRowsToContents();
    }
    showChoices();
}

void FirmwareUpdateWidget::showIndexError()
{
    m_indexFailed = true;
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
    showChoices();
}

void FirmwareUpdateWidget::showChoices()
{
    const bool idle = !m_installer.isRunning();
    ui->pbOpenFirmware->setEnabled(idle);
    ui->pbInstallMain->setEnabled(idle && !m_mainFirmware.isEmpty());
    ui->pbInstallBootloader->setEnabled(idle && !m_bootloaderFirmware.isEmpty());
    ui->pbInstallESC->setEnabled(idle && !m_escFirmware.isEmpty());
}

std::optional<FirmwareInfo> FirmwareUpdateWidget::chosenEntry(QTableWidget *table, const QList<FirmwareInfo> &entries)
{
    const int row = table->currentRow();
    if (table->selectedItems().isEmpty() || row < 0 || row >= entries.size())
        return std::nullopt;
    return entries.at(row);
}

void FirmwareUpdateWidget::install(QTableWidget *table, const QList<FirmwareInfo> &entries)
{
    // The table's double click stays on while an installation runs; the
    // installer would refuse, but nothing should even be tried.
    if (m_installer.isRunning())
        return;
    if (const std::optional<FirmwareInfo> entry = chosenEntry(table, entries))
        m_installer.installEntry(*entry);
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

void FirmwareUpdateWidget::installFromLocalFile()
{
    if (m_installer.isRunning())
        return;
    // A package is of no use before the device can take it: say so first.
    if (const QString problem = m_installer.deviceProblem(); !problem.isEmpty()) {
        errorMessage(problem);
        return;
    }
    if (Firmware *firmware = firmwarewindows::choosePackage(this))
        m_installer.installPackage(firmware);
}

void FirmwareUpdateWidget::errorMessage(const QString &message)
{
    firmwarewindows::showMessage(message);
}

void FirmwareUpdateWidget::onFailed(FirmwareInstaller::Step step, const QString &message)
{
    // The main window shows the downloader's own failures.
    if (step != FirmwareInstaller::Step::Downloading)
        errorMessage(message);
}

void FirmwareUpdateWidget::showUpdateStatus(StateM state, uint32_t progress)
{
    firmwarewindows::showState(ui->lblUpdateState, ui->pbUpdateProgress, state, progress);
}

void FirmwareUpdateWidget::onFinished(bool application)
{
    if (application) {
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
    const std::optional<FirmwareInfo> main = chosenEntry(ui->cbMainFirmware, m_mainFirmware);
    if (!main)
        return;
    qCDebug(lcUi) << "now installing main";
    m_installer.installMainAfterBootloader(*main);
}

void FirmwareUpdateWidget::showState()
{
    updateDeviceInfo();
    if (m_indexFailed)
        showIndexError();
    if (m_installer.state() >= 0)
        showUpdateStatus(StateM(m_installer.state()), m_installer.progress());
}

void FirmwareUpdateWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    for (QTableWidget *table : tables())
        table->resizeRowsToContents();
}

void FirmwareUpdateWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showState();
    }
    QWidget::changeEvent(event);
}
