#pragma once

#include "LimiterDevice.h"
#include "TelemetryPageLink.h"

#include <QWidget>

#include <memory>

namespace Ui {
class DovLoggerTelemetryWidget;
}

// Telemetry page of a DOV logger's tab: the limiter's page reduced to the
// values a DOV logger fills.
class DovLoggerTelemetryWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DovLoggerTelemetryWidget(QWidget *parent = nullptr);
    ~DovLoggerTelemetryWidget() override;

    void setDevice(std::shared_ptr<LimiterDevice> device);

public slots:
    void onLimiterStatusChanged(LimiterConnectionStatus status);
    void onLimiterTelemetryUpdated();
    void onLimiterAuthorizationRequired();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::DovLoggerTelemetryWidget *ui;
    TelemetryPageLink m_link;
};
