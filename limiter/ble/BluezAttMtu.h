#pragma once

class QBluetoothAddress;

// The ATT MTU that bluetoothd negotiated for its connection to device, as it
// shows it in the MTU property of the device's GATT characteristics
// (bluetoothd 5.62 and later). 0 where nobody says: no bluetoothd on the
// system bus, an older one, no connection, or a build without QtDBus. Asks
// bluetoothd synchronously.
int bluezAttMtu(const QBluetoothAddress &device);
