#include "MotorDriveSettWidget.h"
#include "ui_MotorDriveSettWidget.h"

#include <QEvent>

using namespace SettingsRecords;

MotorDriveSettWidget::MotorDriveSettWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MotorDriveSettWidget)
{
    ui->setupUi(this);
    m_edits.watch({ui->cbBECVoltage, ui->cbMotorDriveMode, ui->sbMaxRefDuty, ui->sbMaxRefRPM, ui->sbMaxRefPhCurr,
                   ui->sbMaxRefDcCurr, ui->sbMaxRefDcPower, ui->sbVoltageCutoffThreshold, ui->cbAntiCarrot,
                   ui->cbRescueFlash});
}

MotorDriveSettWidget::~MotorDriveSettWidget()
{
    delete ui;
}

s_MotorDriveSettBle MotorDriveSettWidget::motorDriveSettings() const
{
    return motorDriveRecord(m_settings, shownForm());
}

void MotorDriveSettWidget::setMotorDriveSettings(const s_MotorDriveSettBle &settings)
{
    const MotorDriveForm form = motorDriveForm(settings);
    m_edits.fill([&] {
        ui->cbAntiCarrot->setChecked(form.antiCarrot.value);
        ui->cbRescueFlash->setChecked(form.rescueFlash.value);
        ui->cbBECVoltage->setCurrentIndex(form.becVoltage.value);
        ui->cbMotorDriveMode->setCurrentIndex(form.motorDriveMode.value);
        ui->sbMaxRefDcCurr->setValue(form.maxRefDcCurr.value);
        ui->sbMaxRefDcPower->setValue(form.maxRefDcPower.value);
        ui->sbMaxRefDuty->setValue(form.maxRefDuty.value);
        ui->sbMaxRefPhCurr->setValue(form.maxRefPhCurr.value);
        ui->sbMaxRefRPM->setValue(form.maxRefRpm.value);
        ui->sbVoltageCutoffThreshold->setValue(form.voltageCutoffThreshold.value);
    });
    m_settings = settings;
}

void MotorDriveSettWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

MotorDriveForm MotorDriveSettWidget::shownForm() const
{
    MotorDriveForm form;
    form.becVoltage = m_edits.field(ui->cbBECVoltage, ui->cbBECVoltage->currentIndex());
    form.motorDriveMode = m_edits.field(ui->cbMotorDriveMode, ui->cbMotorDriveMode->currentIndex());
    form.maxRefDuty = m_edits.field(ui->sbMaxRefDuty, ui->sbMaxRefDuty->value());
    form.maxRefRpm = m_edits.field(ui->sbMaxRefRPM, ui->sbMaxRefRPM->value());
    form.maxRefPhCurr = m_edits.field(ui->sbMaxRefPhCurr, ui->sbMaxRefPhCurr->value());
    form.maxRefDcCurr = m_edits.field(ui->sbMaxRefDcCurr, ui->sbMaxRefDcCurr->value());
    form.maxRefDcPower = m_edits.field(ui->sbMaxRefDcPower, ui->sbMaxRefDcPower->value());
    form.voltageCutoffThreshold = m_edits.field(ui->sbVoltageCutoffThreshold, ui->sbVoltageCutoffThreshold->value());
    form.antiCarrot = m_edits.field(ui->cbAntiCarrot, ui->cbAntiCarrot->isChecked());
    form.rescueFlash = m_edits.field(ui->cbRescueFlash, ui->cbRescueFlash->isChecked());
    return form;
}
