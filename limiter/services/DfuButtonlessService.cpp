#include "DfuButtonlessService.h"

#include "DeviceProtocol.h"
#include "LinkDiagnostics.h"

#include <QDebug>

using namespace DeviceProtocol;

DfuButtonlessService::DfuButtonlessService(QObject *parent)
    : DeviceService(dfuServiceUuid(), {nullptr, "DFU state changed", "DFU service discovered"},
                    SetUp::StopsAtAMissingPiece, parent),
      m_buttonless(add(dfuUuid(kDfuButtonlessId))
                       .subscribe(enableIndications())
                       .ifMissing({"DFU failed to get Buttonless characteristic"})
                       .ifCccdMissing({"Buttonless DFU failed to get notify descriptor for DFU_BUTTONLESS_WO_BONDS_UUID"}))
{
}

void DfuButtonlessService::enterDfuMode()
{
    if (!service() || !m_buttonless.handle.isValid())
        return;
    write(m_buttonless.handle, dfuEnterCommand());
}

void DfuButtonlessService::valueChanged(const BleCharacteristic &, const QByteArray &value)
{
    if (isDfuEnterSuccess(value))
        emit enteredDFUMode();
    else if (value.size() < 3)
        qCWarning(lcDevice) << "DFU indication too short:" << value.size();
}

void DfuButtonlessService::descriptorNote(const BleDescriptor &descriptor)
{
    if (descriptor == m_buttonless.cccd)
        qCDebug(lcDevice) << "DFU Notification enabled";
}
