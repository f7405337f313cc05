#include "LimiterTelemetryWidget.h"
#include "ui_LimiterTelemetryWidget.h"

#include "AuthorizationDialog.h"
#include "TelemetryTexts.h"

#include <QEvent>

using telemetry::fixed;

LimiterTelemetryWidget::LimiterTelemetryWidget(QWidget *parent) : QWidget(parent), ui(new Ui::LimiterTelemetryWidget)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->lblStatus->setText(tr("..."));
}

LimiterTelemetryWidget::~LimiterTelemetryWidget()
{
    delete ui;
}

void LimiterTelemetryWidget::setDevice(std::shared_ptr<LimiterDevice> device)
{
    m_link.setDevice(this, std::move(device));
}

std::optional<QString> LimiterTelemetryWidget::connectionText(LimiterConnectionStatus status,
                                                              const LimiterDevice &device)
{
    switch (int(status)) {
    case LimiterDisconnected:
        return tr("Disconnected");
    case LimiterError:
        return tr("Cannot connect to device. Error code: %1\n%2")
            .arg(QString::number(device.controllerError()), device.controllerErrorString());
    case LimiterConnected:
        return tr("Connected. Reading data");
    case LimiterServicesDiscovered:
        return tr("Services discovered");
    default:
        return std::nullopt;
    }
}

QString LimiterTelemetryWidget::raceStateText(const s_TelemetryBle &record)
{
    switch (telemetry::raceState(record)) {
    case telemetry::RaceState::LimitingComplete:
        return tr("Limiting complete");
    case telemetry::RaceState::LimitingEngaged:
        return tr("Limiting engaged");
    case telemetry::RaceState::Rampdown:
        return tr("Rampdown");
    case telemetry::RaceState::Race:
        return tr("Race");
    case telemetry::RaceState::Ready:
        break;
    }
    return tr("Ready");
}

void LimiterTelemetryWidget::requestAuthorization(LimiterDevice &device)
{
    AuthorizationDialog dialog;
    if (dialog.exec() == QDialog::Accepted)
        device.authorize(dialog.password());
}

QString LimiterTelemetryWidget::passwordRefusedText()
{
    return tr("The device refused the password it was sent.");
}

void LimiterTelemetryWidget::onLimiterStatusChanged(LimiterConnectionStatus status)
{
    m_link.showStatus(ui->lblConnection, status);
}

void LimiterTelemetryWidget::onLimiterTelemetryUpdated()
{
    const LimiterDevice *device = m_link.device();
    if (!device)
        return;
    const s_TelemetryBle t = device->telemetry();
    ui->lblEnergyLimit->setText(fixed(device->energyLimit(), 1));
    ui->lblRelEnergy->setText(fixed(t.energyConsRelative, 3));
    ui->lblAverageCurrent->setText(fixed(t.currentAvg, 3));
    ui->lblCurrent->setText(fixed(t.current, 3));
    ui->lblVoltage->setText(fixed(t.voltage, 3));
    ui->lblEnergy->setText(fixed(double(t.energy) / 3600.0, 3));
    ui->lblPower->setText(fixed(t.power, 3));
    ui->lblPowerAvg->setText(fixed(t.powerAvg, 3));
    ui->lblPowerToSpeed->setText(telemetry::shortest(t.powerToSpeed));
    ui->lblCapacity->setText(fixed(t.capacity, 3));
    ui->lblKV->setText(fixed(t.kv, 0));
    ui->lblTiming->setText(fixed(t.timing, 3));
    m_link.showTelemetry(TelemetryPageLink::commonLabels(ui));
}

void LimiterTelemetryWidget::onLimiterAuthorizationRequired()
{
    if (LimiterDevice *device = m_link.device())
        requestAuthorization(*device);
}

void LimiterTelemetryWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        m_link.showAgain(this);
    }
    QWidget::changeEvent(event);
}
