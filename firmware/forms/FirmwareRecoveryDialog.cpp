#include "FirmwareRecoveryDialog.h"
#include "ui_FirmwareRecoveryDialog.h"

#include "BleBackend.h"
#include "BleDeviceDiscovery.h"
#include "Firmware.h"
#include "FirmwareWindows.h"

#include <QEvent>
#include <QSettings>

FirmwareRecoveryDialog::FirmwareRecoveryDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::FirmwareRecoveryDialog), m_agent(BleBackend::instance()->createDeviceDiscovery())
{
    ui->setupUi(this);
    // Nobody keeps a pointer to the dialog: it goes, with its scan, when closed.
    setAttribute(Qt::WA_DeleteOnClose);

    connect(m_agent.get(), &BleDeviceDiscovery::deviceDiscovered, this, &FirmwareRecoveryDialog::onDeviceDiscovered);
    connect(m_agent.get(), &BleDeviceDiscovery::finished, this, &FirmwareRecoveryDialog::onDeviceDiscoveryFinished);
    connect(ui->pbScan, &QPushButton::clicked, this, &FirmwareRecoveryDialog::toggleScan);
    connect(ui->lwDevices, &QTableWidget::currentItemChanged, this, &FirmwareRecoveryDialog::onDeviceSelected);
    connect(ui->pbRecover, &QPushButton::clicked, this, &FirmwareRecoveryDialog::recoverSelectedDevice);
    connect(ui->lwDevices, &QTableWidget::doubleClicked, this, &FirmwareRecoveryDialog::recoverSelectedDevice);
    connect(ui->pbOpenFile, &QPushButton::clicked, this, &FirmwareRecoveryDialog::selectFirmware);
    connect(&m_updater, &DFUUpdater::error, this, &FirmwareRecoveryDialog::errorMessage);
    connect(&m_updater, &DFUUpdater::updateStatus, this, &FirmwareRecoveryDialog::onUpdateStatus);

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
        ui->pbScan->setText(tr("Rescan"));
    } else {
        m_agent->start();
        ui->pbScan->setText(tr("Stop scanning"));
    }
}

void FirmwareRecoveryDialog::onDeviceDiscoveryFinished()
{
    ui->pbScan->setText(tr("Rescan"));
}

void FirmwareRecoveryDialog::onDeviceDiscovered(const QBluetoothDeviceInfo &info)
{
    // Only devices heard advertising are listed.
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

void FirmwareRecoveryDialog::onDeviceSelected(QTableWidgetItem *current, QTableWidgetItem *previous)
{
    Q_UNUSED(previous)
    ui->pbRecover->setEnabled(current && m_firmwareLoaded);
}

void FirmwareRecoveryDialog::selectFirmware()
{
    Firmware *firmware = firmwarewindows::choosePackage(this);
    if (!firmware)
        return;
    // The two words are not translated.
    const QString kind = firmware->isApplication() ? QStringLiteral("Application") : QStringLiteral("Bootloader");
    ui->lblSelectedFile->setText(
        QStringLiteral("%1 (%2)").arg(QSettings().value(QStringLiteral("firmware_file")).toString(), kind));
    m_updater.setFirmware(firmware);
    m_firmwareLoaded = true;
    ui->pbRecover->setEnabled(ui->lwDevices->currentRow() >= 0);
}

void FirmwareRecoveryDialog::recoverSelectedDevice()
{
    if (m_agent->isActive())
        toggleScan();
    if (ui->lwDevices->selectedItems().isEmpty())
        return;
    if (!m_firmwareLoaded)
        selectFirmware();
    if (!m_firmwareLoaded)
        return;
    const int row = ui->lwDevices->currentRow();
    if (row < 0 || row >= m_devices.size())
        return;
    m_updater.reset();
    m_updater.connectToDevice(m_devices.at(row));
}

void FirmwareRecoveryDialog::errorMessage(const QString &message)
{
    firmwarewindows::showMessage(message);
}

void FirmwareRecoveryDialog::onUpdateStatus(StateM state, uint32_t progress)
{
    firmwarewindows::showState(ui->lblRecoveryStatus, ui->pbRecoveryProgress, state, progress);
    if (progress == 100)
        firmwarewindows::showMessage(tr("Device was recovered successully. You can close this window now."));
}

void FirmwareRecoveryDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
