#include "MotorSettingsWidget.h"
#include "ui_MotorSettingsWidget.h"

#include <QEvent>

using namespace SettingsRecords;

MotorSettingsWidget::MotorSettingsWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MotorSettingsWidget)
{
    ui->setupUi(this);
}

MotorSettingsWidget::~MotorSettingsWidget()
{
    delete ui;
}

s_MotorSettBle MotorSettingsWidget::motorSettings()
{
    m_settings = motorRecord(m_settings, m_filled, shownForm());
    return m_settings;
}

void MotorSettingsWidget::setMotorSettings(const s_MotorSettBle &settings)
{
    const MotorForm form = motorForm(settings);
    ui->cbRotateDirection->setCurrentIndex(form.rotateDirection);
    ui->cbPoles->setCurrentIndex(form.polesIndex);
    ui->cbQepDirection->setCurrentIndex(form.qepDirection);
    ui->cbTimingMode->setCurrentIndex(form.timingMode);
    ui->sbTimingMaxBoost->setValue(form.timingMaxBoost);
    ui->sbTimingFixedValue->setValue(form.timingFixedValue);
    ui->sbPhaseOffset->setValue(form.phaseOffset);
    ui->sbQepInitOffset->setValue(form.qepInitOffset);
    ui->sbRpmToVolt->setValue(form.rpmToVolt);
    m_settings = settings;
    m_filled = shownForm();
}

void MotorSettingsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

MotorForm MotorSettingsWidget::shownForm() const
{
    MotorForm form;
    form.rotateDirection = ui->cbRotateDirection->currentIndex();
    form.rpmToVolt = ui->sbRpmToVolt->value();
    form.polesIndex = ui->cbPoles->currentIndex();
    form.qepInitOffset = ui->sbQepInitOffset->value();
    form.qepDirection = ui->cbQepDirection->currentIndex();
    form.phaseOffset = ui->sbPhaseOffset->value();
    form.timingMode = ui->cbTimingMode->currentIndex();
    form.timingFixedValue = ui->sbTimingFixedValue->value();
    form.timingMaxBoost = ui->sbTimingMaxBoost->value();
    return form;
}
