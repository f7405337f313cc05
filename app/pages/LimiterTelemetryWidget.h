#pragma once

#include "LimiterDevice.h"
#include "TelemetryPageLink.h"

#include <QWidget>

#include <memory>
#include <optional>

namespace Ui {
class LimiterTelemetryWidget;
}

// First page of a limiter's tab: the connection state, the race state, the
// advertised energy limit and every value of the live telemetry. Handing it
// the device starts the connection; it asks for the password when the device
// reports that it is locked.
class LimiterTelemetryWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LimiterTelemetryWidget(QWidget *parent = nullptr);
    ~LimiterTelemetryWidget() override;

    void setDevice(std::shared_ptr<LimiterDevice> device);

    // Shared with the DOV logger's telemetry page.
    // The text of a connection state; nothing for an unknown state.
    static std::optional<QString> connectionText(LimiterConnectionStatus status, const LimiterDevice &device);
    static QString raceStateText(const s_TelemetryBle &record);
    // Runs the password dialog and sends the password when the user accepts.
    static void requestAuthorization(LimiterDevice &device);
    // What the user is told when the device refused the password sent.
    static QString passwordRefusedText();

public slots:
    void onLimiterStatusChanged(LimiterConnectionStatus status);
    void onLimiterTelemetryUpdated();
    void onLimiterAuthorizationRequired();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::LimiterTelemetryWidget *ui;
    TelemetryPageLink m_link;
};
