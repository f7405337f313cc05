#pragma once

#include "BleBackend.h"
#include "DeviceProtocol.h"
#include "LimiterDevice.h"
#include "SimBackend.h"
#include "SimLimiter.h"
#include "SimRadio.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// One simulated device on the sim backend (the seam's instance while the rig
// lives), the LimiterDevice a page is given, and every write the device got.
class PageRig
{
public:
    explicit PageRig(SimLimiter::Kind kind = SimLimiter::Kind::Limiter, const QString &password = QString())
        : sim(std::make_shared<SimLimiter>(kind, QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:21")),
                                           QStringLiteral("QVR Page")))
    {
        sim->setPassword(password);
        radio.addPeripheral(sim);
        BleBackend::setInstance(&backend);
        QObject::connect(&radio, &SimRadio::traffic, &radio, [this](const SimAttEvent &e) {
            if (e.kind == SimAttEvent::Write)
                writes.append(e);
        });
        device = std::make_shared<LimiterDevice>(QBluetoothDeviceInfo(sim->address(), sim->name(), 0));
    }
    ~PageRig()
    {
        device.reset();
        BleBackend::setInstance(nullptr);
    }

    // The values written to one characteristic of a service, in order.
    QList<QByteArray> written(const QBluetoothUuid &service, quint16 id) const
    {
        QList<QByteArray> values;
        const QBluetoothUuid characteristic = makeUuid(baseOf(service), id);
        for (const SimAttEvent &e : writes) {
            if (e.characteristic == characteristic)
                values.append(e.value);
        }
        return values;
    }

    SimRadio radio;
    SimBackend backend{&radio};
    std::shared_ptr<SimLimiter> sim;
    std::shared_ptr<LimiterDevice> device;
    QList<SimAttEvent> writes;

private:
    static UuidBase baseOf(const QBluetoothUuid &service)
    {
        if (service == DeviceProtocol::terminalServiceUuid())
            return DeviceProtocol::kNusBase;
        return DeviceProtocol::kSettingsBase;
    }
};

// Types `text` with key events, characters beyond ASCII included.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Runs `answer` on each modal dialog of type T that comes up while it lives.
template <typename T>
class ModalAnswerer
{
public:
    explicit ModalAnswerer(std::function<void(T *)> answer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, answer] {
            if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
                ++count;
                answer(dialog);
            }
        });
        m_timer.start(20);
    }
    int count = 0;

private:
    QTimer m_timer;
};
