// A firmware package as a user might pick it from the disk.

#include "FuzzSupport.h"

#include "Firmware.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::startApplication();
    const Firmware firmware(fuzz::writeScratchFile(QStringLiteral("package.zip"), data, size));
    (void)firmware.statusText();
    if (firmware.isLoaded() && (firmware.initData().isEmpty() || firmware.imageData().isEmpty()))
        fuzz::mismatch("a package loaded without its init packet or image");
    return 0;
}
