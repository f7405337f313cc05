// The log download against simulated limiters and DOV loggers through the
// real LimiterDevice, without widgets: how every session ends (complete,
// damaged, incomplete, empty) and what lands in the logs folder, statuses and
// data that belong to no request, sessions whose files would share a name,
// and the device's session ranges, sane and absurd, asked for and not. The
// answer timers run on the simulated clock: no test waits real time for them.
#include "DeviceProtocol.h"
#include "LimiterDevice.h"
#include "LogCapture.h"
#include "LogDownload.h"
#include "LogFile.h"
#include "SimLogSession.h"
#include "SimRig.h"
#include "ZipArchive.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <nlohmann/json.hpp>

#include <cstring>
#include <functional>

using namespace DeviceProtocol;
using SessionState = LogDownload::SessionState;

namespace {

const QString kDevice = SimRig::kLimiterName;

struct Ended {
    quint32 session;
    SessionState outcome;
    QStringList messages;
};

// One simulated device, its LimiterDevice and a download into a fresh folder.
struct DownloadRig : SimRig {
    explicit DownloadRig(SimLimiter::Kind kind = SimLimiter::Kind::Limiter)
        : device(addLimiter(kind)), client(SimRig::client(*device))
    {
        download.setDevice(client);
        download.setDeviceNames(kDevice, kDevice);
        download.setLogsDirectory(folder.path());
        QObject::connect(&download, &LogDownload::sessionEnded, &download,
                         [this](quint32 session, SessionState outcome, const QStringList &messages) {
                             ended.append({session, outcome, messages});
                         });
        QObject::connect(&download, &LogDownload::sessionRequested, &download,
                         [this](quint32 session) { requested.append(session); });
    }

    bool setUp() { return connectAndSetUp(*client); }

    // Asks for the device's sessions and waits for the list (or its refusal).
    bool list()
    {
        QSignalSpy listed(&download, &LogDownload::sessionsListed);
        QSignalSpy refused(&download, &LogDownload::sessionsRefused);
        download.askSessions();
        return QTest::qWaitFor([&] { return !listed.isEmpty() || !refused.isEmpty(); });
    }

    // Runs one queue to its end.
    bool run(const std::function<void()> &start)
    {
        QSignalSpy finished(&download, &LogDownload::runFinished);
        start();
        return QTest::qWaitFor([&] { return !finished.isEmpty(); }, 20000);
    }

    SessionState stateOf(quint32 session) const { return download.state(download.rowOf(session)); }
    // Sorted as QStringList sorts.
    QStringList files(const QString &pattern = QStringLiteral("*.verira")) const
    {
        QStringList names = QDir(folder.path()).entryList({pattern}, QDir::Files);
        names.sort();
        return names;
    }
    QString path(const QString &file) const { return folder.path() + QLatin1Char('/') + file; }

    QTemporaryDir folder;
    std::shared_ptr<SimLimiter> device;
    std::shared_ptr<LimiterDevice> client;
    LogDownload download;
    QList<Ended> ended;
    QList<quint32> requested;
};

SimLogSessionSpec spec(quint32 number, quint32 dots, bool openRace = false)
{
    SimLogSessionSpec s;
    s.number = number;
    s.dots = dots;
    s.incomplete = openRace;
    return s;
}

// The file name the download gives session n of the rig's device.
QString savedName(quint32 session, const QString &mark = QString(), int copy = 1)
{
    return QStringLiteral("%1_(RU-1234)_15.03.2026_14.30%2_%3%4.verira")
        .arg(kDevice, copy > 1 ? QStringLiteral("(%1)").arg(copy) : QString())
        .arg(session, 3, 10, QLatin1Char('0'))
        .arg(mark);
}

nlohmann::json entry(const QString &path, const char *name)
{
    Zippy::ZipArchive archive(QFile::encodeName(path).toStdString());
    return nlohmann::json::parse(archive.GetEntry(name).GetDataAsText());
}

int dotsIn(const QString &path)
{
    return int(entry(path, "data.json").size());
}

quint32 headerDotsCount(const QString &path)
{
    return entry(path, "metadata.json").at("head").at("dotsCount").get<quint32>();
}

bool isLogNotification(const SimAttEvent &e, quint16 id)
{
    return e.kind == SimAttEvent::Notification && e.characteristic == logUuid(id);
}

quint8 statusOf(const SimAttEvent &e)
{
    return e.value.size() > 20 ? quint8(e.value.at(20)) : 0;
}

// Session bytes of `number` whose header says `headerNumber`.
QByteArray sessionBytes(quint32 headerNumber, quint32 dots, quint32 seed)
{
    return SimLogSession::generate(spec(headerNumber, dots), seed);
}

} // namespace

class tst_LogDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void outcomes_data();
    void outcomes();
    void incompleteIsReadAgainAndReplaced();
    void shortReadThatCannotBeKept();
    void emptyIsNotAskedAgainOnTheSameConnection();
    void sessionsSharingANameKeepTheirData();
    void shortReadNeverReplacesAFullerLog();
    void logsFromBeforeAreKeptUnlessTheyHoldTheSame();
    void sessionRanges_data();
    void sessionRanges();
    void unaskedSessionNumbersAreDropped();
};

// The link's and the assembly's traces of every packet drown the rest.
const QString kFilterRules =
    QStringLiteral("device.debug=false\nlogs.session.debug=false\nble.debug=false\nlogs.download.debug=false");

// While it lives, the download's warnings are not shown: a stream that
// belongs to no request gives one per packet.
struct QuietDownload {
    explicit QuietDownload(bool quiet)
    {
        if (quiet)
            QLoggingCategory::setFilterRules(kFilterRules + QStringLiteral("\nlogs.download.warning=false"));
    }
    ~QuietDownload() { QLoggingCategory::setFilterRules(kFilterRules); }
};

void tst_LogDownload::initTestCase()
{
    QLoggingCategory::setFilterRules(kFilterRules);
}

enum class Case {
    Complete,
    OpenRace,
    HeaderWithoutDots,
    GapInNumbering,
    LostPackets,
    LinkLoss,
    Silence,
    NoAnswer,
    ChecksumFailure,
    StatusesOfAnotherSession,
    FinishedWithoutStart,
};

void tst_LogDownload::outcomes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<Case>("which");
    QTest::addColumn<SessionState>("outcome");
    // The one log file the read leaves, its mark ("" or "x"); empty: none.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("message");
    const int limiter = int(SimLimiter::Kind::Limiter);
    const int dov = int(SimLimiter::Kind::DovLogger);
    QTest::newRow("complete") << limiter << Case::Complete << SessionState::Complete << "003" << "" << "";
    QTest::newRow("complete, race not closed")
        << dov << Case::OpenRace << SessionState::Complete << "003" << "x" << "";
    QTest::newRow("header without dots") << dov << Case::HeaderWithoutDots << SessionState::Empty << "" << ""
                                         << "The device holds no data for session 3.";
    QTest::newRow("gap in the numbering") << limiter << Case::GapInNumbering << SessionState::Empty << "" << ""
                                          << "The device holds no data for session 3.";
    QTest::newRow("lost packets") << limiter << Case::LostPackets << SessionState::Incomplete << "003" << "x"
                                  << "Session 3 was not read whole: %1 of 3000 dots arrived and were kept as an "
                                     "incomplete log.";
    QTest::newRow("link loss") << dov << Case::LinkLoss << SessionState::Incomplete << "003" << "x"
                               << "The connection to the device was lost while session 3 was being read: %1 of "
                                  "3000 dots arrived and were kept as an incomplete log.";
    QTest::newRow("silence") << limiter << Case::Silence << SessionState::Incomplete << "003" << "x"
                             << "The device stopped answering while session 3 was being read: %1 of 3000 dots "
                                "arrived and were kept as an incomplete log.";
    QTest::newRow("no answer") << dov << Case::NoAnswer << SessionState::Incomplete << "" << ""
                               << "The device did not answer the request for session 3.";
    QTest::newRow("checksum failure")
        << dov << Case::ChecksumFailure << SessionState::Damaged << "003" << ""
        << "Session 3 failed its checksum: it was saved, but its data may be damaged.";
    QTest::newRow("statuses naming another session")
        << limiter << Case::StatusesOfAnotherSession << SessionState::Incomplete << "" << ""
        << "The device did not answer the request for session 3.";
    QTest::newRow("finished without start")
        << dov << Case::FinishedWithoutStart << SessionState::Incomplete << "" << ""
        << "Session 3 was not read whole: none of its dots could be read.";
}

// Sessions 3 and 2 are queued; session 3 (3000 dots) is read as the case
// has it, session 2 normally. A stopped read (link loss, silence, no answer)
// ends the queue; a finished one goes on with session 2.
void tst_LogDownload::outcomes()
{
    QFETCH(int, kind);
    QFETCH(Case, which);
    QFETCH(SessionState, outcome);
    QFETCH(QString, file);
    QFETCH(QString, mark);
    QFETCH(QString, message);
    DownloadRig rig{SimLimiter::Kind(kind)};
    rig.device->addSession(spec(2, 40));
    if (which == Case::HeaderWithoutDots)
        rig.device->addSession(spec(3, 0));
    else if (which == Case::GapInNumbering)
        rig.device->addSession(spec(4, 40));
    else
        rig.device->addSession(spec(3, 3000, which == Case::OpenRace));
    if (which == Case::StatusesOfAnotherSession)
        rig.device->setReportedSessionRange(2, 9);
    QVERIFY(rig.setUp());
    QVERIFY(rig.list());

    int packets = 0;
    switch (which) {
    case Case::LostPackets:
        // Every other packet of session 3 after the 40th does not arrive.
        rig.device->addFaultFilter([packets](SimAttEvent &e) mutable {
            return isLogNotification(e, kLogDataId) && ++packets > 40 && packets < 200 && packets % 2
                ? SimFault::Refuse
                : SimFault::Pass;
        });
        break;
    case Case::LinkLoss:
        rig.device->addFaultFilter(SimFaults::dropLink(SimAttEvent::Notification, logUuid(kLogDataId), 20));
        break;
    case Case::Silence:
        rig.device->addFaultFilter([packets](SimAttEvent &e) mutable {
            const bool log = isLogNotification(e, kLogDataId) || isLogNotification(e, kLogReadStatusId);
            return log && ++packets > 12 ? SimFault::Refuse : SimFault::Pass;
        });
        break;
    case Case::NoAnswer:
        rig.device->setAnswersSessionReads(false);
        break;
    case Case::ChecksumFailure:
        rig.device->addFaultFilter(SimFaults::corrupt(SimAttEvent::Notification, logUuid(kLogDataId), 30, 9, 0x5A));
        break;
    case Case::StatusesOfAnotherSession:
        rig.device->addFaultFilter([](SimAttEvent &e) {
            if (isLogNotification(e, kLogReadStatusId))
                qToLittleEndian<quint32>(9, e.value.data());
            return SimFault::Pass;
        });
        break;
    case Case::FinishedWithoutStart:
        rig.device->addFaultFilter([](SimAttEvent &e) {
            return isLogNotification(e, kLogReadStatusId) && statusOf(e) == s_LogReadStatus::Started
                    && qFromLittleEndian<quint32>(e.value.constData()) == 3
                ? SimFault::Refuse
                : SimFault::Pass;
        });
        break;
    default:
        break;
    }

    const QuietDownload quiet(which == Case::StatusesOfAnotherSession || which == Case::FinishedWithoutStart);
    const qint64 startMs = rig.clock().nowMs();
    QVERIFY(rig.run([&] { rig.download.readRows({rig.download.rowOf(3), rig.download.rowOf(2)}); }));
    QVERIFY(!rig.download.isReading());
    QVERIFY(!rig.ended.isEmpty());
    const Ended &first = rig.ended.first();
    QCOMPARE(first.session, 3u);
    QCOMPARE(first.outcome, outcome);
    QCOMPARE(rig.stateOf(3), outcome);
    if (which == Case::Silence || which == Case::NoAnswer || which == Case::StatusesOfAnotherSession)
        QVERIFY(rig.clock().nowMs() - startMs >= LogDownload::kDataGapTimeout.count());

    // Session 3's file, and what it holds.
    QStringList expectedFiles;
    int dots = 0;
    if (!file.isEmpty()) {
        const QString name = savedName(3, mark);
        expectedFiles.append(name);
        dots = dotsIn(rig.path(name));
        const QByteArray sent = rig.device->sessionBytes(3);
        const LogSession saved = readLogMetadata(rig.path(name));
        LogHeader expectedHeader;
        std::memcpy(&expectedHeader, sent.constData(), kLogHeaderSize);
        if (outcome == SessionState::Incomplete) {
            // Short of dots: its header says the race is not complete.
            QVERIFY2(dots > 0 && dots < 3000, qPrintable(QString::number(dots)));
            QCOMPARE(headerDotsCount(rig.path(name)), kIncompleteDotsCount);
            expectedHeader.head.dotsCount = kIncompleteDotsCount;
        } else {
            QCOMPARE(dots, 3000);
        }
        QCOMPARE(saved.header().head.sessionNumber, expectedHeader.head.sessionNumber);
        QCOMPARE(saved.header().head.dotsCount, expectedHeader.head.dotsCount);
        QCOMPARE(logFieldText(saved.header().userName), logFieldText(expectedHeader.userName));
        QCOMPARE(saved.deviceName(), kDevice);
    }
    const QStringList expectedMessages =
        message.isEmpty() ? QStringList() : QStringList{message.contains("%1") ? message.arg(dots) : message};
    QCOMPARE(first.messages, expectedMessages);

    // A finished read goes on with the queue, a stopped one ends it.
    const bool stopped = which == Case::LinkLoss || which == Case::Silence || which == Case::NoAnswer
        || which == Case::StatusesOfAnotherSession;
    if (stopped) {
        QCOMPARE(rig.ended.size(), 1);
        QCOMPARE(rig.stateOf(2), SessionState::NotQueued);
    } else {
        QCOMPARE(rig.ended.size(), 2);
        QCOMPARE(rig.stateOf(2), SessionState::Complete);
        expectedFiles.prepend(savedName(2));
    }
    expectedFiles.sort();
    QCOMPARE(rig.files(), expectedFiles);
    if (which == Case::StatusesOfAnotherSession)
        QCOMPARE(rig.stateOf(9), SessionState::NotQueued);
    QCOMPARE(rig.download.runSaved(), int(outcome == SessionState::Complete || outcome == SessionState::Damaged)
                                          + int(!stopped));
    QCOMPARE(rig.download.runSessions(), 2);
}

// The short log of a session is read again by "Read New Logs" and gives way
// to the complete one.
void tst_LogDownload::incompleteIsReadAgainAndReplaced()
{
    DownloadRig rig;
    rig.device->addSession(spec(5, 3000));
    QVERIFY(rig.setUp());
    QVERIFY(rig.list());
    int packets = 0;
    rig.device->addFaultFilter([&packets](SimAttEvent &e) {
        return isLogNotification(e, kLogDataId) && ++packets == 60 ? SimFault::Refuse : SimFault::Pass;
    });
    QVERIFY(rig.run([&] { rig.download.readAll(); }));
    QCOMPARE(rig.stateOf(5), SessionState::Incomplete);
    QCOMPARE(rig.files(), QStringList{savedName(5, "x")});

    rig.device->clearFaultFilters();
    // The folder holds no complete log of 5: it is asked for again.
    QVERIFY(rig.run([&] { rig.download.readNew({}); }));
    QCOMPARE(rig.requested, (QList<quint32>{5, 5}));
    QCOMPARE(rig.stateOf(5), SessionState::Complete);
    QCOMPARE(rig.files(), QStringList{savedName(5)});
    QCOMPARE(dotsIn(rig.path(savedName(5))), 3000);
}

// Where nothing can be written, a short read says what arrived and why it
// was not kept; it claims no file.
void tst_LogDownload::shortReadThatCannotBeKept()
{
    DownloadRig rig;
    QFile blocker(rig.path(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString logs = rig.path(QStringLiteral("blocked/logs"));
    rig.download.setLogsDirectory(logs);
    rig.device->addSession(spec(6, 3000));
    QVERIFY(rig.setUp());
    QVERIFY(rig.list());
    rig.device->addFaultFilter([packets = 0](SimAttEvent &e) mutable {
        return isLogNotification(e, kLogDataId) && ++packets == 50 ? SimFault::Refuse : SimFault::Pass;
    });
    QVERIFY(rig.run([&] { rig.download.readAll(); }));
    QCOMPARE(rig.stateOf(6), SessionState::Incomplete);
    QCOMPARE(rig.ended.size(), 1);
    QCOMPARE(rig.ended.first().messages,
             (QStringList{"Session 6 was not read whole: 2990 of 3000 dots arrived.",
                          QStringLiteral("Session 6 could not be saved: Cannot create the folder %1.")
                              .arg(QDir::toNativeSeparators(logs))}));
    QCOMPARE(rig.download.runSaved(), 0);
}

void tst_LogDownload::emptyIsNotAskedAgainOnTheSameConnection()
{
    DownloadRig rig;
    rig.device->addSession(spec(1, 40));
    rig.device->addSession(spec(3, 40));
    QVERIFY(rig.setUp());
    QVERIFY(rig.list());
    QVERIFY(rig.run([&] { rig.download.readNew({}); }));
    QCOMPARE(rig.requested, (QList<quint32>{3, 2, 1}));
    QCOMPARE(rig.stateOf(2), SessionState::Empty);
    QCOMPARE(rig.files(), (QStringList{savedName(1), savedName(3)}));

    rig.requested.clear();
    QVERIFY(rig.run([&] { rig.download.readNew({1, 3}); }));
    QVERIFY(rig.requested.isEmpty());
    QCOMPARE(rig.stateOf(2), SessionState::Empty);
    QCOMPARE(rig.download.runSessions(), 0);

    // A new connection asks again; "Read All Logs" always does.
    rig.download.deviceStatusChanged(LimiterConnected);
    QVERIFY(rig.run([&] { rig.download.readNew({1, 3}); }));
    QCOMPARE(rig.requested, QList<quint32>{2});
}

// Device sessions 1 to 3 hold different races whose headers all say
// session 1: each keeps its own file, none is written over.
void tst_LogDownload::sessionsSharingANameKeepTheirData()
{
    DownloadRig rig;
    for (quint32 n = 1; n <= 3; ++n)
        rig.device->addSessionBytes(n, sessionBytes(1, 30 + n, n));
    QVERIFY(rig.setUp());
    QVERIFY(rig.list());
    QVERIFY(rig.run([&] { rig.download.readAll(); }));
    for (quint32 n = 1; n <= 3; ++n)
        QCOMPARE(rig.stateOf(n), SessionState::Complete);
    // Read newest first: device session 3 has the plain name.
    QStringList expected{savedName(1), savedName(1, "", 2), savedName(1, "", 3)};
    expected.sort();
    QCOMPARE(rig.files(), expected);
    QCOMPARE(dotsIn(rig.path(savedName(1))), 33);
    QCOMPARE(dotsIn(rig.path(savedName(1, "", 2))), 32);
    QCOMPARE(dotsIn(rig.path(savedName(1, "", 3))), 31);

    // Reading one again replaces its own file only.
    QVERIFY(rig.run([&] { rig.download.readRows({rig.download.rowOf(2)}); }));
    QCOMPARE(rig.files().size(), 3);
    QCOMPARE(dotsIn(rig.path(savedName(1, "", 2))), 32);
}

// A race not closed, read whole, then read again and cut short by a lost
// link: the whole log stays, the short one is kept beside it.
void tst_LogDownload::shortReadNeverReplacesAFullerLog()
{
    DownloadRig rig;
    rig.device->addSession(spec(8, 3000, true));
    QVERIFY(rig.setUp());
    QVERIFY(rig.list());
    QVERIFY(rig.run([&] { rig.download.readAll(); }));
    QCOMPARE(rig.files(), QStringList{savedName(8, "x")});

    QSignalSpy setUps(rig.client.get(), &LimiterDevice::loggerServiceDiscovered);
    rig.device->addFaultFilter(SimFaults::dropLink(SimAttEvent::Notification, logUuid(kLogDataId), 100));
    QVERIFY(rig.run([&] { rig.download.readAll(); }));
    QCOMPARE(rig.stateOf(8), SessionState::Incomplete);
    QStringList expected{savedName(8, "x"), savedName(8, "x", 2)};
    expected.sort();
    QCOMPARE(rig.files(), expected);
    QCOMPARE(dotsIn(rig.path(savedName(8, "x"))), 3000);
    const int shortDots = dotsIn(rig.path(savedName(8, "x", 2)));
    QVERIFY(shortDots > 0 && shortDots < 3000);

    // Read whole again, it replaces its own log; the short one stays.
    QTRY_COMPARE(setUps.count(), 1);
    rig.device->clearFaultFilters();
    QVERIFY(rig.run([&] { rig.download.readAll(); }));
    QCOMPARE(rig.files(), expected);
    QCOMPARE(dotsIn(rig.path(savedName(8, "x"))), 3000);
}

// Files already in the folder (a program run before): one that holds exactly
// the session read is replaced; one of another session of that name, or one
// that cannot be read, is kept, and the session gets the next name.
void tst_LogDownload::logsFromBeforeAreKeptUnlessTheyHoldTheSame()
{
    DownloadRig rig;
    rig.device->addSessionBytes(4, sessionBytes(4, 50, 1));
    rig.device->addSessionBytes(6, sessionBytes(6, 50, 1));
    rig.device->addSessionBytes(7, sessionBytes(7, 50, 1));
    const auto writeBefore = [&](const QByteArray &bytes) {
        LogSession session;
        session.setFullSessionSize(quint64(bytes.size()));
        session.appendData(bytes);
        session.setFileDeviceName(kDevice);
        session.setDeviceName(kDevice);
        QVERIFY(saveLogFile(rig.folder.path(), session).ok);
    };
    writeBefore(sessionBytes(4, 50, 1));  // the same as the device holds
    writeBefore(sessionBytes(6, 50, 99)); // another race under that name
    QFile junk(rig.path(savedName(7)));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a log");
    junk.close();
    QVERIFY(rig.setUp());
    QVERIFY(rig.list());
    QVERIFY(rig.run([&] { rig.download.readAll(); }));

    QStringList expected{savedName(4), savedName(6), savedName(6, "", 2), savedName(7), savedName(7, "", 2)};
    expected.sort();
    QCOMPARE(rig.files(), expected);
    QCOMPARE(QFileInfo(rig.path(savedName(7))).size(), qint64(9));
    const nlohmann::json before = entry(rig.path(savedName(6)), "data.json");
    QVERIFY(before != entry(rig.path(savedName(6, "", 2)), "data.json"));
}

void tst_LogDownload::sessionRanges_data()
{
    QTest::addColumn<quint32>("first");
    QTest::addColumn<quint32>("last");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("1 to 3") << 1u << 3u << 3 << "";
    QTest::newRow("0 to 2") << 0u << 2u << 3 << "";
    QTest::newRow("one session") << 7u << 7u << 1 << "";
    QTest::newRow("as many as a log memory holds") << 1u << LogDownload::kMaxSessions << int(LogDownload::kMaxSessions)
                                                   << "";
    QTest::newRow("top of the numbers") << 0xFFFFFFFEu << 0xFFFFFFFFu << 2 << "";
    QTest::newRow("last below first") << 4u << 3u << 0
                                      << "The device reported its sessions as 4 to 3, which is no range of "
                                         "sessions: nothing is listed.";
    QTest::newRow("one more than a memory holds")
        << 0u << LogDownload::kMaxSessions << 0
        << "The device reported sessions 0 to 174760, more than the 174760 sessions its log memory can hold: "
           "nothing is listed.";
    QTest::newRow("a million") << 1u << 1000000u << 0
                               << "The device reported sessions 1 to 1000000, more than the 174760 sessions its "
                                  "log memory can hold: nothing is listed.";
    QTest::newRow("erased counter") << 0u << 0xFFFFFFFFu << 0
                                    << "The device reported sessions 0 to 4294967295, more than the 174760 "
                                       "sessions its log memory can hold: nothing is listed.";
}

void tst_LogDownload::sessionRanges()
{
    QFETCH(quint32, first);
    QFETCH(quint32, last);
    QFETCH(int, count);
    QFETCH(QString, refusal);
    DownloadRig rig(SimLimiter::Kind::DovLogger);
    rig.device->setReportedSessionRange(first, last);
    QVERIFY(rig.setUp());
    QSignalSpy refused(&rig.download, &LogDownload::sessionsRefused);
    LogCapture log({QStringLiteral("logs.download")});
    QVERIFY(rig.list());
    QVERIFY(rig.download.hasSessionList());
    QCOMPARE(rig.download.sessionCount(), count);
    if (count > 0) {
        QCOMPARE(rig.download.sessionAt(0), last);
        QCOMPARE(rig.download.sessionAt(count - 1), first);
        QCOMPARE(rig.download.rowOf(first), count - 1);
        QCOMPARE(rig.download.rowOf(last), 0);
        QCOMPARE(rig.download.rowOf(last - quint32(count)), -1);
        QVERIFY(refused.isEmpty());
    } else {
        QCOMPARE(refused.size(), 1);
        QCOMPARE(refused.at(0).at(0).toString(), refusal);
        QVERIFY(log.messages().contains(refusal));
        // Nothing to read: the queue ends at once.
        QVERIFY(rig.run([&] { rig.download.readAll(); }));
        QVERIFY(rig.requested.isEmpty());
    }
}

// A session-number record nobody asked for changes nothing: not the list,
// not the queue under way.
void tst_LogDownload::unaskedSessionNumbersAreDropped()
{
    DownloadRig rig;
    rig.device->addSession(spec(1, 2000));
    rig.device->addSession(spec(2, 40));
    QVERIFY(rig.setUp());
    QVERIFY(rig.list());
    const quint16 handle = rig.device->valueHandle(logServiceUuid(), kLogSessionNumberId);
    LogCapture log({QStringLiteral("logs.download")});
    QSignalSpy listed(&rig.download, &LogDownload::sessionsListed);
    QSignalSpy refused(&rig.download, &LogDownload::sessionsRefused);
    bool sent = false;
    connect(&rig.download, &LogDownload::readStarted, this, [&] {
        if (sent)
            return;
        for (const auto &[first, last] : {std::pair{0u, 0xFFFFFFFFu}, std::pair{5u, 9u}})
            rig.device->notifyAll(handle, recordBytes(s_LogSessionNum{first, last}));
        sent = true;
    });
    QVERIFY(rig.run([&] { rig.download.readAll(); }));
    QVERIFY(sent);
    QVERIFY(listed.isEmpty() && refused.isEmpty());
    QCOMPARE(rig.download.sessionCount(), 2);
    QCOMPARE(rig.files(), (QStringList{savedName(1), savedName(2)}));
    QCOMPARE(log.messages().filter("arrived unasked, dropped").size(), 2);
}

QTEST_GUILESS_MAIN(tst_LogDownload)
#include "tst_logdownload.moc"
