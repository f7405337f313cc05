#pragma once

// One simulated device behind the real LimiterDevice, connected and set up,
// and a logger page on it whose logs folder is a fresh temporary folder.

#include "BleBackend.h"
#include "LimiterDevice.h"
#include "LoggerWidget.h"
#include "SimBackend.h"
#include "SimLimiter.h"
#include "SimRadio.h"

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

inline const QBluetoothAddress kLoggerRigAddress(QStringLiteral("C0:DE:00:00:00:21"));
inline const QString kLoggerRigName = QStringLiteral("QVR Test");

class LoggerRig
{
public:
    explicit LoggerRig(SimLimiter::Kind kind = SimLimiter::Kind::Limiter, const QString &logsDir = QString())
        : device(std::make_shared<SimLimiter>(kind, kLoggerRigAddress, kLoggerRigName))
    {
        radio.addPeripheral(device);
        BleBackend::setInstance(&backend);
        limiter = std::make_shared<LimiterDevice>(QBluetoothDeviceInfo(kLoggerRigAddress, kLoggerRigName, 0));
        logsPath = logsDir.isEmpty() ? folder.path() : logsDir;
        QSettings(QStringLiteral("Velmora"), QStringLiteral("RADEvadazo")).setValue("logs_dir", logsPath);
        page = std::make_unique<LoggerWidget>();
    }
    ~LoggerRig()
    {
        closeFinishBoxes();
        page.reset();
        limiter.reset();
        BleBackend::setInstance(nullptr);
    }

    // Connects, waits for the log service and hands the device to the page.
    bool connect()
    {
        QSignalSpy logger(limiter.get(), &LimiterDevice::loggerServiceDiscovered);
        page->setDevice(limiter);
        limiter->connectToDevice();
        return QTest::qWaitFor([&] { return logger.count() > 0; });
    }

    // Asks for the device's sessions through the page's button.
    bool askSessions(QWidget *button)
    {
        QSignalSpy numbers(limiter.get(), &LimiterDevice::logSessionNumberReceived);
        QTest::mouseClick(button, Qt::LeftButton);
        return QTest::qWaitFor([&] { return numbers.count() > 0; });
    }

    // The boxes that close a queue ("Finish reading logs" or why nothing
    // was saved).
    static QList<QMessageBox *> finishBoxes()
    {
        QList<QMessageBox *> boxes;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (box && box->isVisible())
                boxes.append(box);
        }
        return boxes;
    }
    static void closeFinishBoxes()
    {
        for (QMessageBox *box : finishBoxes())
            box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir folder;
    QString logsPath;
    SimRadio radio;
    SimBackend backend{&radio};
    std::shared_ptr<SimLimiter> device;
    std::shared_ptr<LimiterDevice> limiter;
    std::unique_ptr<LoggerWidget> page;
};
