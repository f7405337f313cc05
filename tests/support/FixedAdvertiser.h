#pragma once

#include "SimAdvertisement.h"
#include "SimPeripheral.h"

// Advertises a device's name and RSSI with one record of the devices'
// company that stays as it is until a test changes it: what the scanner
// needs to pass an advertisement on, and nothing that changes by itself.
class FixedAdvertiser : public SimAdvertiser
{
public:
    QByteArray record = QByteArray(12, '\x07');

    SimAdvertisement next(const SimPeripheral &peripheral) override
    {
        SimAdvertisement advertisement;
        advertisement.address = peripheral.address();
        advertisement.name = peripheral.name();
        advertisement.rssi = peripheral.rssi();
        advertisement.manufacturerData.append({0x0059, record});
        return advertisement;
    }
};
