#pragma once

#include "DeviceService.h"

// The buttonless DFU service: the command that restarts the device into its
// bootloader, and the indication that says it will.
class DfuButtonlessService : public DeviceService
{
    Q_OBJECT
public:
    explicit DfuButtonlessService(QObject *parent);

    // Nothing before the buttonless characteristic is set up.
    void enterDfuMode();

signals:
    void enteredDFUMode();

protected:
    void valueChanged(const BleCharacteristic &characteristic, const QByteArray &value) override;
    void descriptorNote(const BleDescriptor &descriptor) override;

private:
    ServiceCharacteristic &m_buttonless;
};
