#include "DovLoggerSettingsWidget.h"
#include "ui_DovLoggerSettingsWidget.h"

#include "DevicePanel.h"
#include "LimiterDevice.h"

#include <QEvent>

DovLoggerSettingsWidget::DovLoggerSettingsWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::DovLoggerSettingsWidget)
{
    ui->setupUi(this);
    devicepanel::connectForm(this, devicepanel::commonPagesOf(this, ui));
}

DovLoggerSettingsWidget::~DovLoggerSettingsWidget()
{
    delete ui;
}

void DovLoggerSettingsWidget::setDevice(std::shared_ptr<LimiterDevice> device)
{
    m_device = std::move(device);
    if (!m_device)
        return;
    // A DOV logger has no limit set pages: the set names only fill the
    // common page's list of sets.
    ui->pageTelemetry->setDevice(m_device);
    devicepanel::connectCommonPages(devicepanel::commonPagesOf(this, ui), m_device);
}

void DovLoggerSettingsWidget::setFirmwareDownloader(FirmwareDownloader *downloader)
{
    ui->pFirmwareUpdate->setFirmwareDownloader(downloader);
}

void DovLoggerSettingsWidget::onSettingsPageChanged(int currentPage)
{
    devicepanel::changePage(ui->lwSettingsCategories, ui->swSettingsPage, currentPage);
}

void DovLoggerSettingsWidget::saveSettings()
{
    if (m_device && ui->swSettingsPage->currentWidget() == ui->pCommonSettings)
        ui->pCommonSettings->writeToDevice();
}

void DovLoggerSettingsWidget::resetSettings()
{
    if (m_device && ui->swSettingsPage->currentWidget() == ui->pCommonSettings)
        m_device->resetCommonSettings();
}

void DovLoggerSettingsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        devicepanel::fitPageList(ui->lwSettingsCategories);
    }
    QWidget::changeEvent(event);
}
