#include "FirmwareLogging.h"

Q_LOGGING_CATEGORY(lcFwPackage, "firmware.package")
Q_LOGGING_CATEGORY(lcFwDownload, "firmware.download")
Q_LOGGING_CATEGORY(lcDfu, "firmware.dfu")
Q_LOGGING_CATEGORY(lcFwInstall, "firmware.install")
