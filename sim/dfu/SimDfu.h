#pragma once

#include "SimDfuBootloader.h"

#include <memory>

class SimRadio;

// How simulated devices meet the simulated DFU bootloader.
namespace SimDfu {

// The bootloader a device reboots into: a SimDfuBootloader at the device's
// address plus one. Once it has booted an image it leaves the air and the
// device comes back: after an application image running that image's
// version, after a bootloader image reporting it as its bootloader version.
std::shared_ptr<SimDfuBootloader> bootloaderFor(SimPeripheral &device);

// Makes bootloaderFor the bootloader of every radio that has none of its
// own, and adds the kind "dfu-bootloader" to device descriptions: a device
// stuck in its bootloader, which leaves the air once it booted an image.
void registerSimDfu();

} // namespace SimDfu
