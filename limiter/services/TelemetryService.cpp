#include "TelemetryService.h"

#include "DeviceProtocol.h"
#include "LinkDiagnostics.h"

#include <QDebug>

using namespace DeviceProtocol;

TelemetryService::TelemetryService(QObject *parent)
    : DeviceService(telemetryServiceUuid(), {"Telemetry service not found", "state changed", "RTM service discovered"},
                    SetUp::StopsAtAMissingPiece, parent)
{
    add(telemetryUuid(kTelemetryId))
        .subscribe(enableNotifications())
        .ifMissing({"RTM failed to get characteristic ", true})
        .ifCccdMissing({"RTM failed to get notify descriptor ", true});
}

void TelemetryService::valueChanged(const BleCharacteristic &, const QByteArray &value)
{
    if (!recordFromBytes(value, m_telemetry)) {
        qCWarning(lcDevice) << "telemetry value too short:" << value.size();
        return;
    }
    emit telemetryUpdated();
}
