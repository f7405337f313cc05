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
}

PpmSettingsWidget::~PpmSettingsWidget()
{
    delete ui;
}

s_PpmSettBle PpmSettingsWidget::ppmSettings()
{
    m_settings = ppmRecord(m_settings, m_filled, shownForm());
    return m_settings;
}

void PpmSettingsWidget::setPpmSettings(const s_MotorDriveSettBle &settings)
{
    m_settings = ppmPart(settings);
    const PpmForm form = ppmForm(m_settings);
    ui->sbFullThrottlePosition->setValue(form.fullThrottle);
    ui->sbStopPosition->setValue(form.stop);
    ui->sbFailSafePosition->setValue(form.failSafe);
    ui->sbMaxTimingPosition->setValue(form.maxTiming);
    ui->sbMinTimingPosition->setValue(form.minTiming);
    m_filled = shownForm();
}

void PpmSettingsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

PpmForm PpmSettingsWidget::shownForm() const
{
    return {ui->sbFullThrottlePosition->value(), ui->sbStopPosition->value(), ui->sbFailSafePosition->value(),
            ui->sbMaxTimingPosition->value(), ui->sbMinTimingPosition->value()};
}
