#pragma once

#include <QBluetoothUuid>
#include <QByteArray>

#include <functional>

// Fault injection of the simulated radio. Every ATT exchange between a
// central and a peripheral passes the peripheral's fault filters as a
// SimAttEvent; a filter may change the value in flight and answer how the
// exchange goes on. Filters run in the order they were added; the first
// answer other than Pass wins (changes of earlier filters stay).
struct SimAttEvent {
    enum Kind {
        Connect,              // a central asks for a link
        Read,                 // value: the response the peripheral produced
        Write,                // value: what the central wrote (with response)
        WriteWithoutResponse, // value: what the central wrote
        DescriptorWrite,      // characteristic: the descriptor's owner
        Notification,         // value: what the peripheral sends
        Indication,
    };
    Kind kind = Read;
    quint64 connectionId = 0;
    QBluetoothUuid service;
    QBluetoothUuid characteristic;
    quint16 handle = 0; // value handle, descriptor handle for DescriptorWrite
    QByteArray value;
};

enum class SimFault {
    Pass,           // go on normally
    Refuse,         // answer with an ATT error (a connect: refuse the link); notifications are not sent
    Ignore,         // never answer; the link ends after the ATT time-out of 30 s
    DropLinkBefore, // the link is lost before the peripheral sees the exchange
    DropLinkAfter,  // the peripheral handles it, then the link is lost before the answer arrives
};

using SimFaultFilter = std::function<SimFault(SimAttEvent &event)>;

// Ready-made filters. A null characteristic UUID matches every
// characteristic; occurrence n counts matching events from 1 (0: every one).
namespace SimFaults {

SimFaultFilter dropLink(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic, int occurrence = 1,
                        SimFault when = SimFault::DropLinkBefore);
SimFaultFilter refuse(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic, int occurrence = 0);
SimFaultFilter ignore(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic, int occurrence = 0);
// Cuts the value to length bytes (a value shorter than its record).
SimFaultFilter truncate(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic, int length, int occurrence = 0);
// XORs byte index of the value with mask (a corrupted packet).
SimFaultFilter corrupt(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic, int occurrence, int index,
                       quint8 mask = 0xFF);

} // namespace SimFaults
