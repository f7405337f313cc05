// Control point responses of a DFU bootloader, changed in flight: the
// updater runs a whole transfer against the simulated bootloader while the
// input replaces, cuts or passes each response. Whatever it gets, the
// updater must end with an error or a finished transfer, never crash.

#include "FuzzSupport.h"

#include "DfuProtocol.h"
#include "DfuSimFixture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::startApplication();
    auto input = std::make_shared<fuzz::Reader>(data, size);
    const QBluetoothUuid controlPoint = dfu::controlPointUuid();

    DfuSimFixture sim;
    sim.bootloader->addFaultFilter([input, controlPoint](SimAttEvent &event) {
        if (event.kind != SimAttEvent::Notification || event.characteristic != controlPoint || input->atEnd())
            return SimFault::Pass;
        const std::uint8_t how = input->byte();
        switch (how & 3) {
        case 0: // as the bootloader sent it
            break;
        case 1: // another response
            event.value = input->piece();
            break;
        case 2: // cut short
            event.value.truncate(how >> 2);
            break;
        case 3: // one byte changed
            if (!event.value.isEmpty())
                event.value[(how >> 2) % event.value.size()] = char(input->byte());
            break;
        }
        return SimFault::Pass;
    });
    QByteArray image(300, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i * 7);
    if (!sim.usePackage(image))
        std::abort();
    sim.updater.connectToDevice(sim.bootloaderInfo());
    (void)sim.waitForEnd(3000);
    return 0;
}
