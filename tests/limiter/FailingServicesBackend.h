#pragma once

#include "SimBackend.h"
#include "SimController.h"

#include <stdexcept>

// A simulated radio whose controllers fail with an exception when asked for
// a service object, as an allocation can.
class FailingServicesBackend : public SimBackend
{
public:
    using SimBackend::SimBackend;
    BleController *createCentral(const QBluetoothDeviceInfo &remoteDevice, QObject *parent) override
    {
        class Controller : public SimController
        {
        public:
            using SimController::SimController;
            BleService *createServiceObject(const QBluetoothUuid &, QObject *) override
            {
                throw std::runtime_error("out of memory");
            }
        };
        return new Controller(radio(), remoteDevice, parent);
    }
};
