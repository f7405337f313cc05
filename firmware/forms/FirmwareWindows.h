#pragma once

#include "DFUUpdater.h"

#include <QString>
#include <QVersionNumber>

#include <cstdint>

class Firmware;
class QLabel;
class QProgressBar;
class QWidget;

// Pieces the firmware update page and the recovery dialog share.
namespace firmwarewindows {

// Asks for a package on disk (starting at the setting "firmware_file") and
// loads it. Returns the loaded package, owned by the caller, and stores its
// path; returns nullptr when the user cancels or the package does not load
// (then after the critical box that says why).
Firmware *choosePackage(QWidget *parent);

// A modal message box without parent, titled with the program's name.
void showMessage(const QString &text);

// Shows the state label and the progress bar with a transfer's state.
void showState(QLabel *label, QProgressBar *bar, StateM state, uint32_t progress);

// "name v 2.1.5": the low four bits of the hardware version's first
// segment, then its second and third (a missing one counts 0).
QString hardwareText(const QString &name, const QVersionNumber &hardware);

// The ESC lines are for hardware whose version word has both 0x1000 and
// 0x4000 set.
bool hasEsc(quint16 hardwareWord);

// Before `scope` (a device tab, the main window) closes: when a firmware
// installation in it holds a device, asks the user whether to stop it and
// says what then becomes of the device. True when nothing holds a device or
// the user agrees.
bool confirmClose(QWidget *scope);

} // namespace firmwarewindows
