#include "EscSettings.h"
#include "ui_EscSettings.h"

#include "SettingsRecords.h"

#include <QEvent>

EscSettings::EscSettings(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::EscSettings)
{
    ui->setupUi(this);
    PpmSettingsWidget *ppm = ui->pPpmInSettings;
    connect(ppm, &PpmSettingsWidget::setFullThrottle, this, &EscSettings::setFullThrottle);
    connect(ppm, &PpmSettingsWidget::setStopPosition, this, &EscSettings::setStopPosition);
    connect(ppm, &PpmSettingsWidget::setFailsafePosition, this, &EscSettings::setFailsafePosition);
    connect(ppm, &PpmSettingsWidget::setMaxTimingPosition, this, &EscSettings::setMaxTimingPosition);
    connect(ppm, &PpmSettingsWidget::setMinTimingPosition, this, &EscSettings::setMinTimingPosition);
}

EscSettings::~EscSettings()
{
    delete ui;
}

s_MotorDriveSettBle EscSettings::motorDriveSettings() const
{
    return SettingsRecords::withPpmPart(ui->pMotorDriveCommon->motorDriveSettings(),
                                        ui->pPpmInSettings->ppmSettings());
}

void EscSettings::setMotorDriveSettings(const s_MotorDriveSettBle &settings)
{
    ui->pMotorDriveCommon->setMotorDriveSettings(settings);
    ui->pPpmInSettings->setPpmSettings(settings);
}

s_MotorSettBle EscSettings::motorSettings() const
{
    return ui->pMotorSettings->motorSettings();
}

void EscSettings::setMotorSettings(const s_MotorSettBle &settings)
{
    ui->pMotorSettings->setMotorSettings(settings);
}

void EscSettings::setTimingTable(const s_TimingTableBle &table)
{
    ui->pTimingTable->loadTable(ui->pMotorSettings->motorSettings(), table);
}

void EscSettings::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
