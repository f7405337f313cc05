#pragma once

#include "SimPeripheral.h"

#include <QBluetoothAddress>
#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>

class SimRadio;

// A small JSON format that starts a given set of simulated devices, for
// tests and for a person running the program on the simulator:
//
//   {
//     "seed": 7,                 radio: random seed (default 1)
//     "roundTripMs": 15,         radio: ATT round trip (default 15)
//     "centralMtu": 517,         radio: MTU the centrals ask for
//     "devices": [
//       { "kind": "limiter",     a registered kind (see kinds())
//         "address": "C0:DE:00:00:00:01",  default: C0:DE:00:00:00:<n>
//         "name": "QVR Limiter",            default: the kind's
//         "mtu": 247, "roundTripMs": 10,    link of this device
//         "advertising": true, "advertisingIntervalMs": 100, "rssi": -60,
//         ...                    everything else belongs to the kind
//       }
//     ]
//   }
//
// Kinds are registered by name; the device kinds of sim/ come built in, and
// other peripherals (a bootloader, ...) add theirs with registerKind().
class SimDescription
{
public:
    // Builds one device from its JSON object. address and name are already
    // resolved (defaults applied); the common link and advertising options
    // are applied after it returns. On failure returns nullptr and sets error.
    using KindFactory = std::function<SimPeripheralPtr(const QJsonObject &device, const QBluetoothAddress &address,
                                                       const QString &name, QString *error)>;

    static void registerKind(const QString &kind, KindFactory factory);
    static QStringList kinds();

    // Applies the radio settings and adds the devices. Devices that fail are
    // reported in error and skipped; returns true when all loaded.
    static bool load(SimRadio &radio, const QByteArray &json, QString *error = nullptr);
    static bool loadFile(SimRadio &radio, const QString &path, QString *error = nullptr);

    // The devices of the "sim" backend when no description file is named.
    static QByteArray builtInDescription();
};
