#include "LogDownload.h"

#include "BleTimer.h"
#include "Crc32.h"
#include "LogFile.h"
#include "LogMetadata.h"
#include "LogSession.h"
#include "ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <exception>

Q_LOGGING_CATEGORY(lcLogDownload, "logs.download")

using nlohmann::json;

namespace {

// Copy names tried for a session whose own name is taken.
constexpr int kMaxCopies = 99;
// Data packets that belong to no read, written to the diagnostics in full
// before only their number is.
constexpr int kStrayPacketsShown = 5;

// A sentence of another part, to be set into one of ours before its stop.
QString withoutFinalStop(const QString &text)
{
    QString t = text.trimmed();
    while (t.endsWith(QLatin1Char('.')) || t.endsWith(QChar(0x3002)))
        t.chop(1);
    return t;
}

bool isIncompleteLog(const json &metadata)
{
    return metadata.at(logkey::head).at(logkey::dotsCount).get<std::uint64_t>() == kIncompleteDotsCount;
}

// The same header and device, whatever either says of the dot count.
bool sameSession(json a, json b)
{
    a[logkey::head][logkey::dotsCount] = 0;
    b[logkey::head][logkey::dotsCount] = 0;
    return a == b;
}

// The dots a session announces: by its size, and by its header's count when
// the race was closed; what arrived when it says neither.
std::uint64_t announcedDots(const LogSession &session)
{
    const LogHeader &header = session.header();
    const bool sized = session.fullSessionSize() >= kLogHeaderSize;
    std::uint64_t dots = 0;
    if (sized && logDotLayoutUsable(header))
        dots = session.dotsExpected();
    else if (sized && session.fullSessionSize() > kLogHeaderSize)
        dots = 1; // data announced, but no dot can be cut from it
    if (header.head.dotsCount != kIncompleteDotsCount)
        dots = std::max<std::uint64_t>(dots, header.head.dotsCount);
    else if (!sized)
        dots = std::max<std::uint64_t>(dots, session.dots().size());
    return dots;
}

} // namespace

struct LogDownload::Read {
    std::uint32_t session = 0;
    int row = -1;
    bool started = false;
    qint64 received = 0;
    std::unique_ptr<LogSession> log = std::make_unique<LogSession>();
};

LogDownload::LogDownload(QObject *parent) : QObject(parent) {}

LogDownload::~LogDownload() = default;

void LogDownload::setDevice(std::shared_ptr<LimiterDevice> device)
{
    if (m_device)
        disconnect(m_device.get(), nullptr, this, nullptr);
    m_device = std::move(device);
    if (!m_device)
        return;
    LimiterDevice *d = m_device.get();
    connect(d, &LimiterDevice::logSessionNumberReceived, this, &LogDownload::sessionNumbersReceived);
    connect(d, &LimiterDevice::logReadStatusReceived, this, &LogDownload::readStatusReceived);
    connect(d, &LimiterDevice::logDataReceived, this, &LogDownload::dataReceived);
    connect(d, &LimiterDevice::statusChanged, this, &LogDownload::deviceStatusChanged);
    if (m_timer) {
        m_timer->stop();
        m_timer->setBackend(d->backend());
    }
}

void LogDownload::setDeviceNames(const QString &fileDeviceName, const QString &deviceName)
{
    m_fileDeviceName = fileDeviceName;
    m_deviceName = deviceName;
}

// --- the session list ----------------------------------------------------

QString LogDownload::sessionRangeProblem(std::uint32_t firstSession, std::uint32_t lastSession)
{
    if (lastSession < firstSession)
        return tr("The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.")
            .arg(firstSession)
            .arg(lastSession);
    if (lastSession - firstSession >= kMaxSessions)
        return tr("The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: "
                  "nothing is listed.")
            .arg(firstSession)
            .arg(lastSession)
            .arg(kMaxSessions);
    return QString();
}

void LogDownload::clearLogs()
{
    if (m_device)
        m_device->sendClearLogs();
}

void LogDownload::askSessions()
{
    ++m_numbersAsked;
    emit sessionNumbersRequested();
    if (m_device)
        m_device->readLogNumber();
}

int LogDownload::rowOf(std::uint32_t session) const
{
    if (m_states.empty() || session > m_lastSession || m_lastSession - session >= m_states.size())
        return -1;
    return int(m_lastSession - session);
}

void LogDownload::sessionNumbersReceived(const s_LogSessionNum &numbers)
{
    // Nothing but the answer to a question rebuilds the list: a record on
    // its own would throw away the queue under way.
    if (m_numbersAsked == 0) {
        qCWarning(lcLogDownload) << "Session numbers" << numbers.firstSession << "to" << numbers.lastSession
                                 << "arrived unasked, dropped";
        return;
    }
    --m_numbersAsked;
    qCDebug(lcLogDownload) << "session number: " << numbers.lastSession << numbers.firstSession;

    m_listed = true;
    m_queueCursor = 0;
    m_states.clear();
    const QString problem = sessionRangeProblem(numbers.firstSession, numbers.lastSession);
    if (!problem.isEmpty()) {
        m_states.shrink_to_fit();
        qCWarning(lcLogDownload).noquote() << problem;
        if (m_read)
            m_read->row = -1;
        emit sessionsRefused(problem);
        return;
    }
    m_lastSession = numbers.lastSession;
    m_states.assign(std::size_t(numbers.lastSession - numbers.firstSession) + 1, SessionState::NotQueued);
    if (m_read) {
        m_read->row = rowOf(m_read->session);
        if (m_read->row >= 0)
            m_states[std::size_t(m_read->row)] = SessionState::Reading;
    }
    emit sessionsListed();
}

// --- the queue -----------------------------------------------------------

void LogDownload::setState(int row, SessionState state)
{
    m_states[std::size_t(row)] = state;
    emit stateChanged(row);
}

void LogDownload::readAll()
{
    const int reading = m_read ? m_read->row : -1;
    for (int row = 0; row < sessionCount(); ++row) {
        if (row != reading)
            m_states[std::size_t(row)] = SessionState::Queued;
    }
    startRun();
}

void LogDownload::readNew(const QSet<std::uint32_t> &completeLogs)
{
    const int reading = m_read ? m_read->row : -1;
    for (int row = 0; row < sessionCount(); ++row) {
        if (row == reading)
            continue;
        const std::uint32_t session = sessionAt(row);
        SessionState &state = m_states[std::size_t(row)];
        if (m_emptySessions.contains(session))
            state = SessionState::Empty;
        else
            state = completeLogs.contains(session) ? SessionState::NotQueued : SessionState::Queued;
    }
    startRun();
}

void LogDownload::readRows(const QList<int> &rows)
{
    const int reading = m_read ? m_read->row : -1;
    for (int row = 0; row < sessionCount(); ++row) {
        if (row != reading)
            m_states[std::size_t(row)] = SessionState::NotQueued;
    }
    for (int row : rows) {
        if (row >= 0 && row < sessionCount() && row != reading)
            m_states[std::size_t(row)] = SessionState::Queued;
    }
    startRun();
}

void LogDownload::readSession(std::uint32_t session)
{
    if (m_read) {
        qCWarning(lcLogDownload) << "Session" << session << "not asked for: session" << m_read->session
                                 << "is being read";
        return;
    }
    m_run = Run{1, 0, {}, true};
    request(session, rowOf(session));
}

void LogDownload::startRun()
{
    m_run = Run{};
    m_run.active = true;
    m_run.sessions = int(std::count(m_states.begin(), m_states.end(), SessionState::Queued))
        + (m_read ? 1 : 0);
    m_queueCursor = 0;
    emit statesChanged();
    readNextInQueue();
}

void LogDownload::readNextInQueue()
{
    if (m_read)
        return;
    if (!m_run.active) {
        m_run = Run{};
        m_run.active = true;
        m_run.sessions = int(std::count(m_states.begin(), m_states.end(), SessionState::Queued));
        m_queueCursor = 0;
    }
    // Rows only ever leave the queue, so the search goes on where it ended.
    for (; m_queueCursor < sessionCount(); ++m_queueCursor) {
        if (m_states[std::size_t(m_queueCursor)] == SessionState::Queued) {
            const int row = m_queueCursor++;
            request(sessionAt(row), row);
            return;
        }
    }
    finishRun();
}

void LogDownload::finishRun()
{
    if (!m_run.active)
        return;
    m_run.active = false;
    emit runFinished();
}

std::optional<std::uint32_t> LogDownload::readingSession() const
{
    if (!m_read)
        return std::nullopt;
    return m_read->session;
}

// --- one session ---------------------------------------------------------

void LogDownload::request(std::uint32_t session, int row)
{
    reportStrayPackets();
    m_read = std::make_unique<Read>();
    m_read->session = session;
    m_read->row = row;
    if (row >= 0)
        setState(row, SessionState::Reading);
    restartTimer(kStartAnswerTimeout);
    emit sessionRequested(session);
    if (m_device)
        m_device->readLog(session);
}

void LogDownload::restartTimer(std::chrono::milliseconds timeout)
{
    if (!m_timer) {
        m_timer = new BleTimer(m_device ? m_device->backend() : nullptr, this);
        m_timer->setSingleShot(true);
        connect(m_timer, &BleTimer::timeout, this, &LogDownload::answerTimedOut);
    } else if (m_device) {
        // The clock of the backend the device connected through.
        m_timer->setBackend(m_device->backend());
    }
    m_timer->start(int(timeout.count()));
}

void LogDownload::answerTimedOut()
{
    if (m_read)
        abandonRead(Stop::Silence);
}

void LogDownload::readStatusReceived(const s_LogReadStatus &status)
{
    if (!m_read) {
        qCInfo(lcLogDownload) << "Read status" << int(status.status) << "of session" << status.sessionNumber
                              << "with no session asked for, dropped";
        return;
    }
    if (status.sessionNumber != m_read->session) {
        qCWarning(lcLogDownload) << "Read status" << int(status.status) << "names session" << status.sessionNumber
                                 << "while session" << m_read->session << "is being read, dropped";
        return;
    }
    switch (status.status) {
    case s_LogReadStatus::Started:
        if (m_read->started) {
            qCWarning(lcLogDownload) << "Session" << m_read->session << "started again; read from its start";
            m_read->log = std::make_unique<LogSession>();
            m_read->received = 0;
        }
        m_read->started = true;
        m_read->log->setFullSessionSize(status.sessionSize);
        qCDebug(lcLogDownload) << "fullSessionSize = " << status.sessionSize;
        restartTimer(kDataGapTimeout);
        emit readStarted(m_read->session, status.sessionSize);
        break;
    case s_LogReadStatus::Speed:
        if (m_read->started)
            restartTimer(kDataGapTimeout);
        emit speedReported(status.speed);
        break;
    case s_LogReadStatus::Finished:
        readFinished(status);
        break;
    default:
        break;
    }
}

void LogDownload::dataReceived(const QByteArray &packet)
{
    if (!m_read || !m_read->started) {
        // A whole stream that belongs to no request would bury everything
        // else: the first few in full, then only how many.
        if (++m_strayPackets <= kStrayPacketsShown)
            qCWarning(lcLogDownload).noquote() << "Unexpected log record" << QString::fromLatin1(packet.toHex(':'));
        return;
    }
    m_read->received += packet.size();
    restartTimer(kDataGapTimeout);
    m_read->log->appendData(packet);
    emit dataProgress(m_read->received);
}

void LogDownload::readFinished(const s_LogReadStatus &status)
{
    const std::uint32_t session = m_read->session;
    if (!m_read->started) {
        endRead(SessionState::Incomplete,
                {tr("Session %1 was not read whole: none of its dots could be read.").arg(session)}, false);
        return;
    }
    LogSession &log = *m_read->log;
    qCDebug(lcLogDownload).noquote() << "final m_crc32 = " << QString::number(log.crc32(), 16);
    qCDebug(lcLogDownload).noquote() << "received final m_crc32 = " << QString::number(status.crc32, 16);
    const bool crcOk = log.crc32() == status.crc32;
    if (crcOk)
        qCDebug(lcLogDownload) << "Session CRC true!!!";
    else
        qCWarning(lcLogDownload) << "Session CRC fail!!!";

    const bool header = log.bytesConsumed() >= kLogHeaderSize;
    const std::uint64_t dots = log.dots().size();
    const std::uint64_t announced = header ? announcedDots(log) : 0;
    if (!header || dots == 0) {
        // Nothing was announced beyond what came: the device holds nothing
        // of the session. Otherwise what was announced did not arrive.
        const bool empty = header ? announced == 0 : m_read->received == 0 && log.fullSessionSize() == 0;
        if (empty)
            endRead(SessionState::Empty, {tr("The device holds no data for session %1.").arg(session)}, false);
        else
            endRead(SessionState::Incomplete,
                    {tr("Session %1 was not read whole: none of its dots could be read.").arg(session)}, false);
        return;
    }
    if (dots < announced) {
        QStringList problems;
        const bool kept = keepPartial(problems);
        // Not kept: the save failed, and says why.
        problems.prepend((kept ? tr("Session %1 was not read whole: %2 of %3 dots arrived and were kept as an "
                                    "incomplete log.")
                               : tr("Session %1 was not read whole: %2 of %3 dots arrived."))
                             .arg(session)
                             .arg(dots)
                             .arg(announced));
        endRead(SessionState::Incomplete, problems, false);
        return;
    }

    // The file is the only copy the user gets, so it is written whatever the
    // checksum gave.
    QStringList problems;
    if (!save(log, problems, false)) {
        endRead(SessionState::SaveFailed, problems, false);
        return;
    }
    if (!crcOk)
        problems.prepend(tr("Session %1 failed its checksum: it was saved, but its data may be damaged.").arg(session));
    endRead(crcOk ? SessionState::Complete : SessionState::Damaged, problems, false);
}

void LogDownload::abandonRead(Stop why)
{
    const std::uint32_t session = m_read->session;
    QStringList problems;
    if (!m_read->started) {
        problems.append(why == Stop::LinkLost
                            ? tr("The connection to the device was lost while session %1 was being read.").arg(session)
                            : tr("The device did not answer the request for session %1.").arg(session));
        endRead(SessionState::Incomplete, problems, true);
        return;
    }
    const LogSession &log = *m_read->log;
    const std::uint64_t dots = log.dots().size();
    const std::uint64_t announced =
        log.bytesConsumed() >= kLogHeaderSize ? std::max(announcedDots(log), dots) : dots;
    const bool kept = keepPartial(problems);
    const QString cause = why == Stop::LinkLost
        ? (kept ? tr("The connection to the device was lost while session %1 was being read: %2 of %3 dots "
                     "arrived and were kept as an incomplete log.")
                : tr("The connection to the device was lost while session %1 was being read."))
        : (kept ? tr("The device stopped answering while session %1 was being read: %2 of %3 dots arrived and "
                     "were kept as an incomplete log.")
                : tr("The device stopped answering while session %1 was being read."));
    problems.prepend(kept ? cause.arg(session).arg(dots).arg(announced) : cause.arg(session));
    endRead(SessionState::Incomplete, problems, true);
}

bool LogDownload::keepPartial(QStringList &problems)
{
    LogSession &log = *m_read->log;
    if (log.dots().empty())
        return false;
    // Its header says the race was not closed: the file takes the
    // incomplete name, and every reader takes it for what it is.
    LogHeader header = log.header();
    header.head.dotsCount = kIncompleteDotsCount;
    log.setHeader(header);
    return save(log, problems, true);
}

void LogDownload::endRead(SessionState outcome, const QStringList &messages, bool stopQueue)
{
    const std::uint32_t session = m_read->session;
    const int row = m_read->row;
    m_read.reset();
    if (m_timer)
        m_timer->stop();
    reportStrayPackets();
    if (outcome == SessionState::Empty)
        m_emptySessions.insert(session);
    if (outcome == SessionState::Complete || outcome == SessionState::Damaged)
        ++m_run.saved;
    for (const QString &message : messages)
        qCWarning(lcLogDownload).noquote() << message;
    m_run.problems += messages;
    if (row >= 0)
        setState(row, outcome);
    emit readStopped();
    emit sessionEnded(session, outcome, messages);

    if (!stopQueue) {
        readNextInQueue();
        return;
    }
    for (SessionState &state : m_states) {
        if (state == SessionState::Queued)
            state = SessionState::NotQueued;
    }
    emit statesChanged();
    finishRun();
}

void LogDownload::deviceStatusChanged(LimiterConnectionStatus status)
{
    if (status == LimiterServicesDiscovered)
        return;
    // A new connection: what the device said it holds is asked again.
    m_emptySessions.clear();
    if (m_read)
        abandonRead(Stop::LinkLost);
}

void LogDownload::reportStrayPackets()
{
    if (m_strayPackets > kStrayPacketsShown)
        qCWarning(lcLogDownload) << m_strayPackets - kStrayPacketsShown << "more unexpected log records dropped";
    m_strayPackets = 0;
}

// --- saving --------------------------------------------------------------

bool LogDownload::save(LogSession &session, QStringList &problems, bool partial)
{
    const std::uint32_t deviceSession = m_read->session;
    const auto saveProblem = [&](const QString &reason) {
        problems.append(tr("Session %1 could not be saved: %2.").arg(deviceSession).arg(withoutFinalStop(reason)));
        return false;
    };
    session.setFileDeviceName(m_fileDeviceName);
    session.setDeviceName(m_deviceName);
    if (const QString problem = prepareLogsFolder(m_logsDir); !problem.isEmpty())
        return saveProblem(problem);

    LogFileContent content = logFileContent(session);
    const json metadata = json::parse(content.metadata);
    const QString extension = QLatin1String(kLogFileExtension);
    int copy = 1;
    for (; copy <= kMaxCopies; ++copy) {
        const QString path = logFilePath(m_logsDir, session, extension, copy);
        if (!QFileInfo::exists(path) || mayReplace(path, deviceSession, metadata, content.data, partial))
            break;
        qCInfo(lcLogDownload).noquote() << "Session" << deviceSession << "does not replace"
                                        << QDir::toNativeSeparators(path) << "(another session's log)";
    }
    if (copy > kMaxCopies)
        return saveProblem(tr("every name for its log file holds another session's log"));

    const QString path = logFilePath(m_logsDir, session, extension, copy);
    const LogWriteResult written = writeLogFile(path, session, std::move(content));
    if (!written.ok) {
        saveProblem(written.errorString);
    } else {
        m_written.insert(path, deviceSession);
        // Once the complete log is safe, the incomplete one of the session
        // can go.
        if (session.isComplete()) {
            const QString incomplete = logFileBaseName(m_logsDir, session, copy) + QLatin1Char('x') + extension;
            if (QFileInfo::exists(incomplete) && mayRemoveIncomplete(incomplete, deviceSession, metadata)) {
                if (QFile::remove(incomplete))
                    m_written.remove(incomplete);
                else
                    qCWarning(lcLogDownload).noquote()
                        << "Cannot delete the incomplete log" << QDir::toNativeSeparators(incomplete);
            }
        }
    }
    if (m_csvExport) {
        const LogWriteResult csv = exportLogCsv(m_logsDir, session, copy);
        if (!csv.ok)
            problems.append(tr("Session %1 could not be exported as CSV: %2.")
                                .arg(deviceSession)
                                .arg(withoutFinalStop(csv.errorString)));
    }
    return written.ok;
}

bool LogDownload::mayReplace(const QString &path, std::uint32_t deviceSession, const json &metadata,
                             const std::vector<char> &data, bool partial) const
{
    const auto written = m_written.constFind(path);
    const bool ours = written != m_written.constEnd();
    if (ours && *written != deviceSession)
        return false;
    if (ours && !partial)
        return true;
    // A log from before is replaced when it holds the same, or when it is an
    // incomplete log of this session holding no more than this one; a short
    // read never replaces a fuller log of its session. A file that cannot be
    // read is nobody's to throw away.
    try {
        const json existing = readLogMetadataDocument(path, LogEntries::MetadataAndData);
        Zippy::ZipArchive archive(QFile::encodeName(path).toStdString());
        const std::uint64_t size = archive.GetEntrySize(kLogDataEntry);
        if (ours)
            return size <= data.size();
        if (existing == metadata && size == data.size()
            && archive.GetEntryCrc32(kLogDataEntry) == checksum::crc32(data.data(), data.size()))
            return true;
        return isIncompleteLog(existing) && sameSession(existing, metadata) && size <= data.size();
    } catch (const std::exception &e) {
        qCInfo(lcLogDownload).noquote() << QDir::toNativeSeparators(path) << "is no readable log:" << e.what();
    }
    return false;
}

bool LogDownload::mayRemoveIncomplete(const QString &path, std::uint32_t deviceSession, const json &metadata) const
{
    if (const auto it = m_written.constFind(path); it != m_written.constEnd())
        return *it == deviceSession;
    try {
        const json existing = readLogMetadataDocument(path, LogEntries::Metadata);
        return isIncompleteLog(existing) && sameSession(existing, metadata);
    } catch (const std::exception &e) {
        qCInfo(lcLogDownload).noquote() << QDir::toNativeSeparators(path) << "is no readable log:" << e.what();
    }
    return false;
}
