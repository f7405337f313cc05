#pragma once

#include "DeviceRecords.h"
#include "LimiterDevice.h"

#include <QHash>
#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <nlohmann/json_fwd.hpp>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class BleTimer;
class LogSession;

Q_DECLARE_LOGGING_CATEGORY(lcLogDownload)

// Reads the log sessions of one device into log files (and CSV), one after
// another: the device's list of sessions, the queue, the requests, the
// session being assembled, the answer and data-gap timers, the save, and how
// each session ended. It needs no widget; the logger page shows what it
// reports.
//
// Every session read ends in one outcome:
//  - Complete: the header and every dot it announces arrived and the
//    checksum matches; saved.
//  - Damaged: read whole, but the checksum fails; saved all the same (the
//    file is the only copy the user gets), and reported.
//  - Incomplete: fewer dots than announced, or the read ended by a lost
//    link, a silent device or no answer. The dots that did arrive are kept as
//    an incomplete log (the "x" name, whose header says the race was not
//    closed), so nothing short is ever filed under a complete session's name,
//    "Read New Logs" asks for the session again, and its complete log
//    replaces the short one.
//  - Empty: the device holds no header or no dots for the session; nothing is
//    saved, and "Read New Logs" does not ask for it again on this connection.
//  - SaveFailed: read, but its log file could not be written.
//
// Only what belongs to the session asked for counts: its read statuses (by
// session number) and the data packets between its start and finished
// statuses. Anything else is written to the diagnostics log and dropped.
//
// A log file is never written over another session's log: the name is taken
// when this download wrote it for another device session, or when the file
// there holds something else (other than an incomplete log of the same
// session); the session then gets the next copy name (logFileBaseName). A
// short read does not replace a fuller log of its session either.
class LogDownload : public QObject
{
    Q_OBJECT
public:
    enum class SessionState : std::uint8_t {
        NotQueued,
        Queued,
        Reading,
        Complete,
        Damaged,
        Incomplete,
        Empty,
        SaveFailed,
    };
    Q_ENUM(SessionState)

    // The most sessions a device's log memory can hold. Its size comes as a
    // 16-bit count of 4096-byte blocks (loggerMemoryBlocks of the common
    // settings), so it is below 256 MiB, and every session takes at least its
    // 1536-byte header: at most 65535 x 4096 / 1536 = 174760 sessions. A
    // longer range (an erased counter reads 0 to 0xFFFFFFFF) names no
    // sessions in memory and is refused before anything is built for it.
    static constexpr std::uint32_t kMaxSessions = 0xFFFFu * 4096u / 1536u;

    // A request that gets no start status within this time counts as not
    // answered. A device starts streaming within a few connection intervals;
    // even a link at the longest interval BLE allows (4 s) answers well
    // within it.
    static constexpr std::chrono::milliseconds kStartAnswerTimeout{15000};
    // During a read, a gap without data or status this long means the device
    // stopped sending. A working link delivers a packet every connection
    // interval, at most 4 s apart.
    static constexpr std::chrono::milliseconds kDataGapTimeout{10000};

    explicit LogDownload(QObject *parent = nullptr);
    ~LogDownload() override;

    // Takes the device: its answers come here from now on, its requests go
    // there, and its name goes into the saved files.
    void setDevice(std::shared_ptr<LimiterDevice> device);
    // The device name in file names and the one written into the files.
    void setDeviceNames(const QString &fileDeviceName, const QString &deviceName);
    QString fileDeviceName() const { return m_fileDeviceName; }

    QString logsDirectory() const { return m_logsDir; }
    void setLogsDirectory(const QString &directory) { m_logsDir = directory; }
    bool csvExport() const { return m_csvExport; }
    void setCsvExport(bool exportCsv) { m_csvExport = exportCsv; }

    // Why a session range from the device is not listed, or an empty text.
    static QString sessionRangeProblem(std::uint32_t firstSession, std::uint32_t lastSession);

    // Asks the device for its first and last session numbers; the answer
    // rebuilds the session list (sessionsListed or sessionsRefused).
    void askSessions();
    // Asks the device to clear its logs.
    void clearLogs();
    bool hasSessionList() const { return m_listed; }
    // The device's sessions, newest first.
    int sessionCount() const { return int(m_states.size()); }
    std::uint32_t sessionAt(int row) const { return m_lastSession - std::uint32_t(row); }
    // The row of a session, -1 when it is not listed.
    int rowOf(std::uint32_t session) const;
    SessionState state(int row) const { return m_states[std::size_t(row)]; }

    // Queues and reads: every listed session; those without a complete log
    // in the folder (and not found empty on this connection); the given rows.
    void readAll();
    void readNew(const QSet<std::uint32_t> &completeLogs);
    void readRows(const QList<int> &rows);
    // Reads one session, listed or not (nothing while a read is under way).
    void readSession(std::uint32_t session);
    // Requests the next queued session when no read is under way; the run
    // ends when none is queued.
    void readNextInQueue();

    bool isReading() const { return m_read != nullptr; }
    std::optional<std::uint32_t> readingSession() const;

    // The run of the last queue: sessions in it, sessions saved whole
    // (complete or damaged), one sentence per problem.
    int runSessions() const { return m_run.sessions; }
    int runSaved() const { return m_run.saved; }
    const QStringList &runProblems() const { return m_run.problems; }

    // What the device sends (setDevice connects them).
    void sessionNumbersReceived(const s_LogSessionNum &numbers);
    void readStatusReceived(const s_LogReadStatus &status);
    void dataReceived(const QByteArray &packet);
    void deviceStatusChanged(LimiterConnectionStatus status);

signals:
    // Requests as they go to the device.
    void sessionNumbersRequested();
    void sessionRequested(std::uint32_t session);

    // The session list was rebuilt from the device's answer (maybe empty).
    void sessionsListed();
    // The device's range was refused; the list is empty.
    void sessionsRefused(const QString &message);
    void stateChanged(int row);
    // Many rows changed at once.
    void statesChanged();

    // The read under way: started with its size, bytes so far, speed.
    void readStarted(std::uint32_t session, std::uint32_t size);
    void dataProgress(qint64 bytes);
    void speedReported(std::uint32_t bitsPerSecond);
    // The read under way ended (whatever the outcome).
    void readStopped();
    // A session ended in outcome; messages: one sentence per problem (none
    // for a complete one that was saved).
    void sessionEnded(std::uint32_t session, LogDownload::SessionState outcome, const QStringList &messages);
    // A run of the queue has ended: nothing is queued or being read.
    void runFinished();

private:
    struct Read;
    struct Run {
        int sessions = 0;
        int saved = 0;
        QStringList problems;
        bool active = false;
    };
    enum class Stop { None, LinkLost, Silence };

    void startRun();
    void request(std::uint32_t session, int row);
    void restartTimer(std::chrono::milliseconds timeout);
    void answerTimedOut();
    void readFinished(const s_LogReadStatus &status);
    // Ends a read that will not finish: what arrived is kept, the queue stops.
    void abandonRead(Stop why);
    // Keeps the dots of a read that did not finish as an incomplete log;
    // false when there were none or they could not be saved.
    bool keepPartial(QStringList &messages);
    // Saves the session under the first name that holds no other session's
    // log; problems as sentences.
    bool save(LogSession &session, QStringList &problems, bool partial);
    bool mayReplace(const QString &path, std::uint32_t deviceSession, const nlohmann::json &metadata,
                    const std::vector<char> &data, bool partial) const;
    bool mayRemoveIncomplete(const QString &path, std::uint32_t deviceSession, const nlohmann::json &metadata) const;
    void endRead(SessionState outcome, const QStringList &messages, bool stopQueue);
    void setState(int row, SessionState state);
    void reportStrayPackets();
    void finishRun();

    std::shared_ptr<LimiterDevice> m_device;
    QString m_fileDeviceName;
    QString m_deviceName;
    QString m_logsDir;
    bool m_csvExport = false;

    // Session-number requests not answered yet.
    int m_numbersAsked = 0;
    bool m_listed = false;
    std::uint32_t m_lastSession = 0;
    std::vector<SessionState> m_states;
    // Rows above it hold no queued session.
    int m_queueCursor = 0;
    // Sessions the device said it holds no data for, on this connection.
    QSet<std::uint32_t> m_emptySessions;

    std::unique_ptr<Read> m_read;
    int m_strayPackets = 0;
    BleTimer *m_timer = nullptr;
    Run m_run;
    // Every log file this download wrote, with the device session it holds.
    QHash<QString, std::uint32_t> m_written;
};
