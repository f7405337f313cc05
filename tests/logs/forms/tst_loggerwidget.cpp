// The logger page against simulated devices through the real LimiterDevice:
// the session list, the folder list, queues read into log files (checked
// with Python's zipfile and json), how each outcome shows on its row, in the
// message line and in the box that ends a queue, failed saves, link loss, a
// device that does not answer, absurd session ranges, and the description of
// a selected file. Answer timers run on the simulated clock.
#include "DeviceProtocol.h"
#include "InteropTools.h"
#include "LogDescriptionWidget.h"
#include "LogFile.h"
#include "LoggerRig.h"
#include "ModalAnswerer.h"
#include "SharedSettings.h"
#include "SimFaults.h"
#include "SimLogSession.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <cstring>

using namespace DeviceProtocol;

namespace {

template<typename T>
T *child(const LoggerRig &rig, const char *name)
{
    T *w = rig.page->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no %s on the page", name);
    return w;
}

QStringList texts(const QListWidget *list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result.append(list->item(row)->text());
    return result;
}

// The device list's row of a session.
QListWidgetItem *deviceItem(const LoggerRig &rig, quint32 session)
{
    const int row = rig.page->download()->rowOf(session);
    return row < 0 ? nullptr : child<QListWidget>(rig, "lwDeviceLogs")->item(row);
}

// Neither queued nor being read: flag 0 and no queue colour.
bool notQueued(const QListWidgetItem *item)
{
    const QBrush brush = item->background();
    return item->data(Qt::UserRole).toInt() == 0
        && (brush.style() == Qt::NoBrush || brush.color() == QColor(Qt::white));
}

QColor background(const LoggerRig &rig, quint32 session)
{
    QListWidgetItem *item = deviceItem(rig, session);
    return item ? item->background().color() : QColor();
}

// The problems and the summary of the last queue, one per line.
QString messageLine(const LoggerRig &rig)
{
    QStringList lines;
    for (const char *name : {"lblReadMessages", "lblReadSummary"}) {
        auto *line = child<QLabel>(rig, name);
        if (!line->isHidden())
            lines.append(line->text());
    }
    return lines.join(QLatin1Char('\n'));
}

SimLogSessionSpec sessionSpec(quint32 number, quint32 dots = 40, bool incomplete = false)
{
    SimLogSessionSpec spec;
    spec.number = number;
    spec.dots = dots;
    spec.incomplete = incomplete;
    return spec;
}

// The name the page saves session n of the rig's device under.
QString savedName(quint32 session, bool incomplete = false)
{
    return QStringLiteral("QVR Test_(RU-1234)_15.03.2026_14.30_%1%2.verira")
        .arg(session, 3, 10, QLatin1Char('0'))
        .arg(incomplete ? QStringLiteral("x") : QString());
}

QStringList logFiles(const QString &dir, const QString &pattern = QStringLiteral("*.verira"))
{
    return QDir(dir).entryList({pattern}, QDir::Files, QDir::Name);
}

void touch(const QString &path, const QByteArray &content = QByteArray())
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A log file as an earlier read of the simulated device wrote it.
void writeLog(const LoggerRig &rig, const SimLogSessionSpec &spec)
{
    const QByteArray bytes = SimLogSession::generate(spec, rig.radio.seed());
    LogSession session;
    session.setFullSessionSize(quint64(bytes.size()));
    session.appendData(bytes);
    session.setFileDeviceName(kLoggerRigName);
    session.setDeviceName(kLoggerRigName);
    QVERIFY(saveLogFile(rig.logsPath, session).ok);
}

// Reads the queued sessions through the page's button and waits for the end
// of the queue.
bool readQueue(LoggerRig &rig, const char *button)
{
    QTest::mouseClick(child<QPushButton>(rig, button), Qt::LeftButton);
    return QTest::qWaitFor([&] { return !LoggerRig::finishBoxes().isEmpty(); });
}

} // namespace

class tst_LoggerWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sessionList_data();
    void sessionList();
    void absurdRangesAreRefusedOnThePage_data();
    void absurdRangesAreRefusedOnThePage();
    void folderListAndNewLogs();
    void wholeQueueIsSavedAsTheDeviceSentIt();
    void readSelectedReadsOnlyTheSelection();
    void clearLogsReachesTheDevice();
    void outcomesShowOnRowsMessagesAndTheBox_data();
    void outcomesShowOnRowsMessagesAndTheBox();
    void unwritableFolderIsReportedOnce();
    void linkLossEndsTheRead();
    void noAnswerEndsTheRead_data();
    void noAnswerEndsTheRead();
    void statusesWithNoRequestAreIgnored();
    void descriptionAndOpeningOfTheSelectedFile();
    void folderDialog_data();
    void folderDialog();
    void csvExportSettingIsKept();
    void languageChangeKeepsWhatThePageShows();
};

void tst_LoggerWidget::initTestCase()
{
    // The link's and the assembly's traces of every packet drown the rest.
    QLoggingCategory::setFilterRules(
        QStringLiteral("device.debug=false\nlogs.session.debug=false\nble.debug=false\nlogs.download.debug=false"));
    // The test's home outlives a run: start from settings no earlier run left.
    sharedSettings().clear();
}

void tst_LoggerWidget::sessionList_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QStringList>("expected");
    const int limiter = int(SimLimiter::Kind::Limiter);
    const int dov = int(SimLimiter::Kind::DovLogger);
    QTest::newRow("limiter 1 to 3") << limiter << 1 << 3 << QStringList{"3", "2", "1"};
    QTest::newRow("DOV logger 0 to 2") << dov << 0 << 2 << QStringList{"2", "1", "0"};
    // No range given: the simulated device answers from its (empty) memory.
    QTest::newRow("empty memory") << dov << -1 << -1 << QStringList{"0"};
}

void tst_LoggerWidget::sessionList()
{
    QFETCH(int, kind);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QStringList, expected);
    LoggerRig rig{SimLimiter::Kind(kind)};
    if (first >= 0)
        rig.device->setReportedSessionRange(quint32(first), quint32(last));
    QVERIFY(rig.connect());
    auto *list = child<QListWidget>(rig, "lwDeviceLogs");
    QCOMPARE(texts(list), QStringList{"Click \"Read what's on the device\""});
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    QCOMPARE(texts(list), expected);
    for (int row = 0; row < list->count(); ++row)
        QVERIFY(notQueued(list->item(row)));
    QVERIFY(messageLine(rig).isEmpty());
}

// The page never holds more rows than a device's log memory has sessions;
// a range beyond that is refused with a message, and what was listed goes.
void tst_LoggerWidget::absurdRangesAreRefusedOnThePage_data()
{
    QTest::addColumn<quint32>("first");
    QTest::addColumn<quint32>("last");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("message");
    QTest::newRow("as many as a memory holds") << 1u << LogDownload::kMaxSessions << int(LogDownload::kMaxSessions)
                                               << "";
    QTest::newRow("last below first") << 3u << 1u << 0 << "which is no range of sessions: nothing is listed.";
    QTest::newRow("a million") << 1u << 1000000u << 0 << "more than the 174760 sessions its log memory can hold";
    QTest::newRow("erased counter") << 0u << 0xFFFFFFFFu << 0 << "The device reported sessions 0 to 4294967295";
}

void tst_LoggerWidget::absurdRangesAreRefusedOnThePage()
{
    QFETCH(quint32, first);
    QFETCH(quint32, last);
    QFETCH(int, rows);
    QFETCH(QString, message);
    LoggerRig rig;
    rig.device->setReportedSessionRange(1, 3);
    QVERIFY(rig.connect());
    auto *list = child<QListWidget>(rig, "lwDeviceLogs");
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    QCOMPARE(list->count(), 3);

    rig.device->setReportedSessionRange(first, last);
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    QCOMPARE(list->count(), rows);
    if (message.isEmpty()) {
        QCOMPARE(list->item(0)->text(), QString::number(last));
        QCOMPARE(list->item(rows - 1)->text(), QString::number(first));
        QVERIFY(messageLine(rig).isEmpty());
        return;
    }
    QVERIFY2(messageLine(rig).contains(message), qPrintable(messageLine(rig)));
    // Nothing to read.
    QSignalSpy requests(rig.page.get(), &LoggerWidget::readLog);
    QVERIFY(readQueue(rig, "pbReadAllLogs"));
    QVERIFY(requests.isEmpty());
    QCOMPARE(LoggerRig::finishBoxes().first()->text(), QStringLiteral("No session is queued for reading."));
}

void tst_LoggerWidget::folderListAndNewLogs()
{
    LoggerRig rig;
    for (quint32 n = 6; n <= 10; ++n)
        rig.device->addSession(sessionSpec(n));
    // Session 7 read complete, 10 read while its race was still open, and
    // logs of two other devices.
    touch(rig.logsPath + "/" + savedName(7));
    writeLog(rig, sessionSpec(10, 12, true));
    touch(rig.logsPath + "/Other_(RU-1234)_15.03.2026_14.30_008.verira");
    touch(rig.logsPath + "/QVR Test2_(RU-1234)_15.03.2026_14.30_009.verira");
    touch(rig.logsPath + "/QVR Test_notes.txt");
    QVERIFY(rig.connect());
    auto *folder = child<QListWidget>(rig, "lwReadLogs");
    QCOMPARE(texts(folder), (QStringList{"10 (not complete race)", "7"}));

    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    QSignalSpy requests(rig.page.get(), &LoggerWidget::readLog);
    QVERIFY(readQueue(rig, "pbReadNewLogs"));
    QList<quint32> requested;
    for (const QList<QVariant> &arguments : requests)
        requested.append(arguments.at(0).value<uint32_t>());
    QCOMPARE(requested, (QList<quint32>{10, 9, 8, 6}));

    // The complete log of 10 replaced the incomplete one; 7 was left alone.
    QCOMPARE(texts(folder), (QStringList{"10", "9", "8", "7", "6"}));
    QVERIFY(!QFile::exists(rig.logsPath + "/" + savedName(10, true)));
    QCOMPARE(QFileInfo(rig.logsPath + "/" + savedName(7)).size(), 0);
    for (quint32 n : {10u, 9u, 8u, 6u})
        QCOMPARE(background(rig, n), QColor(Qt::green));
    QVERIFY(notQueued(deviceItem(rig, 7)));
    QCOMPARE(messageLine(rig), QStringLiteral("Sessions read and saved: 4 of 4."));
    QCOMPARE(LoggerRig::finishBoxes().size(), 1);
    QCOMPARE(LoggerRig::finishBoxes().first()->text(), QStringLiteral("Finish reading logs"));
}

void tst_LoggerWidget::wholeQueueIsSavedAsTheDeviceSentIt()
{
    LoggerRig rig(SimLimiter::Kind::DovLogger);
    rig.device->addSession(sessionSpec(1, 120));
    rig.device->addSession(sessionSpec(2, 75, true));
    rig.device->addSession(sessionSpec(3, 300));
    QVERIFY(rig.connect());
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    QTest::mouseClick(child<QCheckBox>(rig, "cbCSVExport"), Qt::LeftButton);
    QVERIFY(readQueue(rig, "pbReadAllLogs"));

    QCOMPARE(logFiles(rig.logsPath), (QStringList{savedName(1), savedName(2, true), savedName(3)}));
    QCOMPARE(logFiles(rig.logsPath, "*.csv").size(), 3);
    QCOMPARE(texts(child<QListWidget>(rig, "lwReadLogs")), (QStringList{"3", "2 (not complete race)", "1"}));
    QCOMPARE(texts(child<QListWidget>(rig, "lwDeviceLogs")), (QStringList{"3", "2", "1"}));
    for (quint32 n : {3u, 2u, 1u})
        QCOMPARE(background(rig, n), QColor(Qt::green));
    QVERIFY(child<QProgressBar>(rig, "pbLoading")->isHidden());
    QVERIFY(child<QLabel>(rig, "lblReadSpeed")->isHidden());
    QCOMPARE(messageLine(rig), QStringLiteral("Sessions read and saved: 3 of 3."));

    for (quint32 n : {1u, 2u, 3u}) {
        const QByteArray sent = rig.device->sessionBytes(n);
        const QString path = rig.logsPath + "/" + savedName(n, n == 2);
        const LogSession read = readLogMetadata(path);
        QVERIFY(std::memcmp(&read.header(), sent.constData(), kLogHeaderSize) == 0);
        QCOMPARE(read.deviceName(), kLoggerRigName);

        // An independent reader: the header fields and every dot's time and
        // session number straight from the bytes the device sent.
        QTemporaryFile raw;
        QVERIFY(raw.open());
        raw.write(sent);
        raw.close();
        const ToolResult check = runPython(QStringLiteral(R"(
import json, struct, sys, zipfile
raw = open(sys.argv[2], 'rb').read()
with zipfile.ZipFile(sys.argv[1]) as z:
    meta = json.loads(z.read('metadata.json').decode('utf-8'))
    data = json.loads(z.read('data.json').decode('utf-8'))
header, number, dots_count, previous = struct.unpack_from('<IIII', raw, 0)
dot_size = raw[18]
assert meta['head'] == {'header': header, 'sessionNumber': number, 'dotsCount': dots_count,
                        'previousSessionAddress': previous}, meta['head']
assert meta['userName'] == raw[1100:1132].split(b'\0')[0].decode()
assert meta['parametersDesc']['logDotSize'] == dot_size
dots = [raw[i:i + dot_size] for i in range(1536, len(raw), dot_size)]
assert len(data) == len(dots), (len(data), len(dots))
for d, b in zip(data, dots):
    time_ms, session = struct.unpack_from('<IB', b, 0)
    assert d['common'] == {'sessionNumber': session, 'time_ms': time_ms}, d['common']
    assert len(d['data']) == meta['parametersDesc']['parametersCount']
print('ok')
)"),
                                             {path, raw.fileName()});
        QVERIFY2(check.started, "python3 is needed");
        QVERIFY2(check.exitCode == 0, check.errors.constData());
    }

    // One box for the queue; closing it deletes it.
    const QList<QMessageBox *> boxes = LoggerRig::finishBoxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first()->text(), QStringLiteral("Finish reading logs"));
    QVERIFY(!boxes.first()->isModal());
    QPointer<QMessageBox> box = boxes.first();
    box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(box.isNull());
}

void tst_LoggerWidget::readSelectedReadsOnlyTheSelection()
{
    LoggerRig rig;
    for (quint32 n = 1; n <= 4; ++n)
        rig.device->addSession(sessionSpec(n));
    QVERIFY(rig.connect());
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    rig.page->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.page.get()));
    auto *list = child<QListWidget>(rig, "lwDeviceLogs");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(deviceItem(rig, 3)).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(deviceItem(rig, 1)).center());
    QSignalSpy requests(rig.page.get(), &LoggerWidget::readLog);
    QVERIFY(readQueue(rig, "pbReadSelected"));

    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(0).at(0).value<uint32_t>(), 3u);
    QCOMPARE(requests.at(1).at(0).value<uint32_t>(), 1u);
    QCOMPARE(logFiles(rig.logsPath), (QStringList{savedName(1), savedName(3)}));
    QVERIFY(notQueued(deviceItem(rig, 4)));
    QVERIFY(notQueued(deviceItem(rig, 2)));
    QCOMPARE(background(rig, 3), QColor(Qt::green));
}

void tst_LoggerWidget::clearLogsReachesTheDevice()
{
    LoggerRig rig;
    QVERIFY(rig.connect());
    emit rig.page->clearLogs();
    const QBluetoothUuid request = DeviceProtocol::logUuid(DeviceProtocol::kLogReadRequestId);
    QTRY_COMPARE(rig.values(SimAttEvent::Write, request), QList<QByteArray>{DeviceProtocol::logRequest(0, true)});
}

// Sessions 3 and 2 read as the row has it: the rows, the message line and
// the box that ends the queue say what became of them.
void tst_LoggerWidget::outcomesShowOnRowsMessagesAndTheBox_data()
{
    QTest::addColumn<bool>("gapAt3");    // the device holds no session 3
    QTest::addColumn<bool>("gapAt2");
    QTest::addColumn<bool>("damage3");   // a packet of session 3 is damaged
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("messages");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("details");
    QTest::newRow("damaged and complete")
        << false << false << true << QStringList{"4", "3 (checksum failed)", "2"}
        << "Session 3 failed its checksum: it was saved, but its data may be damaged.\n"
           "Sessions read and saved: 2 of 2."
        << "Finish reading logs" << "";
    QTest::newRow("empty and complete")
        << true << false << false << QStringList{"4", "3 (no data on the device)", "2"}
        << "The device holds no data for session 3.\nSessions read and saved: 1 of 2." << "Finish reading logs" << "";
    QTest::newRow("nothing saved")
        << true << true << false << QStringList{"4", "3 (no data on the device)", "2 (no data on the device)"}
        << "The device holds no data for session 3.\nThe device holds no data for session 2.\n"
           "Sessions read and saved: 0 of 2."
        << "No session was read and saved."
        << "The device holds no data for session 3.\nThe device holds no data for session 2.";
}

void tst_LoggerWidget::outcomesShowOnRowsMessagesAndTheBox()
{
    QFETCH(bool, gapAt3);
    QFETCH(bool, gapAt2);
    QFETCH(bool, damage3);
    QFETCH(QStringList, rows);
    QFETCH(QString, messages);
    QFETCH(QString, box);
    QFETCH(QString, details);
    LoggerRig rig;
    rig.device->addSession(sessionSpec(4));
    if (!gapAt3)
        rig.device->addSession(sessionSpec(3, 200));
    if (!gapAt2)
        rig.device->addSession(sessionSpec(2));
    rig.device->setReportedSessionRange(2, 4);
    QVERIFY(rig.connect());
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    if (damage3)
        rig.device->addFaultFilter(SimFaults::corrupt(SimAttEvent::Notification, logUuid(kLogDataId), 4, 7, 0x5A));
    rig.page->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.page.get()));
    auto *list = child<QListWidget>(rig, "lwDeviceLogs");
    list->clearSelection();
    deviceItem(rig, 3)->setSelected(true);
    deviceItem(rig, 2)->setSelected(true);
    QVERIFY(readQueue(rig, "pbReadSelected"));

    QCOMPARE(texts(list), rows);
    QVERIFY(notQueued(deviceItem(rig, 4)));
    const QColor colour3 = background(rig, 3);
    QVERIFY(colour3 != QColor(Qt::green) && colour3 != QColor(Qt::white) && colour3 != QColor(Qt::yellow));
    QCOMPARE(messageLine(rig), messages);
    const QList<QMessageBox *> boxes = LoggerRig::finishBoxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first()->text(), box);
    QCOMPARE(boxes.first()->informativeText(), details);

    // "Read New Logs" asks again for what was not saved whole but not for
    // what the device said it has not.
    LoggerRig::closeFinishBoxes();
    QSignalSpy requests(rig.page.get(), &LoggerWidget::readLog);
    QVERIFY(readQueue(rig, "pbReadNewLogs"));
    for (const QList<QVariant> &arguments : requests)
        QVERIFY(arguments.at(0).value<uint32_t>() != 3 || !gapAt3);
}

void tst_LoggerWidget::unwritableFolderIsReportedOnce()
{
    QTemporaryDir base;
    // A file where the logs folder's parent should be: nothing can be made.
    touch(base.path() + "/blocked");
    const QString logs = base.path() + "/blocked/logs";
    LoggerRig rig(SimLimiter::Kind::Limiter, logs);
    rig.device->addSession(sessionSpec(4));
    rig.device->addSession(sessionSpec(5));
    QVERIFY(rig.connect());
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    QTest::mouseClick(child<QCheckBox>(rig, "cbCSVExport"), Qt::LeftButton);
    QVERIFY(readQueue(rig, "pbReadAllLogs"));

    const QColor failed = background(rig, 5);
    QVERIFY(failed != QColor(Qt::green) && failed != QColor(Qt::white));
    QCOMPARE(background(rig, 4), failed);
    QCOMPARE(texts(child<QListWidget>(rig, "lwDeviceLogs")), (QStringList{"5 (not saved)", "4 (not saved)"}));
    // One sentence per session, the log and its CSV failing for one reason.
    const QString reason = QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(logs));
    QCOMPARE(messageLine(rig), QStringLiteral("Session 5 could not be saved: %1\nSession 4 could not be saved: %1\n"
                                              "Sessions read and saved: 0 of 2.")
                                   .arg(reason));
    QCOMPARE(LoggerRig::finishBoxes().first()->text(), QStringLiteral("No session was read and saved."));
}

void tst_LoggerWidget::linkLossEndsTheRead()
{
    LoggerRig rig;
    rig.device->addSession(sessionSpec(3, 3000));
    rig.device->addSession(sessionSpec(4, 3000));
    QVERIFY(rig.connect());
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    rig.device->addFaultFilter(SimFaults::dropLink(SimAttEvent::Notification, logUuid(kLogDataId), 20));
    QSignalSpy setUps(rig.limiter.get(), &LimiterDevice::loggerServiceDiscovered);
    QVERIFY(readQueue(rig, "pbReadAllLogs"));

    // What arrived of 4 is kept as an incomplete log; 3 was never asked for.
    QCOMPARE(logFiles(rig.logsPath), QStringList{savedName(4, true)});
    QCOMPARE(texts(child<QListWidget>(rig, "lwDeviceLogs")), (QStringList{"4 (not read whole)", "3"}));
    QVERIFY(notQueued(deviceItem(rig, 3)));
    QVERIFY(child<QProgressBar>(rig, "pbLoading")->isHidden());
    QVERIFY(child<QLabel>(rig, "lblReadSpeed")->isHidden());
    QVERIFY2(messageLine(rig).startsWith("The connection to the device was lost while session 4 was being read: "),
             qPrintable(messageLine(rig)));
    QCOMPARE(LoggerRig::finishBoxes().first()->text(), QStringLiteral("No session was read and saved."));
    LoggerRig::closeFinishBoxes();

    // Once the device is back, reading works again, and the complete log
    // replaces the short one.
    QTRY_VERIFY(setUps.count() == 1);
    QVERIFY(readQueue(rig, "pbReadAllLogs"));
    QCOMPARE(logFiles(rig.logsPath), (QStringList{savedName(3), savedName(4)}));
    QCOMPARE(messageLine(rig), QStringLiteral("Sessions read and saved: 2 of 2."));
}

void tst_LoggerWidget::noAnswerEndsTheRead_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("request not answered") << 0 << "The device did not answer the request for session 2.";
    QTest::newRow("stream stops") << 1 << "The device stopped answering while session 2 was being read: ";
    // Reading session 0 asks the same as the session-number request.
    QTest::newRow("empty memory") << 2 << "The device did not answer the request for session 0.";
}

void tst_LoggerWidget::noAnswerEndsTheRead()
{
    QFETCH(int, fault);
    QFETCH(QString, message);
    LoggerRig rig;
    if (fault != 2) {
        rig.device->addSession(sessionSpec(1));
        rig.device->addSession(sessionSpec(2, 4000));
    }
    if (fault == 0)
        rig.device->setAnswersSessionReads(false);
    if (fault == 1) {
        // After some packets nothing of the log service reaches the page.
        int packets = 0;
        rig.device->addFaultFilter([packets](SimAttEvent &e) mutable {
            const bool logs = e.characteristic == logUuid(kLogDataId) || e.characteristic == logUuid(kLogReadStatusId);
            return e.kind == SimAttEvent::Notification && logs && ++packets > 10 ? SimFault::Refuse : SimFault::Pass;
        });
    }
    QVERIFY(rig.connect());
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    QTest::mouseClick(child<QPushButton>(rig, "pbReadAllLogs"), Qt::LeftButton);
    QVERIFY(rig.page->isReading());
    QTRY_VERIFY(!rig.page->isReading());

    QVERIFY2(messageLine(rig).startsWith(message), qPrintable(messageLine(rig)));
    // Only the dots that arrived before the device fell silent are kept.
    QCOMPARE(logFiles(rig.logsPath), fault == 1 ? QStringList{savedName(2, true)} : QStringList{});
    QVERIFY(child<QProgressBar>(rig, "pbLoading")->isHidden());
    auto *list = child<QListWidget>(rig, "lwDeviceLogs");
    QVERIFY(list->count() > 0);
    for (int row = 0; row < list->count(); ++row)
        QCOMPARE(list->item(row)->data(Qt::UserRole).toInt(), 0);
    QCOMPARE(LoggerRig::finishBoxes().size(), 1);
}

void tst_LoggerWidget::statusesWithNoRequestAreIgnored()
{
    LoggerRig rig;
    rig.device->addSession(sessionSpec(5));
    QVERIFY(rig.connect());
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    s_LogReadStatus status{};
    status.sessionNumber = 5;
    status.sessionSize = 2000;
    status.status = s_LogReadStatus::Started;
    rig.page->logStatus(status);
    QVERIFY(child<QProgressBar>(rig, "pbLoading")->isHidden());
    QTest::ignoreMessage(QtWarningMsg, "Unexpected log record 01:02:ff");
    rig.page->logDataReceived(QByteArray::fromHex("0102ff"));
    status.status = s_LogReadStatus::Finished;
    rig.page->logStatus(status);
    QVERIFY(!rig.page->isReading());
    QVERIFY(logFiles(rig.logsPath).isEmpty());
    QVERIFY(notQueued(deviceItem(rig, 5)));
    QCOMPARE(deviceItem(rig, 5)->background().style(), Qt::NoBrush);
    QVERIFY(LoggerRig::finishBoxes().isEmpty());
}

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

void tst_LoggerWidget::descriptionAndOpeningOfTheSelectedFile()
{
    LoggerRig rig;
    LogSession session;
    session.setFileDeviceName(kLoggerRigName);
    session.setDeviceName(kLoggerRigName);
    const QByteArray bytes = SimLogSession::generate(sessionSpec(7), 1);
    session.setFullSessionSize(quint64(bytes.size()));
    session.appendData(bytes);
    QVERIFY(saveLogFile(rig.logsPath, session).ok);
    touch(rig.logsPath + "/" + savedName(8), "not a zip archive");
    QVERIFY(rig.connect());

    auto *folder = child<QListWidget>(rig, "lwReadLogs");
    QCOMPARE(texts(folder), (QStringList{"8", "7"}));
    auto *header = child<LogDescriptionWidget>(rig, "wLogHeader");
    auto *user = header->findChild<QLineEdit *>("leUser");
    auto *createdAt = header->findChild<QLineEdit *>("leCreatedAt");
    rig.page->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.page.get()));

    const QRect row7 = folder->visualItemRect(folder->item(1));
    QTest::mouseClick(folder->viewport(), Qt::LeftButton, {}, row7.center());
    QCOMPARE(user->text(), QStringLiteral("Sim Racer [RU-1234]"));

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    QTest::mouseDClick(folder->viewport(), Qt::LeftButton, {}, row7.center());
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(rig.logsPath + "/" + savedName(7))});

    const QRect row8 = folder->visualItemRect(folder->item(0));
    QTest::mouseClick(folder->viewport(), Qt::LeftButton, {}, row8.center());
    QCOMPARE(createdAt->text(), QStringLiteral("Error reading log file"));
    QVERIFY(user->text().isEmpty());

    folder->clearSelection();
    QVERIFY(createdAt->text().isEmpty());
}

void tst_LoggerWidget::folderDialog_data()
{
    QTest::addColumn<bool>("picked");
    QTest::newRow("folder picked") << true;
    QTest::newRow("dialog cancelled") << false;
}

void tst_LoggerWidget::folderDialog()
{
    QFETCH(bool, picked);
    LoggerRig rig;
    QTemporaryDir other;
    touch(other.path() + "/" + savedName(12));
    QVERIFY(rig.connect());
    ModalAnswerer<QFileDialog> folder([&](QFileDialog *dialog) {
        if (picked) {
            dialog->setDirectory(other.path());
            QMetaObject::invokeMethod(dialog, "accept");
        } else {
            dialog->reject();
        }
    });
    QTest::mouseClick(child<QPushButton>(rig, "pbSelectDirectory"), Qt::LeftButton);
    QCOMPARE(folder.count, 1);

    const QString expected = picked ? other.path() : rig.logsPath;
    QCOMPARE(rig.page->logsDirectory(), expected);
    QCOMPARE(child<QLineEdit>(rig, "leLogDir")->text(), QDir::toNativeSeparators(expected));
    QCOMPARE(QSettings("Velmora", "RADEvadazo").value("logs_dir").toString(), expected);
    QCOMPARE(texts(child<QListWidget>(rig, "lwReadLogs")), picked ? QStringList{"12"} : QStringList{});
}

void tst_LoggerWidget::csvExportSettingIsKept()
{
    QSettings shared(QStringLiteral("Velmora"), QStringLiteral("RADEvadazo"));
    shared.setValue("csv_export", true);
    {
        LoggerRig rig;
        QVERIFY(child<QCheckBox>(rig, "cbCSVExport")->isChecked());
        QCOMPARE(child<QLineEdit>(rig, "leLogDir")->text(), QDir::toNativeSeparators(rig.logsPath));
        QTest::mouseClick(child<QCheckBox>(rig, "cbCSVExport"), Qt::LeftButton);
    }
    shared.sync();
    QCOMPARE(shared.value("csv_export").toBool(), false);

    // No folder stored: the documents folder's logs, not written back.
    shared.remove("logs_dir");
    LoggerWidget page;
    QCOMPARE(page.logsDirectory(),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/ZIDIrezud/logs");
    QVERIFY(!shared.contains("logs_dir"));
}

void tst_LoggerWidget::languageChangeKeepsWhatThePageShows()
{
    LoggerRig rig;
    touch(rig.logsPath + "/" + savedName(3, true));
    QVERIFY(rig.connect());
    auto *folder = child<QListWidget>(rig, "lwReadLogs");
    folder->setCurrentRow(0);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(rig.page.get(), &change);
    QCOMPARE(child<QLineEdit>(rig, "leLogDir")->text(), QDir::toNativeSeparators(rig.logsPath));
    QCOMPARE(texts(child<QListWidget>(rig, "lwDeviceLogs")), QStringList{"Click \"Read what's on the device\""});
    QCOMPARE(texts(folder), QStringList{"3 (not complete race)"});
    QCOMPARE(folder->selectedItems().size(), 1);

    // Once the device's sessions are listed they stay through a change.
    rig.device->addSession(sessionSpec(3));
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    QCoreApplication::sendEvent(rig.page.get(), &change);
    QCOMPARE(texts(child<QListWidget>(rig, "lwDeviceLogs")), QStringList{"3"});
}

QTEST_MAIN(tst_LoggerWidget)
#include "tst_loggerwidget.moc"
