#pragma once

#include "DeviceProtocol.h"
#include "LimiterDevice.h"
#include "SimLimiter.h"
#include "SimRig.h"

#include <memory>

// One simulated device on a simulator rig and the LimiterDevice a page is
// given, on the rig's backend.
class PageRig : public SimRig
{
public:
    explicit PageRig(SimLimiter::Kind kind = SimLimiter::Kind::Limiter, const QString &password = QString())
        : sim(addLimiter(kind, password, QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:21")),
                         QStringLiteral("QVR Page")))
        , device(client(*sim))
    {
    }

    // The values written to one characteristic of a service, in order.
    QList<QByteArray> written(const QBluetoothUuid &service, quint16 id) const
    {
        return values(SimAttEvent::Write, makeUuid(baseOf(service), id));
    }

    std::shared_ptr<SimLimiter> sim;
    std::shared_ptr<LimiterDevice> device;

private:
    static UuidBase baseOf(const QBluetoothUuid &service)
    {
        if (service == DeviceProtocol::terminalServiceUuid())
            return DeviceProtocol::kNusBase;
        return DeviceProtocol::kSettingsBase;
    }
};
