#include "BluetoothAdapter.h"

#include <QBluetoothLocalDevice>

bool hasBluetoothAdapter()
{
    return !QBluetoothLocalDevice::allDevices().isEmpty();
}
