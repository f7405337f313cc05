// The logger page against simulated devices through the real LimiterDevice:
// the session list, the folder list, queues read into log files (checked
// with Python's zipfile and json), damaged sessions, failed saves, link loss,
// a device that does not answer, and the description of a selected file.
#include "../InteropTools.h"
#include "DeviceProtocol.h"
#include "LogDescriptionWidget.h"
#include "LogFile.h"
#include "LoggerRig.h"
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

QListWidgetItem *deviceItem(const LoggerRig &rig, const QString &text)
{
    const QList<QListWidgetItem *> found = child<QListWidget>(rig, "lwDeviceLogs")->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

// Neither queued nor being read: flag 0 and no queue colour.
bool notQueued(const QListWidgetItem *item)
{
    const QBrush brush = item->background();
    return item->data(Qt::UserRole).toInt() == 0
        && (brush.style() == Qt::NoBrush || brush.color() == QColor(Qt::white));
}

QColor background(const LoggerRig &rig, const QString &text)
{
    QListWidgetItem *item = deviceItem(rig, text);
    return item ? item->background().color() : QColor();
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
    void folderListAndNewLogs();
    void wholeQueueIsSavedAsTheDeviceSentIt();
    void readSelectedReadsOnlyTheSelection();
    void corruptedSessionIsSavedAndShownAsFailed();
    void unwritableFolderIsReportedAndTheQueueGoesOn();
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
    QLoggingCategory::setFilterRules(QStringLiteral("device.debug=false\nlogs.session.debug=false\nble.debug=false"));
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
    QTest::newRow("last below first") << limiter << 4 << 3 << QStringList{};
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
        QCOMPARE(list->item(row)->data(Qt::UserRole).toInt(), 0);
}

void tst_LoggerWidget::folderListAndNewLogs()
{
    LoggerRig rig;
    for (quint32 n = 6; n <= 10; ++n)
        rig.device->addSession(sessionSpec(n));
    // Session 7 read complete, 10 read while its race was still open, and
    // logs of two other devices.
    touch(rig.logsPath + "/" + savedName(7));
    touch(rig.logsPath + "/" + savedName(10, true));
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
    for (const char *n : {"10", "9", "8", "6"})
        QCOMPARE(background(rig, n), QColor(Qt::green));
    QCOMPARE(background(rig, "7"), QColor(Qt::white));
    QCOMPARE(LoggerRig::finishBoxes().size(), 1);
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
    for (const char *n : {"3", "2", "1"})
        QCOMPARE(background(rig, n), QColor(Qt::green));
    QVERIFY(child<QProgressBar>(rig, "pbLoading")->isHidden());
    QVERIFY(child<QLabel>(rig, "lblReadSpeed")->isHidden());
    QVERIFY(child<QLabel>(rig, "lblReadProblems")->isHidden());

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
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(deviceItem(rig, "3")).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(deviceItem(rig, "1")).center());
    QSignalSpy requests(rig.page.get(), &LoggerWidget::readLog);
    QVERIFY(readQueue(rig, "pbReadSelected"));

    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(0).at(0).value<uint32_t>(), 3u);
    QCOMPARE(requests.at(1).at(0).value<uint32_t>(), 1u);
    QCOMPARE(logFiles(rig.logsPath), (QStringList{savedName(1), savedName(3)}));
    QCOMPARE(background(rig, "4"), QColor(Qt::white));
    QCOMPARE(background(rig, "2"), QColor(Qt::white));
    QCOMPARE(background(rig, "3"), QColor(Qt::green));
}

void tst_LoggerWidget::corruptedSessionIsSavedAndShownAsFailed()
{
    LoggerRig rig;
    rig.device->addSession(sessionSpec(1, 200));
    rig.device->addSession(sessionSpec(2, 200));
    QVERIFY(rig.connect());
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    // Session 2 is read first; one of its packets is damaged on the way.
    rig.device->addFaultFilter(SimFaults::corrupt(SimAttEvent::Notification, logUuid(kLogDataId), 4, 7, 0x5A));
    QVERIFY(readQueue(rig, "pbReadAllLogs"));

    QCOMPARE(logFiles(rig.logsPath), (QStringList{savedName(1), savedName(2)}));
    QCOMPARE(background(rig, "1"), QColor(Qt::green));
    const QColor damaged = background(rig, "2");
    QVERIFY(damaged != QColor(Qt::green) && damaged != QColor(Qt::white) && damaged != QColor(Qt::yellow));
    auto *problems = child<QLabel>(rig, "lblReadProblems");
    QVERIFY(!problems->isHidden());
    QVERIFY2(problems->text().contains("Session 2 failed its checksum"), qPrintable(problems->text()));
    QVERIFY(!problems->text().contains("Session 1"));
}

void tst_LoggerWidget::unwritableFolderIsReportedAndTheQueueGoesOn()
{
    QTemporaryDir base;
    // A file where the logs folder's parent should be: nothing can be made.
    touch(base.path() + "/blocked");
    LoggerRig rig(SimLimiter::Kind::Limiter, base.path() + "/blocked/logs");
    rig.device->addSession(sessionSpec(4));
    rig.device->addSession(sessionSpec(5));
    QVERIFY(rig.connect());
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    QTest::mouseClick(child<QCheckBox>(rig, "cbCSVExport"), Qt::LeftButton);
    QVERIFY(readQueue(rig, "pbReadAllLogs"));

    const QColor failed = background(rig, "5");
    QVERIFY(failed != QColor(Qt::green) && failed != QColor(Qt::white));
    QCOMPARE(background(rig, "4"), failed);
    const QString problems = child<QLabel>(rig, "lblReadProblems")->text();
    QVERIFY2(problems.contains("Session 5 could not be saved") && problems.contains("Session 4 could not be saved"),
             qPrintable(problems));
    QCOMPARE(rig.page->logSessions().size(), std::size_t(2));
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
    QTest::mouseClick(child<QPushButton>(rig, "pbReadAllLogs"), Qt::LeftButton);
    QVERIFY(rig.page->isReading());
    QTRY_VERIFY(!rig.page->isReading());

    QVERIFY(logFiles(rig.logsPath).isEmpty());
    QVERIFY(notQueued(deviceItem(rig, "4")));
    QVERIFY(notQueued(deviceItem(rig, "3")));
    QVERIFY(child<QProgressBar>(rig, "pbLoading")->isHidden());
    QVERIFY(child<QLabel>(rig, "lblReadSpeed")->isHidden());
    QVERIFY(child<QLabel>(rig, "lblReadProblems")->text().contains("connection to the device was lost"));
    QVERIFY(LoggerRig::finishBoxes().isEmpty());

    // Once the device is back, reading works again.
    QTRY_VERIFY(setUps.count() == 1);
    QVERIFY(readQueue(rig, "pbReadAllLogs"));
    QCOMPARE(logFiles(rig.logsPath), (QStringList{savedName(3), savedName(4)}));
    QVERIFY(child<QLabel>(rig, "lblReadProblems")->isHidden());
}

void tst_LoggerWidget::noAnswerEndsTheRead_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("request not answered") << 0 << "did not answer the request for session 2";
    QTest::newRow("stream stops") << 1 << "stopped answering while session 2 was being read";
    // Reading session 0 asks the same as the session-number request.
    QTest::newRow("empty memory") << 2 << "did not answer the request for session 0";
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
    rig.page->setAnswerTimeouts(std::chrono::milliseconds(300), std::chrono::milliseconds(300));
    QVERIFY(rig.connect());
    QVERIFY(rig.askSessions(child<QPushButton>(rig, "pbReadLogCount")));
    QTest::mouseClick(child<QPushButton>(rig, "pbReadAllLogs"), Qt::LeftButton);
    QVERIFY(rig.page->isReading());
    QTRY_VERIFY(!rig.page->isReading());

    const QString problems = child<QLabel>(rig, "lblReadProblems")->text();
    QVERIFY2(problems.contains(message), qPrintable(problems));
    QVERIFY(logFiles(rig.logsPath).isEmpty());
    QVERIFY(child<QProgressBar>(rig, "pbLoading")->isHidden());
    auto *list = child<QListWidget>(rig, "lwDeviceLogs");
    QVERIFY(list->count() > 0);
    for (int row = 0; row < list->count(); ++row)
        QVERIFY(notQueued(list->item(row)));
    QVERIFY(LoggerRig::finishBoxes().isEmpty());
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
    QVERIFY(rig.page->logSessions().empty());
    QVERIFY(logFiles(rig.logsPath).isEmpty());
    QVERIFY(notQueued(deviceItem(rig, "5")));
    QCOMPARE(deviceItem(rig, "5")->background().style(), Qt::NoBrush);
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
    bool seen = false;
    QTimer::singleShot(0, rig.page.get(), [&]() {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        if (picked) {
            dialog->setDirectory(other.path());
            QMetaObject::invokeMethod(dialog, "accept");
        } else {
            dialog->reject();
        }
    });
    QTest::mouseClick(child<QPushButton>(rig, "pbSelectDirectory"), Qt::LeftButton);
    QVERIFY(seen);

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
