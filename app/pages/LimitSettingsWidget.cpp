#include "LimitSettingsWidget.h"
#include "ui_LimitSettingsWidget.h"

#include <QEvent>
#include <QTime>

using namespace SettingsRecords;

LimitSettingsWidget::LimitSettingsWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::LimitSettingsWidget)
{
    ui->setupUi(this);
}

LimitSettingsWidget::~LimitSettingsWidget()
{
    delete ui;
}

void LimitSettingsWidget::setLimitSettings(const s_LimitSettBle &settings, int set,
                                           const s_DeviceInfoBle &deviceInformation)
{
    ui->gbLimiterSettings->setEnabled(limitFieldsEditable(set));
    ui->gbAEC->setEnabled(aecEditable(deviceInformation));

    const LimitSetForm form = limitSetForm(settings);
    ui->leSettingsName->setText(form.name);
    ui->cbResetByBattDisconn->setChecked(form.resetByBattDisconn);
    ui->teRaceTime->setTime(QTime(0, 0).addSecs(form.raceTimeS));
    ui->dbEnergyRef->setValue(form.energyWh);
    ui->sbLimitTimeS->setValue(form.limitTime);
    ui->sbRampDownTimeS->setValue(form.rampDownTime);
    ui->sbRampMod->setValue(form.rampMod);
    ui->dbStartLimitCurrent->setValue(form.startCurrent);
    ui->cbAecEnable->setChecked(form.aecEnable);
    ui->sbAecMaxStartConsumption->setValue(form.aecMaxStartConsumption);
    ui->sbAecAdditionalTime->setValue(form.aecAdditionalTime);
    ui->sbAecMinDuty->setValue(form.aecMinDuty);

    m_settings = limitSetKept(settings);
    m_filled = shownForm();
}

s_LimitSettBle LimitSettingsWidget::limitSettings()
{
    m_settings = limitSetRecord(m_settings, m_filled, shownForm());
    return m_settings;
}

void LimitSettingsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

LimitSetForm LimitSettingsWidget::shownForm() const
{
    LimitSetForm form;
    form.name = ui->leSettingsName->text();
    form.energyWh = ui->dbEnergyRef->value();
    form.startCurrent = ui->dbStartLimitCurrent->value();
    form.raceTimeS = QTime(0, 0).secsTo(ui->teRaceTime->time());
    form.rampMod = ui->sbRampMod->value();
    form.rampDownTime = ui->sbRampDownTimeS->value();
    form.limitTime = ui->sbLimitTimeS->value();
    form.resetByBattDisconn = ui->cbResetByBattDisconn->isChecked();
    form.aecEnable = ui->cbAecEnable->isChecked();
    form.aecMaxStartConsumption = ui->sbAecMaxStartConsumption->value();
    form.aecAdditionalTime = ui->sbAecAdditionalTime->value();
    form.aecMinDuty = ui->sbAecMinDuty->value();
    return form;
}
