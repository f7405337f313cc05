#include "LimiterSettingsWidget.h"
#include "ui_LimiterSettingsWidget.h"

#include "DevicePanel.h"
#include "Diagnostics.h"
#include "LimiterDevice.h"

#include <QEvent>

namespace {

constexpr int kEscSettingsRow = 3;
constexpr int kFirstLimitSetRow = 5;
constexpr int kLastLimitSetRow = 18;
constexpr int kDefaultLimitSets = 6;

} // namespace

LimiterSettingsWidget::LimiterSettingsWidget(QWidget *parent) : QWidget(parent), ui(new Ui::LimiterSettingsWidget)
{
    ui->setupUi(this);
    devicepanel::connectForm(this, devicepanel::commonPagesOf(this, ui));
}

LimiterSettingsWidget::~LimiterSettingsWidget()
{
    delete ui;
}

void LimiterSettingsWidget::setDevice(std::shared_ptr<LimiterDevice> device)
{
    m_device = std::move(device);
    if (m_device) {
        LimiterDevice *d = m_device.get();
        ui->pageTelemetry->setDevice(m_device);
        devicepanel::connectCommonPages(devicepanel::commonPagesOf(this, ui), m_device);

        connect(d, &LimiterDevice::userLimitSettingsUpdated, this, &LimiterSettingsWidget::onUserLimitSettingsUpdated);
        connect(d, &LimiterDevice::defaultLimitSettingsUpdated, this,
                &LimiterSettingsWidget::onDefaultLimitSettingsUpdated);
        connect(d, &LimiterDevice::motorSettingsUpdated, this, &LimiterSettingsWidget::onMotorSettingsUpdated);
        connect(d, &LimiterDevice::motorDriveSettingsUpdated, this,
                &LimiterSettingsWidget::onMotorDriveSettingsUpdated);
        connect(d, &LimiterDevice::timingTableUpdated, this, &LimiterSettingsWidget::onTimingTableUpdated);
        connect(ui->pEscSettings, &EscSettings::setFullThrottle, d, &LimiterDevice::sendSetFullThrottle);
        connect(ui->pEscSettings, &EscSettings::setStopPosition, d, &LimiterDevice::sendSetStopPosition);
        connect(ui->pEscSettings, &EscSettings::setFailsafePosition, d, &LimiterDevice::sendSetFailsafePosition);
        connect(ui->pEscSettings, &EscSettings::setMaxTimingPosition, d, &LimiterDevice::sendSetMaxTimingPosition);
        connect(ui->pEscSettings, &EscSettings::setMinTimingPosition, d, &LimiterDevice::sendSetMinTimingPosition);
    }

    ui->lwSettingsCategories->setRowHidden(kEscSettingsRow, true);
    // These hardware versions have no limit sets.
    if (m_device) {
        const QVersionNumber hardware = m_device->hardwareVersion();
        if (hardware == QVersionNumber(17, 0, 0) || hardware == QVersionNumber(18, 0, 0)) {
            for (int row = kFirstLimitSetRow; row <= kLastLimitSetRow; ++row)
                ui->lwSettingsCategories->setRowHidden(row, true);
        }
    }
}

void LimiterSettingsWidget::setFirmwareDownloader(FirmwareDownloader *downloader)
{
    ui->pFirmwareUpdate->setFirmwareDownloader(downloader);
}

void LimiterSettingsWidget::onDefaultLimitSettingsUpdated(int index)
{
    if (index < 0 || index >= kDefaultLimitSets)
        return;
    const int row = kFirstLimitSetRow + index;
    const s_LimitSettBle set = m_device->defaultLimitSettings(index);
    devicepanel::enablePageRow(ui->lwSettingsCategories, ui->swSettingsPage, ui->swSettingsPage->widget(row));
    if (auto *page = qobject_cast<LimitSettingsWidget *>(ui->swSettingsPage->widget(row)))
        page->setLimitSettings(set, index, m_device->deviceInformation());
}

void LimiterSettingsWidget::onUserLimitSettingsUpdated(int index)
{
    if (index < 0 || index > kLastLimitSetRow - kFirstLimitSetRow - kDefaultLimitSets)
        return;
    const int setNumber = index + kDefaultLimitSets;
    const int row = kFirstLimitSetRow + setNumber;
    const s_LimitSettBle set = m_device->userLimitSettings(index);
    const QString name = devicepanel::limitSetName(set);
    QListWidgetItem *item = ui->lwSettingsCategories->item(row);
    devicepanel::enablePageRow(ui->lwSettingsCategories, ui->swSettingsPage, ui->swSettingsPage->widget(row));
    if (auto *page = qobject_cast<LimitSettingsWidget *>(ui->swSettingsPage->widget(row)))
        page->setLimitSettings(set, setNumber, m_device->deviceInformation());
    // Not translated: the row shows the device's own name of the set.
    item->setText(QStringLiteral("User mode \"%1\" (%2)").arg(name, QString::number(setNumber)));
    devicepanel::fitPageList(ui->lwSettingsCategories);
}

void LimiterSettingsWidget::onMotorDriveSettingsUpdated()
{
    devicepanel::enablePageRow(ui->lwSettingsCategories, ui->swSettingsPage, ui->pEscSettings);
    ui->pEscSettings->setMotorDriveSettings(m_device->motorDriveSettings());
}

void LimiterSettingsWidget::onMotorSettingsUpdated()
{
    devicepanel::enablePageRow(ui->lwSettingsCategories, ui->swSettingsPage, ui->pEscSettings);
    ui->pEscSettings->setMotorSettings(m_device->motorSettings());
}

void LimiterSettingsWidget::onTimingTableUpdated()
{
    ui->pEscSettings->setTimingTable(m_device->timingTable());
}

void LimiterSettingsWidget::onSettingsPageChanged(int currentPage)
{
    devicepanel::changePage(ui->lwSettingsCategories, ui->swSettingsPage, currentPage);
}

int LimiterSettingsWidget::currentLimitSet() const
{
    QWidget *page = ui->swSettingsPage->currentWidget();
    if (!qobject_cast<LimitSettingsWidget *>(page))
        return -1;
    return ui->swSettingsPage->indexOf(page) - ui->swSettingsPage->indexOf(ui->pNoLimits);
}

void LimiterSettingsWidget::saveSettings()
{
    if (!m_device)
        return;
    QWidget *page = ui->swSettingsPage->currentWidget();
    if (page == ui->pCommonSettings) {
        ui->pCommonSettings->writeToDevice();
    } else if (page == ui->pEscSettings) {
        m_device->writeMotorSettings(ui->pEscSettings->motorSettings());
        m_device->writeMotorDriveSettings(ui->pEscSettings->motorDriveSettings());
    } else if (const int set = currentLimitSet(); set >= 0) {
        m_device->writeLimitSettings(set, static_cast<LimitSettingsWidget *>(page)->limitSettings());
    } else {
        qCDebug(lcUi) << "Unknown settings page selected";
    }
}

void LimiterSettingsWidget::resetSettings()
{
    if (!m_device)
        return;
    QWidget *page = ui->swSettingsPage->currentWidget();
    if (page == ui->pCommonSettings)
        m_device->resetCommonSettings();
    else if (page == ui->pEscSettings)
        m_device->resetEscSettings();
    else if (const int set = currentLimitSet(); set >= 0)
        m_device->resetLimitSettings(set);
    else
        qCDebug(lcUi) << "Unknown settings page selected";
}

void LimiterSettingsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The user set rows keep the names the device gave them.
        QStringList rows;
        for (int row = 0; row < ui->lwSettingsCategories->count(); ++row)
            rows << ui->lwSettingsCategories->item(row)->text();
        ui->retranslateUi(this);
        for (int row = kFirstLimitSetRow + 1; row <= kLastLimitSetRow; ++row)
            ui->lwSettingsCategories->item(row)->setText(rows.at(row));
        devicepanel::fitPageList(ui->lwSettingsCategories);
    }
    QWidget::changeEvent(event);
}
