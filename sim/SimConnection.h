#pragma once

#include <QByteArray>
#include <QHash>
#include <QPointer>

#include <deque>
#include <functional>
#include <memory>

class SimController;
class SimPeripheral;
class SimRadio;

// One link between a simulated central (SimController) and a peripheral.
// Peripherals see it in their hooks and use it to tell connections apart
// (per-connection state such as an authorisation belongs to one link) and to
// ask for a client's CCCD. Everything else is the radio's business.
class SimConnection
{
public:
    quint64 id() const { return m_id; }
    SimPeripheral *peripheral() const { return m_peripheral; }
    bool isUp() const { return m_up; }
    // ATT MTU: 23 until the exchange after connecting.
    int mtu() const { return m_mtu; }
    // The largest value of one notification, indication or write without response.
    int maximumPayload() const { return m_mtu - 3; }
    qint64 roundTripUs() const { return m_roundTripUs; }

    // The client characteristic configuration this client wrote for the
    // characteristic with that value handle (0 until written).
    quint16 cccd(quint16 valueHandle) const { return m_cccd.value(valueHandle, 0); }
    bool notificationsEnabled(quint16 valueHandle) const { return cccd(valueHandle) & 0x0001; }
    bool indicationsEnabled(quint16 valueHandle) const { return cccd(valueHandle) & 0x0002; }

private:
    friend class SimRadio;
    friend class SimController;
    friend class SimService;

    // A client request waiting for its turn on the link. exchanges is the
    // number of ATT round trips it takes (long values take several).
    struct Request {
        enum Kind { Read, Write, WriteWithoutResponse, ReadDescriptor, WriteDescriptor, Discover };
        Kind kind = Read;
        quint16 handle = 0;
        QByteArray value;
        int exchanges = 1;
        // Runs on the central's side when the answer arrives (not for
        // writes without response): ATT error (0 = success) and value.
        std::function<void(quint8 error, const QByteArray &value)> done;
    };

    quint64 m_id = 0;
    SimPeripheral *m_peripheral = nullptr;
    QPointer<SimController> m_central;
    bool m_up = true;
    int m_mtu = 23;
    qint64 m_roundTripUs = 0;
    QHash<quint16, quint16> m_cccd;

    std::deque<Request> m_queue;
    bool m_busy = false;             // a request waits for its answer
    qint64 m_toPeripheralFree = 0;   // earliest time the next packet reaches the peripheral
    qint64 m_toCentralFree = 0;      // earliest time the next packet reaches the central
};

using SimConnectionPtr = std::shared_ptr<SimConnection>;
