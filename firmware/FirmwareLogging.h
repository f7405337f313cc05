#pragma once

#include <QLoggingCategory>

// Diagnostics of the firmware subsystem, one category per role.
Q_DECLARE_LOGGING_CATEGORY(lcFwPackage)  // loading firmware packages
Q_DECLARE_LOGGING_CATEGORY(lcFwDownload) // update index and package downloads
Q_DECLARE_LOGGING_CATEGORY(lcDfu)        // the DFU transfer to the bootloader
Q_DECLARE_LOGGING_CATEGORY(lcFwInstall)  // an installation from package to running device
