#include "MotorSettingsWidget.h"
#include "ui_MotorSettingsWidget.h"

#include <QEvent>

using namespace SettingsRecords;

MotorSettingsWidget::MotorSettingsWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MotorSettingsWidget)
{
    ui->setupUi(this);
    m_edits.watch({ui->cbRotateDirection, ui->sbRpmToVolt, ui->cbPoles, ui->sbQepInitOffset, ui->cbQepDirection,
                   ui->sbPhaseOffset, ui->cbTimingMode, ui->sbTimingFixedValue, ui->sbTimingMaxBoost});
}

MotorSettingsWidget::~MotorSettingsWidget()
{
    delete ui;
}

s_MotorSettBle MotorSettingsWidget::motorSettings() const
{
    return motorRecord(m_settings, shownForm());
}

void MotorSettingsWidget::setMotorSettings(const s_MotorSettBle &settings)
{
    const MotorForm form = motorForm(settings);
    m_edits.fill([&] {
        ui->cbRotateDirection->setCurrentIndex(form.rotateDirection.value);
        ui->cbPoles->setCurrentIndex(form.polesIndex.value);
        ui->cbQepDirection->setCurrentIndex(form.qepDirection.value);
        ui->cbTimingMode->setCurrentIndex(form.timingMode.value);
        ui->sbTimingMaxBoost->setValue(form.timingMaxBoost.value);
        ui->sbTimingFixedValue->setValue(form.timingFixedValue.value);
        ui->sbPhaseOffset->setValue(form.phaseOffset.value);
        ui->sbQepInitOffset->setValue(form.qepInitOffset.value);
        ui->sbRpmToVolt->setValue(form.rpmToVolt.value);
    });
    m_settings = settings;
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
    form.rotateDirection = m_edits.field(ui->cbRotateDirection, ui->cbRotateDirection->currentIndex());
    form.rpmToVolt = m_edits.field(ui->sbRpmToVolt, ui->sbRpmToVolt->value());
    form.polesIndex = m_edits.field(ui->cbPoles, ui->cbPoles->currentIndex());
    form.qepInitOffset = m_edits.field(ui->sbQepInitOffset, ui->sbQepInitOffset->value());
    form.qepDirection = m_edits.field(ui->cbQepDirection, ui->cbQepDirection->currentIndex());
    form.phaseOffset = m_edits.field(ui->sbPhaseOffset, ui->sbPhaseOffset->value());
    form.timingMode = m_edits.field(ui->cbTimingMode, ui->cbTimingMode->currentIndex());
    form.timingFixedValue = m_edits.field(ui->sbTimingFixedValue, ui->sbTimingFixedValue->value());
    form.timingMaxBoost = m_edits.field(ui->sbTimingMaxBoost, ui->sbTimingMaxBoost->value());
    return form;
}
