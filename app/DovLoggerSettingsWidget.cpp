#include "DovLoggerSettingsWidget.h"
#include "ui_DovLoggerSettingsWidget.h"

#include "DevicePanel.h"
#include "LimiterDevice.h"

#include <QEvent>

namespace {
constexpr int kUserSetOffset = 6;
}

DovLoggerSettingsWidget::DovLoggerSettingsWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::DovLoggerSettingsWidget)
{
    ui->setupUi(this);
    devicepanel::fitPageList(ui->lwSettingsCategories);
    connect(ui->lwSettingsCategories, &QListWidget::currentRowChanged, this,
            &DovLoggerSettingsWidget::onSettingsPageChanged);
    connect(ui->pbSaveSettings, &QPushButton::clicked, this, &DovLoggerSettingsWidget::saveSettings);
    connect(ui->pbLoadDefaults, &QPushButton::clicked, this, &DovLoggerSettingsWidget::resetSettings);
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
    LimiterDevice *d = m_device.get();
    ui->pageTelemetry->setDevice(m_device);
    ui->pageTerminal->setDevice(m_device);
    devicepanel::connectCommonPages({this, ui->lwSettingsCategories, ui->swSettingsPage, ui->pCommonSettings,
                                     ui->pFirmwareUpdate, ui->pLogger},
                                    m_device);

    connect(d, &LimiterDevice::commonSettingsUpdated, this, &DovLoggerSettingsWidget::onCommonSettingsUpdated);
    // The set names fill the common page's list of sets; a DOV logger has no
    // limit set pages.
    connect(d, &LimiterDevice::userLimitSettingsUpdated, this, [this](int index) {
        ui->pCommonSettings->setLimitSettingsSetName(
            index + kUserSetOffset, devicepanel::limitSetName(m_device->userLimitSettings(index)));
    });
    connect(d, &LimiterDevice::defaultLimitSettingsUpdated, this, [this](int index) {
        ui->pCommonSettings->setLimitSettingsSetName(index,
                                                     devicepanel::limitSetName(m_device->defaultLimitSettings(index)));
    });
}

void DovLoggerSettingsWidget::setFirmwareDownloader(FirmwareDownloader *downloader)
{
    ui->pFirmwareUpdate->setFirmwareDownloader(downloader);
}

void DovLoggerSettingsWidget::onCommonSettingsUpdated()
{
    devicepanel::enablePageRow(ui->lwSettingsCategories, ui->swSettingsPage, ui->pCommonSettings);
    ui->pCommonSettings->setCommonSettings(m_device->commonSettings());
    devicepanel::enablePageRow(ui->lwSettingsCategories, ui->swSettingsPage, ui->pFirmwareUpdate);
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
