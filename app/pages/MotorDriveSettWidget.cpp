#include "MotorDriveSettWidget.h"
#include "ui_MotorDriveSettWidget.h"

#include <QEvent>

using namespace SettingsRecords;

MotorDriveSettWidget::MotorDriveSettWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MotorDriveSettWidget)
{
    ui->setupUi(this);
}

MotorDriveSettWidget::~MotorDriveSettWidget()
{
    delete ui;
}

s_MotorDriveSettBle MotorDriveSettWidget::motorDriveSettings()
{
    m_settings = motorDriveRecord(m_settings, m_filled, shownForm());
    return m_settings;
}

void MotorDriveSettWidget::setMotorDriveSettings(const s_MotorDriveSettBle &settings)
{
    const MotorDriveForm form = motorDriveForm(settings);
    ui->cbAntiCarrot->setChecked(form.antiCarrot);
    ui->cbRescueFlash->setChecked(form.rescueFlash);
    ui->cbBECVoltage->setCurrentIndex(form.becVoltage);
    ui->cbMotorDriveMode->setCurrentIndex(form.motorDriveMode);
    ui->sbMaxRefDcCurr->setValue(form.maxRefDcCurr);
    ui->sbMaxRefDcPower->setValue(form.maxRefDcPower);
    ui->sbMaxRefDuty->setValue(form.maxRefDuty);
    ui->sbMaxRefPhCurr->setValue(form.maxRefPhCurr);
    ui->sbMaxRefRPM->setValue(form.maxRefRpm);
    ui->sbVoltageCutoffThreshold->setValue(form.voltageCutoffThreshold);
    m_settings = settings;
    m_filled = shownForm();
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
    form.becVoltage = ui->cbBECVoltage->currentIndex();
    form.motorDriveMode = ui->cbMotorDriveMode->currentIndex();
    form.maxRefDuty = ui->sbMaxRefDuty->value();
    form.maxRefRpm = ui->sbMaxRefRPM->value();
    form.maxRefPhCurr = ui->sbMaxRefPhCurr->value();
    form.maxRefDcCurr = ui->sbMaxRefDcCurr->value();
    form.maxRefDcPower = ui->sbMaxRefDcPower->value();
    form.voltageCutoffThreshold = ui->sbVoltageCutoffThreshold->value();
    form.antiCarrot = ui->cbAntiCarrot->isChecked();
    form.rescueFlash = ui->cbRescueFlash->isChecked();
    return form;
}
