#include "FirmwareRecoveryDialog.h"
#include "ui_FirmwareRecoveryDialog.h"

#include "BleBackend.h"
#include "BleDeviceDiscovery.h"
#include "Firmware.h"
#include "FirmwareWindows.h"

#include <QEvent>
#include <QSettings>
#include <QHideEvent>
#include <QShowEvent>

FirmwareRecoveryDialog::FirmwareRecoveryDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::FirmwareRecoveryDialog), m_agent(BleBackend::instance()->createDeviceDiscovery())
{
    ui->setupUi(this);

    connect(m_agent.get(), &BleDeviceDiscovery::deviceDiscovered, this, &FirmwareRecoveryDialog::onDeviceDiscovered);
    connect(m_agent.get(), &BleDeviceDiscovery::finished, this, &FirmwareRecoveryDialog::onDeviceDiscoveryFinished);
    connect(ui->pbScan, &QPushButton::clicked, this, &FirmwareRecoveryDialog::toggleScan);
    connect(ui->lwDevices, &QTableWidget::currentItemChanged, this, &FirmwareRecoveryDialog::onDeviceSelected);
    connect(ui->pbRecover, &QPushButton::clicked, this, &FirmwareRecoveryDialog::recoverSelectedDevice);
    connect(ui->lwDevices, &QTableWidget::doubleClicked, this, &FirmwareRecoveryDialog::recoverSelectedDevice);
    connect(ui->pbOpenFile, &QPushButton::clicked, this, &FirmwareRecoveryDialog::selectFirmware);
    connect(&m_installer, &FirmwareInstaller::updateStatus, this, &FirmwareRecoveryDialog::onUpdateStatus);
    connect(&m_installer, &FirmwareInstaller::stepChanged, this, &FirmwareRecoveryDialog::showChoices);
    connect(&m_installer, &FirmwareInstaller::finished, this, &FirmwareRecoveryDialog::onFinished);
    connect(&m_installer, &FirmwareInstaller::failed, this,
            [this](FirmwareInstaller::Step, const QString &message) { errorMessage(message); });

    ui->pbRecover->setEnabled(false);
    ui->lwDevices->setColumnCount(2);
    ui->lblRecoveryStatus->hide();
    ui->pbRecoveryProgress->hide();
    toggleScan();
}

FirmwareRecoveryDialog::~FirmwareRecoveryDialog()
{
    if (m_agent->isActive())
        m_agent->stop();
    delete ui;
}

void FirmwareRecoveryDialog::toggleScan()
{
    if (m_agent->isActive()) {
        m_agent->stop();
    } else {
        m_agent->start();
        m_scanned = true;
    }
    showScanButton();
}

void FirmwareRecoveryDialog::showScanButton()
{
    if (m_agent->isActive())
        ui->pbScan->setText(tr("Stop scanning"));
    else
        ui->pbScan->setText(m_scanned ? tr("Rescan") : tr("Scan"));
}

void FirmwareRecoveryDialog::onDeviceDiscoveryFinished()
{
    showScanButton();
}

void FirmwareRecoveryDialog::onDeviceDiscovered(const QBluetoothDeviceInfo &info)
{
    // Only devices heard advertising are listed. Every one is: a device
    // that runs its application instead of its bootloader is told apart
    // when the recovery connects (it has no DFU control point).
    if (info.rssi() == 0)
        return;
    const QString address = info.address().toString();
    for (const QBluetoothDeviceInfo &listed : std::as_const(m_devices)) {
        if (listed == info || listed.address().toString() == address)
            return;
    }
    m_devices.append(info);
    const int row = ui->lwDevices->rowCount();
    ui->lwDevices->insertRow(row);
    ui->lwDevices->setItem(row, 0, new QTableWidgetItem(QStringLiteral("%1 (%2)").arg(info.name(), address)));
    ui->lwDevices->setItem(row, 1, new QTableWidgetItem(tr("%1dBi").arg(info.rssi())));
    ui->lwDevices->resizeColumnsToContents();
}

void FirmwareRecoveryDialog::onDeviceSelected(QTableWidgetItem *, QTableWidgetItem *)
{
    showChoices();
}

void FirmwareRecoveryDialog::showChoices()
{
    const bool idle = !m_installer.isRunning();
    ui->pbOpenFile->setEnabled(idle);
    ui->pbScan->setEnabled(idle);
    ui->pbRecover->setEnabled(idle && m_installer.package() && ui->lwDevices->currentItem());
}

void FirmwareRecoveryDialog::selectFirmware()
{
    if (m_installer.isRunning())
        return;
    Firmware *firmware = firmwarewindows::choosePackage(this);
    if (!firmware)
        return;
    m_packagePath = QSettings().value(QStringLiteral("firmware_file")).toString();
    m_installer.choosePackage(firmware);
    showState();
    showChoices();
}

void FirmwareRecoveryDialog::recoverSelectedDevice()
{
    if (m_installer.isRunning())
        return;
    if (m_agent->isActive())
        toggleScan();
    if (ui->lwDevices->selectedItems().isEmpty())
        return;
    if (!m_installer.package())
        selectFirmware();
    if (!m_installer.package())
        return;
    const int row = ui->lwDevices->currentRow();
    if (row < 0 || row >= m_devices.size())
        return;
    m_installer.recover(m_devices.at(row));
}

void FirmwareRecoveryDialog::errorMessage(const QString &message)
{
    firmwarewindows::showMessage(message);
}

void FirmwareRecoveryDialog::onUpdateStatus(StateM state, uint32_t progress)
{
    firmwarewindows::showState(ui->lblRecoveryStatus, ui->pbRecoveryProgress, state, progress);
}

void FirmwareRecoveryDialog::onFinished()
{
    firmwarewindows::showMessage(tr("Device was recovered successully. You can close this window now."));
}

void FirmwareRecoveryDialog::showState()
{
    if (const Firmware *firmware = m_installer.package(); firmware && !m_packagePath.isEmpty()) {
        // The two words are not translated.
        const QString kind = firmware->isApplication() ? QStringLiteral("Application") : QStringLiteral("Bootloader");
        ui->lblSelectedFile->setText(QStringLiteral("%1 (%2)").arg(m_packagePath, kind));
    }
    showScanButton();
    if (m_installer.state() >= 0)
        onUpdateStatus(StateM(m_installer.state()), m_installer.progress());
}

void FirmwareRecoveryDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Shown again by the user: the air is scanned anew, unless a recovery
    // runs (it would compete with the transfer for the radio).
    if (!event->spontaneous() && !m_installer.isRunning() && !m_agent->isActive())
        toggleScan();
}

void FirmwareRecoveryDialog::hideEvent(QHideEvent *event)
{
    // Nobody sees the list of a hidden dialog.
    if (!event->spontaneous() && m_agent->isActive())
        toggleScan();
    QDialog::hideEvent(event);
}

void FirmwareRecoveryDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showState();
    }
    QDialog::changeEvent(event);
}
