#include "SimFaults.h"

#include <memory>

namespace {

// Wraps action into a filter that counts the events of kind and
// characteristic and acts on the chosen occurrence (or on each).
SimFaultFilter counting(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic, int occurrence,
                        std::function<SimFault(SimAttEvent &)> action)
{
    auto seen = std::make_shared<int>(0);
    return [=](SimAttEvent &event) {
        if (event.kind != kind || (!characteristic.isNull() && event.characteristic != characteristic))
            return SimFault::Pass;
        ++*seen;
        if (occurrence != 0 && *seen != occurrence)
            return SimFault::Pass;
        return action(event);
    };
}

} // namespace

namespace SimFaults {

SimFaultFilter dropLink(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic, int occurrence, SimFault when)
{
    return counting(kind, characteristic, occurrence, [when](SimAttEvent &) { return when; });
}

SimFaultFilter refuse(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic, int occurrence)
{
    return counting(kind, characteristic, occurrence, [](SimAttEvent &) { return SimFault::Refuse; });
}

SimFaultFilter ignore(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic, int occurrence)
{
    return counting(kind, characteristic, occurrence, [](SimAttEvent &) { return SimFault::Ignore; });
}

SimFaultFilter truncate(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic, int length, int occurrence)
{
    return counting(kind, characteristic, occurrence, [length](SimAttEvent &event) {
        event.value.truncate(length);
        return SimFault::Pass;
    });
}

SimFaultFilter corrupt(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic, int occurrence, int index,
                       quint8 mask)
{
    return counting(kind, characteristic, occurrence, [index, mask](SimAttEvent &event) {
        if (index >= 0 && index < event.value.size())
            event.value[index] = char(quint8(event.value[index]) ^ mask);
        return SimFault::Pass;
    });
}

} // namespace SimFaults
