#pragma once

#include "DeviceRecords.h"
#include "DeviceService.h"

// The real-time telemetry (RTM) service: every value it notifies is the
// telemetry record.
class TelemetryService : public DeviceService
{
    Q_OBJECT
public:
    explicit TelemetryService(QObject *parent);

    s_TelemetryBle telemetry() const { return m_telemetry; }

signals:
    void telemetryUpdated();

protected:
    void valueChanged(const BleCharacteristic &characteristic, const QByteArray &value) override;

private:
    s_TelemetryBle m_telemetry{};
};
