#include "LimitSettingsWidget.h"
#include "ui_LimitSettingsWidget.h"

#include "Utf8LengthValidator.h"

#include <QEvent>
#include <QTime>

using namespace SettingsRecords;

LimitSettingsWidget::LimitSettingsWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::LimitSettingsWidget)
{
    ui->setupUi(this);
    Utf8LengthValidator::limit(ui->leSettingsName, kMaxSetNameBytes);
    m_edits.watch({ui->leSettingsName, ui->dbEnergyRef, ui->dbStartLimitCurrent, ui->teRaceTime, ui->sbRampMod,
                   ui->sbRampDownTimeS, ui->sbLimitTimeS, ui->cbResetByBattDisconn, ui->cbAecEnable,
                   ui->sbAecMaxStartConsumption, ui->sbAecAdditionalTime, ui->sbAecMinDuty});
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
    m_edits.fill([&] {
        ui->leSettingsName->setText(form.name.value);
        ui->cbResetByBattDisconn->setChecked(form.resetByBattDisconn.value);
        ui->teRaceTime->setTime(QTime(0, 0).addSecs(form.raceTimeS.value));
        ui->dbEnergyRef->setValue(form.energyWh.value);
        ui->sbLimitTimeS->setValue(form.limitTime.value);
        ui->sbRampDownTimeS->setValue(form.rampDownTime.value);
        ui->sbRampMod->setValue(form.rampMod.value);
        ui->dbStartLimitCurrent->setValue(form.startCurrent.value);
        ui->cbAecEnable->setChecked(form.aecEnable.value);
        ui->sbAecMaxStartConsumption->setValue(form.aecMaxStartConsumption.value);
        ui->sbAecAdditionalTime->setValue(form.aecAdditionalTime.value);
        ui->sbAecMinDuty->setValue(form.aecMinDuty.value);
    });
    m_settings = limitSetKept(settings);
}

s_LimitSettBle LimitSettingsWidget::limitSettings() const
{
    return limitSetRecord(m_settings, shownForm());
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
    form.name = m_edits.field(ui->leSettingsName, ui->leSettingsName->text());
    form.energyWh = m_edits.field(ui->dbEnergyRef, ui->dbEnergyRef->value());
    form.startCurrent = m_edits.field(ui->dbStartLimitCurrent, ui->dbStartLimitCurrent->value());
    form.raceTimeS = m_edits.field(ui->teRaceTime, QTime(0, 0).secsTo(ui->teRaceTime->time()));
    form.rampMod = m_edits.field(ui->sbRampMod, ui->sbRampMod->value());
    form.rampDownTime = m_edits.field(ui->sbRampDownTimeS, ui->sbRampDownTimeS->value());
    form.limitTime = m_edits.field(ui->sbLimitTimeS, ui->sbLimitTimeS->value());
    form.resetByBattDisconn = m_edits.field(ui->cbResetByBattDisconn, ui->cbResetByBattDisconn->isChecked());
    form.aecEnable = m_edits.field(ui->cbAecEnable, ui->cbAecEnable->isChecked());
    form.aecMaxStartConsumption = m_edits.field(ui->sbAecMaxStartConsumption, ui->sbAecMaxStartConsumption->value());
    form.aecAdditionalTime = m_edits.field(ui->sbAecAdditionalTime, ui->sbAecAdditionalTime->value());
    form.aecMinDuty = m_edits.field(ui->sbAecMinDuty, ui->sbAecMinDuty->value());
    return form;
}
