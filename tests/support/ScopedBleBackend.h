#pragma once

#include "BleBackend.h"

// Makes backend the process' BLE backend (BleBackend::instance()) for the
// life of this object and puts back the one it replaced, on every way out of
// a scope: an early return of a failed QVERIFY or QTRY_ included. The backend
// must outlive this object.
class ScopedBleBackend
{
public:
    explicit ScopedBleBackend(BleBackend *backend) : m_previous(BleBackend::setInstance(backend)) {}
    ~ScopedBleBackend() { BleBackend::setInstance(m_previous); }

    ScopedBleBackend(const ScopedBleBackend &) = delete;
    ScopedBleBackend &operator=(const ScopedBleBackend &) = delete;

private:
    BleBackend *m_previous;
};
