#include "DovLoggerTelemetryWidget.h"
#include "ui_DovLoggerTelemetryWidget.h"

#include "LimiterTelemetryWidget.h"

#include <QEvent>

DovLoggerTelemetryWidget::DovLoggerTelemetryWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::DovLoggerTelemetryWidget)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->lblStatus->setText(tr("..."));
}

DovLoggerTelemetryWidget::~DovLoggerTelemetryWidget()
{
    delete ui;
}

void DovLoggerTelemetryWidget::setDevice(std::shared_ptr<LimiterDevice> device)
{
    m_link.setDevice(this, std::move(device));
}

void DovLoggerTelemetryWidget::onLimiterStatusChanged(LimiterConnectionStatus status)
{
    m_link.showStatus(ui->lblConnection, status);
}

void DovLoggerTelemetryWidget::onLimiterTelemetryUpdated()
{
    m_link.showTelemetry(TelemetryPageLink::commonLabels(ui));
}

void DovLoggerTelemetryWidget::onLimiterAuthorizationRequired()
{
    if (LimiterDevice *device = m_link.device())
        LimiterTelemetryWidget::requestAuthorization(*device);
}

void DovLoggerTelemetryWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        m_link.showAgain(this);
    }
    QWidget::changeEvent(event);
}
