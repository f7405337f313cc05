#pragma once

#include "DeviceRecords.h"
#include "LimiterDevice.h"
#include "LogSession.h"
#include "LoggerQueue.h"

#include <QLoggingCategory>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <list>
#include <memory>
#include <optional>

Q_DECLARE_LOGGING_CATEGORY(lcLogger)

class QListWidgetItem;
class QMessageBox;
class QTimer;

namespace Ui {
class LoggerWidget;
}

// The logs page of a device tab: asks the device which sessions it holds,
// reads the queued ones one after another into log files (and CSV), and
// lists the log files of this device in the logs folder with the selected
// one's description.
//
// A read ends in one of four ways: the device reports it finished (the
// session is saved, whatever its checksum gave), the link drops, the device
// stops answering, or it never starts. The last three leave nothing saved,
// put the session back to not read and stop the queue; the page says why.
class LoggerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LoggerWidget(QWidget *parent = nullptr);
    ~LoggerWidget() override;

    // The device name the saved files carry.
    QString deviceName() const { return m_deviceName; }
    void setDeviceName(const QString &name) { m_deviceName = name; }
    QString logsDirectory() const { return m_logsDir; }

    // Takes the tab's device: sets the names from it and makes every
    // connection between the page and the device, the link state included.
    void setDevice(std::shared_ptr<LimiterDevice> device);

    // Waiting limits of a read (the defaults are LoggerQueue's).
    void setAnswerTimeouts(std::chrono::milliseconds startAnswer, std::chrono::milliseconds dataGap);

    // True from a session request until the read ends.
    bool isReading() const { return m_readingSession.has_value(); }
    const std::list<LogSession> &logSessions() const { return m_logSessions; }

signals:
    void readLogNumber();
    void readLog(uint32_t session);
    void clearLogs();

public slots:
    void connectedToLimiter(QString name);
    void logDataReceived(QByteArray data);
    void logSessionNumberReceived(s_LogSessionNum sessionNumber);
    void logStatus(s_LogReadStatus status);
    void selectLogDirectory();
    void readAllLogs();
    void readNewLogs();
    void readLogs(int session);
    void readSelected();
    void readLogDirectory(QString directory);
    void readNextLogInQueue();
    void logSelected();
    void openLog();
    // The device's link state: a drop during a read ends the read.
    void deviceStatusChanged(LimiterConnectionStatus status);

private slots:
    void on_pbReadLogCount_clicked();
    void on_pbClearLogs_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void setItemState(QListWidgetItem *item, LoggerQueue::ItemState state);
    // Marks the device list for a new queue run and starts it unless a read
    // is already under way (its end goes on with the queue).
    void startQueue();
    void requestSession(std::uint32_t session);
    void finishSession(const s_LogReadStatus &status);
    // Ends a read that will not finish: nothing saved, the queue stopped.
    void abandonRead(const QString &reason);
    void endRead();
    void addProblem(const QString &text);
    QString selectedLogPath() const;
    void showPlaceholder();

    Ui::LoggerWidget *ui;
    QString m_deviceName;
    std::list<LogSession> m_logSessions;
    QString m_logsDir;
    QString m_fileFilter;

    std::shared_ptr<LimiterDevice> m_device;
    std::optional<std::uint32_t> m_readingSession;
    bool m_started = false;
    QTimer *m_answerTimer;
    std::chrono::milliseconds m_startAnswerTimeout = LoggerQueue::kStartAnswerTimeout;
    std::chrono::milliseconds m_dataGapTimeout = LoggerQueue::kDataGapTimeout;
    QStringList m_problems;
    bool m_showingPlaceholder = true;
};
