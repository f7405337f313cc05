#pragma once

#include "DeviceRecords.h"
#include "LimiterDevice.h"
#include "LogDownload.h"

#include <QLoggingCategory>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcLogger)


namespace Ui {
class LoggerWidget;
}

// The logs page of a device tab: its buttons ask the device which sessions
// it holds and queue them for reading, its device list shows each session's
// state, a progress bar and a message line show the read, and the folder
// list shows the log files of this device with the selected one's
// description. The reading itself is the page's LogDownload; the page only
// shows what it reports.
class LoggerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LoggerWidget(QWidget *parent = nullptr);
    ~LoggerWidget() override;

    // The device name the saved files carry.
    QString deviceName() const;
    void setDeviceName(const QString &name);
    QString logsDirectory() const;

    // Takes the tab's device: the download reads from it, and the names
    // come from it.
    void setDevice(std::shared_ptr<LimiterDevice> device);

    LogDownload *download() const { return m_download; }
    bool isReading() const { return m_download->isReading(); }

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

private slots:
    void on_pbReadLogCount_clicked();
    void on_pbClearLogs_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showSessionList();
    void showState(int row);
    void showAllStates();
    void fitDeviceList();
    void showSessionEnded(const QStringList &messages);
    void showRunFinished();
    void showMessages();
    void clearMessages();
    QString selectedLogPath() const;
    void showPlaceholder();

    Ui::LoggerWidget *ui;
    LogDownload *m_download;
    QString m_fileFilter;
    // Problems of the last run (or why the session list was refused).
    QStringList m_messages;
    bool m_showingPlaceholder = true;
};
