#include "PpmSettingsWidget.h"
#include "ui_PpmSettingsWidget.h"

#include <QEvent>

using namespace SettingsRecords;

PpmSettingsWidget::PpmSettingsWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PpmSettingsWidget)
{
    ui->setupUi(this);
    connect(ui->pbSetFullThrottle, &QPushButton::clicked, this, &PpmSettingsWidget::setFullThrottle);
    connect(ui->pbSetStopPosition, &QPushButton::clicked, this, &PpmSettingsWidget::setStopPosition);
    connect(ui->pbSetFailSafePosition, &QPushButton::clicked, this, &PpmSettingsWidget::setFailsafePosition);
    connect(ui->pbSetMaxTimingPosition, &QPushButton::clicked, this, &PpmSettingsWidget::setMaxTimingPosition);
    connect(ui->pbSetMinTimingPosition, &QPushButton::clicked, this, &PpmSettingsWidget::setMinTimingPosition);
    m_edits.watch({ui->sbFullThrottlePosition, ui->sbStopPosition, ui->sbFailSafePosition, ui->sbMaxTimingPosition,
                   ui->sbMinTimingPosition});
}

PpmSettingsWidget::~PpmSettingsWidget()
{
    delete ui;
}

s_PpmSettBle PpmSettingsWidget::ppmSettings() const
{
    return ppmRecord(m_settings, shownForm());
}

void PpmSettingsWidget::setPpmSettings(const s_MotorDriveSettBle &settings)
{
    m_settings = ppmPart(settings);
    const PpmForm form = ppmForm(m_settings);
    m_edits.fill([&] {
        ui->sbFullThrottlePosition->setValue(form.fullThrottle.value);
        ui->sbStopPosition->setValue(form.stop.value);
        ui->sbFailSafePosition->setValue(form.failSafe.value);
        ui->sbMaxTimingPosition->setValue(form.maxTiming.value);
        ui->sbMinTimingPosition->setValue(form.minTiming.value);
    });
}

void PpmSettingsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

PpmForm PpmSettingsWidget::shownForm() const
{
    PpmForm form;
    form.fullThrottle = m_edits.field(ui->sbFullThrottlePosition, ui->sbFullThrottlePosition->value());
    form.stop = m_edits.field(ui->sbStopPosition, ui->sbStopPosition->value());
    form.failSafe = m_edits.field(ui->sbFailSafePosition, ui->sbFailSafePosition->value());
    form.maxTiming = m_edits.field(ui->sbMaxTimingPosition, ui->sbMaxTimingPosition->value());
    form.minTiming = m_edits.field(ui->sbMinTimingPosition, ui->sbMinTimingPosition->value());
    return form;
}
