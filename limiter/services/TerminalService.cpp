#include "TerminalService.h"

#include "DeviceProtocol.h"

using namespace DeviceProtocol;

TerminalService::TerminalService(QObject *parent)
    : DeviceService(terminalServiceUuid(), {"Terminal service not found", "state changed", "Terminal service discovered"},
                    SetUp::StopsAtAMissingPiece, parent),
      m_rx(add(terminalUuid(kNusRxId))
               .ifMissing({"Terminal TX failed to get characteristic BLE_UUID_NUS_TX_CHARACTERISTIC"}))
{
    add(terminalUuid(kNusTxId))
        .subscribe(enableNotifications())
        .ifMissing({"Terminal RX failed to get characteristic BLE_UUID_NUS_TX_CHARACTERISTIC"})
        .ifCccdMissing({"Terminal RX failed to get notify descriptor for BLE_UUID_NUS_TX_CHARACTERISTIC"});
}

void TerminalService::send(const QByteArray &data)
{
    if (!service() || !m_rx.handle.isValid())
        return;
    write(m_rx.handle, data);
}

void TerminalService::valueChanged(const BleCharacteristic &, const QByteArray &value)
{
    emit terminalDataReceived(value);
}
