#pragma once

#include "ChildWidget.h"
#include "DeviceProtocol.h"
#include "LimiterDevice.h"
#include "SimLimiter.h"
#include "SimRig.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// One simulated device on a simulator rig and the LimiterDevice a page is
// given, on the rig's backend.
class PageRig : public SimRig
{
public:
    explicit PageRig(SimLimiter::Kind kind = SimLimiter::Kind::Limiter, const QString &password = QString())
        : sim(addLimiter(kind, password, QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:21")),
                         QStringLiteral("QVR Page")))
        , device(client(*sim))
    {
    }

    // The values written to one characteristic of a service, in order.
    QList<QByteArray> written(const QBluetoothUuid &service, quint16 id) const
    {
        return values(SimAttEvent::Write, makeUuid(baseOf(service), id));
    }

    std::shared_ptr<SimLimiter> sim;
    std::shared_ptr<LimiterDevice> device;

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
