#pragma once

#include "DeviceService.h"

// The terminal (Nordic UART Service): what the user types goes to NUS RX
// unchanged, every notification of the service comes back unchanged.
class TerminalService : public DeviceService
{
    Q_OBJECT
public:
    explicit TerminalService(QObject *parent);

    // Nothing before NUS RX is set up.
    void send(const QByteArray &data);

signals:
    void terminalDataReceived(QByteArray data);

protected:
    void valueChanged(const BleCharacteristic &characteristic, const QByteArray &value) override;

private:
    ServiceCharacteristic &m_rx;
};
