#pragma once

// True when this machine has a Bluetooth adapter. Tests of how the programs
// behave without one skip themselves where one exists (a user's machine).
bool hasBluetoothAdapter();
