#pragma once

// One simulated device behind the real LimiterDevice, connected and set up,
// and a logger page on it whose logs folder is a fresh temporary folder.

#include "LimiterDevice.h"
#include "LoggerWidget.h"
#include "SimLimiter.h"
#include "SimRig.h"

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

inline const QBluetoothAddress kLoggerRigAddress(QStringLiteral("C0:DE:00:00:00:21"));
inline const QString kLoggerRigName = QStringLiteral("QVR Test");

class LoggerRig : public SimRig
{
public:
    explicit LoggerRig(SimLimiter::Kind kind = SimLimiter::Kind::Limiter, const QString &logsDir = QString())
        : device(addLimiter(kind, QString(), kLoggerRigAddress, kLoggerRigName))
        , limiter(client(*device))
    {
        logsPath = logsDir.isEmpty() ? folder.path() : logsDir;
        QSettings(QStringLiteral("Velmora"), QStringLiteral("RADEvadazo")).setValue("logs_dir", logsPath);
        page = std::make_unique<LoggerWidget>();
    }
    ~LoggerRig()
    {
        closeFinishBoxes();
        page.reset();
        limiter.reset();
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
    std::shared_ptr<SimLimiter> device;
    std::shared_ptr<LimiterDevice> limiter;
    std::unique_ptr<LoggerWidget> page;
};
