#include "HostileLogs.h"
#include "LogCatalogue.h"
#include "SavedLogs.h"
#include "MainWindow.h"
#include "ModalAnswerer.h"

#include <nlohmann/json.hpp>

#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// The scope spelled out here, so a change of the program's own is noticed.
QSettings sharedScope()
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("RADEvadazo"));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The metadata a row of the log list is made of: session 5 of "Dev" (RUS-7).
nlohmann::json rowMetadata(qint64 dotsCount)
{
    return {{"deviceName", "Dev"}, {"userRegNum", {{"country", "RUS"}, {"num", 7}}},
            {"head", {{"sessionNumber", 5}, {"dotsCount", dotsCount}}}, {"userName", "U"}, {"settSetName", "S"},
            {"date", 0x09122600}, {"time", 0x14305900}};
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestViewerMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;

    QString folder() const { return m_dir->path(); }
    QTableWidget *table() const { return m_window->findChild<QTableWidget *>("lwLogs"); }
    QTabWidget *tabs() const { return m_window->findChild<QTabWidget *>("plots"); }

    void openWindow()
    {
        m_window = std::make_unique<MainWindow>(TranslatorList());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        waitForScan();
    }

    // The catalogue reads its folder off the window's thread.
    void waitForScan() const { QTRY_VERIFY_WITH_TIMEOUT(!m_window->isScanning(), 60000); }

    // Every row as its four texts, in table order.
    QList<QStringList> rows() const
    {
        QList<QStringList> all;
        for (int r = 0; r < table()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 4; ++c)
                cells << (table()->item(r, c) ? table()->item(r, c)->text() : QStringLiteral("<none>"));
            all << cells;
        }
        return all;
    }

    QList<QStringList> sortedRows() const
    {
        QList<QStringList> all = rows();
        std::sort(all.begin(), all.end());
        return all;
    }

    int rowOf(const QString &path) const
    {
        for (int r = 0; r < table()->rowCount(); ++r) {
            if (table()->item(r, 0)->data(Qt::UserRole).toString() == path)
                return r;
        }
        return -1;
    }

    QString description(const char *field) const
    {
        return m_window->findChild<QLineEdit *>(field)->text();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("Velmora");
        QCoreApplication::setApplicationName("Tracelens");
        QCoreApplication::setApplicationVersion("26.2");
    }

    void init()
    {
        QSettings().clear();
        sharedScope().clear();
        m_dir = std::make_unique<QTemporaryDir>();
        storeLogsDirectory(folder());
    }

    void cleanup()
    {
        m_window.reset();
        m_dir.reset();
    }

    void windowFrame()
    {
        openWindow();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tracelens  v 26.2 (%1) [Velmora]")
                                              .arg(QString::fromLatin1(__DATE__).simplified()));
        QTabBar *bar = tabs()->tabBar();
        QCOMPARE(bar->tabText(0), QStringLiteral("Browse"));
        QVERIFY(!bar->tabButton(0, QTabBar::LeftSide) && !bar->tabButton(0, QTabBar::RightSide));
        QVERIFY(tabs()->tabsClosable() && tabs()->isMovable() && tabs()->documentMode());
        QCOMPARE(m_window->findChild<QLineEdit *>("leCurrentFolder")->text(), QDir::toNativeSeparators(folder()));
        QCOMPARE(table()->columnCount(), 4);
        QCOMPARE(table()->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(table()->isSortingEnabled());

        // Geometry goes into the program's scope when the window goes.
        m_window->resize(700, 500);
        m_window.reset();
        QVERIFY(!QSettings().value("geometry").toByteArray().isEmpty());
        openWindow();
        QCOMPARE(m_window->size(), QSize(700, 500));
    }

    void defaultLogsFolder()
    {
        sharedScope().clear();
        openWindow();
        const QString expected =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/ZIDIrezud/logs";
        QCOMPARE(sharedScope().value("logs_dir").toString(), expected);
    }

    void catalogueRows()
    {
        TestLog incomplete;
        incomplete.session = 10;
        incomplete.complete = false;
        incomplete.user = "Ольга";
        incomplete.date = 0x01032700; // 1 March 2027
        incomplete.time = 0x08050600;
        const QString top = writeLog(folder());
        const QString sub = writeLog(folder() + "/2025", incomplete);
        QVERIFY(!top.isEmpty() && !sub.isEmpty());

        // A log written by hand without "deviceName".
        nlohmann::json metadata = nlohmann::json::parse(logMetadataJson(makeSession(TestLog())));
        metadata.erase("deviceName");
        metadata["head"]["sessionNumber"] = 3;
        QVERIFY(fixture::writeArchive(folder() + "/nameless.verira",
                                      {{"metadata.json", fixture::text(metadata)}, {"data.json", "[]"}}));
        // Files that are no readable logs.
        writeBytes(folder() + "/2025/broken.verira", "not a zip archive");
        QVERIFY(fixture::writeArchive(folder() + "/nodata.verira", {{"metadata.json", fixture::text(metadata)}}));
        // An empty metadata.json is no log either: left out like a file
        // without an entry, not listed as corrupted.
        QVERIFY(fixture::writeArchive(folder() + "/empty.verira", {{"metadata.json", ""}, {"data.json", "[]"}}));
        writeBytes(folder() + "/notes.txt", "not a log");

        openWindow();
        QCOMPARE(sortedRows(), QList<QStringList>({
                                   {"/2025/Limiter1 (RUS-27): 10 (not complete race)", "Ольга", "RAR-I mini",
                                    "2027/03/01 08:05:06"},
                                   {"File corrupted", "/2025/", "broken.verira", ""},
                                   {"Limiter1 (RUS-27): 7", "Ivan", "RAR-I mini", "2026/12/09 14:30:59"},
                                   {"No Name (RUS-27): 3", "Ivan", "RAR-I mini", "2026/12/09 14:30:59"},
                               }));
        QVERIFY(rowOf(top) >= 0 && rowOf(sub) >= 0);
        QCOMPARE(sharedScope().value("logs_dir").toString(), folder());
    }

    // Each is refused quickly by the metadata reader and listed as
    // corrupted; the scan goes on with the other files.
    void hostileFilesAreListedCorrupted()
    {
        QList<QStringList> expected;
        for (const HostileMetadata &hostile : hostileMetadata()) {
            const QString name = QString::fromStdString(hostile.name) + ".verira";
            QVERIFY(fixture::writeArchive(folder() + "/" + name, {{"metadata.json", QByteArray::fromStdString(hostile.metadata)},
                                                                 {"data.json", "[]"}}));
            expected.append({"File corrupted", "", name, ""});
        }
        QVERIFY(!writeLog(folder()).isEmpty());
        expected.append({"Limiter1 (RUS-27): 7", "Ivan", "RAR-I mini", "2026/12/09 14:30:59"});
        std::sort(expected.begin(), expected.end());
        openWindow();
        QCOMPARE(sortedRows(), expected);
    }

    void logListRowTexts_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("dotsCount");
        QTest::addColumn<QString>("session");
        QTest::newRow("in the folder") << "/logs" << "/logs/a.verira" << qint64(12) << "Dev (RUS-7): 5";
        QTest::newRow("in a subfolder") << "/logs" << "/logs/2025/a.verira" << qint64(12) << "/2025/Dev (RUS-7): 5";
        QTest::newRow("native base folder") << "C:\\logs" << "C:/logs/a.verira" << qint64(12)
                                            << "C:/logs/Dev (RUS-7): 5";
        QTest::newRow("not complete") << "/logs" << "/logs/a.verira" << qint64(4294967295)
                                      << "Dev (RUS-7): 5 (not complete race)";
        QTest::newRow("other large count") << "/logs" << "/logs/a.verira" << qint64(4294967294) << "Dev (RUS-7): 5";
    }

    void logListRowTexts()
    {
        QFETCH(QString, base);
        QFETCH(QString, path);
        QFETCH(qint64, dotsCount);
        QTEST(logListRow(base, path, rowMetadata(dotsCount), QDateTime()).session, "session");
    }

    void logListRowFailures_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // JSON; empty removes the key
        QTest::newRow("no user name") << "userName" << "";
        QTest::newRow("number as text") << "settSetName" << "12";
        QTest::newRow("no date") << "date" << "";
        QTest::newRow("date as text") << "date" << "\"today\"";
        QTest::newRow("device name not text") << "deviceName" << "7";
        QTest::newRow("number 1e300") << "userRegNum" << R"({"country": "RUS", "num": 1e300})";
        QTest::newRow("session 1e300") << "head" << R"({"sessionNumber": 1e300, "dotsCount": 1})";
        QTest::newRow("dots count 1e300") << "head" << R"({"sessionNumber": 5, "dotsCount": 1e300})";
        QTest::newRow("date 1e300") << "date" << "1e300";
    }

    void logListRowFailures()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        nlohmann::json metadata = rowMetadata(1);
        if (value.isEmpty())
            metadata.erase(key.toStdString());
        else
            metadata[key.toStdString()] = nlohmann::json::parse(value.toStdString());
        QVERIFY_THROWS_EXCEPTION(nlohmann::json::exception, logListRow("/l", "/l/a.verira", metadata, QDateTime()));
    }

    void createdAt_data()
    {
        QTest::addColumn<quint32>("date");
        QTest::addColumn<quint32>("time");
        QTest::addColumn<bool>("logged");
        QTest::newRow("2022 is shown") << 0x01012200u << 0x00000000u << true;
        QTest::newRow("2021 falls back") << 0x31122100u << 0x23595900u << false;
        QTest::newRow("month 13 falls back") << 0x01132600u << 0x12000000u << false;
        QTest::newRow("30 February falls back") << 0x30022600u << 0x12000000u << false;
        QTest::newRow("hour 24 falls back") << 0x01012600u << 0x24000000u << false;
    }

    void createdAt()
    {
        QFETCH(quint32, date);
        QFETCH(quint32, time);
        QFETCH(bool, logged);
        TestLog log;
        log.date = date;
        log.time = time;
        const QString path = writeLog(folder(), log);
        QVERIFY(!path.isEmpty());
        const QDateTime fileTime(QDate(2023, 5, 17), QTime(6, 7, 8));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(fileTime, QFileDevice::FileModificationTime));
        }
        openWindow();
        QCOMPARE(table()->rowCount(), 1);
        const QDateTime expected = logged ? loggedCreationTime(date, time) : fileTime;
        QVERIFY(expected.isValid());
        QCOMPARE(table()->item(0, 3)->text(), expected.toString(kCreatedAtFormat));
    }

    void createdAtSortsChronologically()
    {
        const quint32 dates[] = {0x01022700, 0x15112600, 0x02012700};
        for (int i = 0; i < 3; ++i) {
            TestLog log;
            log.session = quint32(i + 1);
            log.date = dates[i];
            QVERIFY(!writeLog(folder(), log).isEmpty());
        }
        openWindow();
        table()->sortByColumn(3, Qt::AscendingOrder);
        QStringList order;
        for (const QStringList &row : rows())
            order << row.at(3).left(10);
        QCOMPARE(order, QStringList({"2026/11/15", "2027/01/02", "2027/02/01"}));
    }

    void trailingSeparator_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("stored");
        QTest::newRow("one slash") << "/" << "";
        QTest::newRow("one backslash") << "\\" << "";
        QTest::newRow("two slashes keep one") << "//" << "/";
    }

    void trailingSeparator()
    {
        QFETCH(QString, suffix);
        QVERIFY(!writeLog(folder()).isEmpty());
        openWindow();
        m_window->scanDirectory(folder() + suffix);
        waitForScan();
        QTEST(sharedScope().value("logs_dir").toString().mid(folder().size()), "stored");
        if (suffix != "\\")
            QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(withoutTrailingSeparator("C:\\logs\\"), QStringLiteral("C:\\logs"));
    }

    void updateButtonScansTheTypedFolder()
    {
        openWindow();
        const QString other = folder() + "/other";
        QVERIFY(!writeLog(other).isEmpty());
        m_window->findChild<QLineEdit *>("leCurrentFolder")->setText(QDir::toNativeSeparators(other));
        m_window->findChild<QPushButton *>("pbRefreshFolder")->click();
        waitForScan();
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(sharedScope().value("logs_dir").toString(), other);
    }

    // The watched folder: logs that appear are listed, logs that go away lose
    // their row; a log in a subfolder is listed by the next scan.
    void watcherFollowsTheFolder()
    {
        const QString first = writeLog(folder());
        openWindow();
        QCOMPARE(table()->rowCount(), 1);

        TestLog second;
        second.session = 8;
        const QString added = writeLog(folder(), second);
        QTRY_VERIFY_WITH_TIMEOUT(rowOf(added) >= 0, 10000);

        QVERIFY(QFile::remove(first));
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 1, 10000);
        QCOMPARE(rowOf(first), -1);

        TestLog third;
        third.session = 9;
        const QString nested = writeLog(folder() + "/sub", third);
        m_window->findChild<QPushButton *>("pbRefreshFolder")->click();
        waitForScan();
        QVERIFY(rowOf(nested) >= 0);
        QCOMPARE(table()->rowCount(), 2);
    }

    // A logs folder that does not exist yet is followed from the nearest
    // folder above it that does, until it appears; so is one that is removed
    // and made again. Logs beside it are never listed.
    void followsAFolderThatAppearsLater_data()
    {
        QTest::addColumn<QString>("missing"); // below the test folder
        QTest::newRow("one level") << "logs";
        QTest::newRow("three levels") << "ZIDIrezud/2026/logs";
    }

    void followsAFolderThatAppearsLater()
    {
        QFETCH(QString, missing);
        QVERIFY(!writeLog(folder()).isEmpty());
        const QString logs = folder() + "/" + missing;
        storeLogsDirectory(logs);
        openWindow();
        QCOMPARE(table()->rowCount(), 0);

        // The device program makes the folder with its first log.
        TestLog log;
        for (int round = 0; round < 2; ++round) {
            log.session = quint32(10 + round * 2);
            const QString first = writeLog(logs, log);
            QTRY_VERIFY_WITH_TIMEOUT(rowOf(first) >= 0, 10000);
            // From then on the folder itself is watched.
            ++log.session;
            const QString second = writeLog(logs, log);
            QTRY_VERIFY_WITH_TIMEOUT(rowOf(second) >= 0, 10000);
            waitForScan();
            QCOMPARE(table()->rowCount(), 2);

            QVERIFY(QDir(logs).removeRecursively());
            QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 0, 10000);
        }
        QCOMPARE(sharedScope().value("logs_dir").toString(), logs);
    }

    void oneRowPerLog()
    {
        const QString path = writeLog(folder());
        openWindow();
        m_window->rescanDirectory(folder());
        waitForScan();
        m_window->logDirectoryChanged(path); // as a watched file that changed
        m_window->logDirectoryChanged(path);
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(rowOf(path), 0);

        // A changed file is listed from its new contents.
        TestLog renamed;
        renamed.user = "Petr";
        const LogSession session = makeSession(renamed);
        QVERIFY(fixture::writeArchive(
            path, {{"metadata.json", QByteArray::fromStdString(logMetadataJson(session))}, {"data.json", "[]"}}));
        m_window->logDirectoryChanged(path);
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(table()->item(0, 1)->text(), QStringLiteral("Petr"));
    }

    void unreadableFileHasOneRow()
    {
        const QString path = folder() + "/broken.verira";
        writeBytes(path, "garbage");
        openWindow();
        m_window->rescanDirectory(folder());
        m_window->rescanDirectory(folder());
        waitForScan();
        m_window->logDirectoryChanged(path);
        QCOMPARE(rows(), QList<QStringList>({{"File corrupted", "", "broken.verira", ""}}));
        QVERIFY(table()->item(0, 0)->data(Qt::UserRole).toString().isEmpty());

        // Repaired: the log's own row replaces it.
        const LogSession session = makeSession(TestLog());
        QVERIFY(fixture::writeArchive(
            path, {{"metadata.json", QByteArray::fromStdString(logMetadataJson(session))}, {"data.json", "[]"}}));
        m_window->rescanDirectory(folder());
        waitForScan();
        QCOMPARE(rows(), QList<QStringList>({{"Limiter1 (RUS-27): 7", "Ivan", "RAR-I mini", "2026/12/09 14:30:59"}}));

        // Broken again, then gone.
        writeBytes(path, "garbage again");
        m_window->logDirectoryChanged(path);
        QCOMPARE(rows(), QList<QStringList>({{"File corrupted", "", "broken.verira", ""}}));
        QVERIFY(QFile::remove(path));
        m_window->rescanDirectory(folder());
        waitForScan();
        QCOMPARE(table()->rowCount(), 0);
    }

    // A log still being copied into the folder is read again as it grows.
    void corruptedFileIsReadAgainWhenItChanges()
    {
        QTemporaryDir scratch;
        const QByteArray whole = fileBytes(writeLog(scratch.path()));
        QVERIFY(!whole.isEmpty());
        const QString path = folder() + "/copying.verira";
        writeBytes(path, whole.left(whole.size() / 2));
        openWindow();
        QCOMPARE(rows(), QList<QStringList>({{"File corrupted", "", "copying.verira", ""}}));

        // The rest arrives in place: the folder itself does not change.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Append));
        file.write(whole.mid(whole.size() / 2));
        file.close();
        QTRY_COMPARE_WITH_TIMEOUT(rows(), QList<QStringList>({{"Limiter1 (RUS-27): 7", "Ivan", "RAR-I mini",
                                                                 "2026/12/09 14:30:59"}}),
                                  10000);
        QCOMPARE(rowOf(path), 0);
    }

    void sessionsSortByNumber()
    {
        const quint32 sessions[] = {10, 7, 99, 9, 7};
        for (int i = 0; i < 5; ++i) {
            TestLog log;
            log.session = sessions[i];
            log.date = 0x01012700 + (quint32(i) << 24); // one file per log
            QVERIFY(!writeLog(folder(), log).isEmpty());
        }
        writeBytes(folder() + "/broken.verira", "garbage");
        openWindow();
        table()->sortByColumn(0, Qt::AscendingOrder);
        QStringList order;
        for (const QStringList &row : rows())
            order << row.at(0);
        QCOMPARE(order, QStringList({"File corrupted", "Limiter1 (RUS-27): 7", "Limiter1 (RUS-27): 7",
                                     "Limiter1 (RUS-27): 9", "Limiter1 (RUS-27): 10", "Limiter1 (RUS-27): 99"}));
        table()->sortByColumn(0, Qt::DescendingOrder);
        QCOMPARE(rows().first().at(0), QStringLiteral("Limiter1 (RUS-27): 99"));
    }

    // The columns take their shares of the table's real width, also after
    // the window is resized, until the user sizes a column.
    void columnsFollowTheTableWidth()
    {
        openWindow();
        QHeaderView *header = table()->horizontalHeader();
        const auto shared = [this, header] {
            const int width = table()->width();
            const int weights[] = {3, 5, 5, 3};
            for (int c = 0; c < 4; ++c) {
                if (header->sectionSize(c) != width * weights[c] / 21)
                    return false;
            }
            return true;
        };
        for (const QSize size : {QSize(900, 600), QSize(1400, 800), QSize(700, 500)}) {
            m_window->resize(size);
            QTRY_VERIFY(table()->width() > 0 && shared());
        }

        header->resizeSection(1, 40); // as the user's drag does
        const int first = header->sectionSize(0);
        const int before = table()->width();
        m_window->resize(1300, 700);
        QTRY_VERIFY(table()->width() > before);
        QCoreApplication::processEvents();
        QCOMPARE(header->sectionSize(1), 40);
        QCOMPARE(header->sectionSize(0), first);

        // A new scan shares them out again.
        m_window->findChild<QPushButton *>("pbRefreshFolder")->click();
        waitForScan();
        QVERIFY(shared());
    }

    // The session and time columns show every text whole at the window's
    // first size and maximised on the screens users have; the other columns
    // keep at least their headings.
    void sessionsAndTimesStayWhole_data()
    {
        QTest::addColumn<QSize>("size"); // invalid: the window's first size
        QTest::newRow("first size") << QSize();
        QTest::newRow("maximised on 1366x768") << QSize(1366, 768);
        QTest::newRow("maximised on 1920x1080") << QSize(1920, 1080);
    }

    void sessionsAndTimesStayWhole()
    {
        QFETCH(QSize, size);
        TestLog log;
        log.device = "QVR Limiter";
        log.country = "RU";
        log.num = 123;
        QVERIFY(!writeLog(folder(), log).isEmpty());
        log.session = 123;
        QVERIFY(!writeLog(folder() + "/2026", log).isEmpty());
        log.session = 1234;
        log.complete = false;
        QVERIFY(!writeLog(folder() + "/2026", log).isEmpty());

        m_window = std::make_unique<MainWindow>(TranslatorList());
        if (size.isValid())
            m_window->resize(size);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        waitForScan();
        QCOMPARE(table()->rowCount(), 3);
        QHeaderView *header = table()->horizontalHeader();
        for (int column = 1; column < 4; ++column)
            QVERIFY(header->sectionSize(column) >= header->sectionSizeHint(column));
        // A cell drawn whole looks the same as when its column is far wider;
        // a cut one ends in an ellipsis instead.
        for (int row = 0; row < 3; ++row) {
            for (int column : {0, 3}) {
                const QModelIndex cell = table()->model()->index(row, column);
                table()->scrollTo(cell);
                const QRect rect = table()->visualRect(cell).adjusted(0, 0, -2, 0);
                const QImage shown = table()->viewport()->grab(rect).toImage();
                const int width = header->sectionSize(column);
                header->resizeSection(column, width + 300);
                const QImage whole = table()->viewport()->grab(rect).toImage();
                header->resizeSection(column, width);
                QVERIFY2(shown == whole, qPrintable(cell.data().toString()));
            }
        }
    }

    // A season of logs: every log is listed once, whatever rescans and
    // changed files come in while the folder is read, and a scan of another
    // folder drops what the first has not delivered yet.
    void seasonOfLogs()
    {
        constexpr int kLogs = 2000;
        QStringList paths;
        for (int i = 0; i < kLogs; ++i) {
            TestLog log;
            log.session = quint32(i + 1);
            paths << writeLog(folder(), log);
            QVERIFY(!paths.last().isEmpty());
        }
        m_window = std::make_unique<MainWindow>(TranslatorList());
        m_window->show();
        m_window->rescanDirectory(folder());
        m_window->logDirectoryChanged(paths.at(kLogs / 2));
        waitForScan();
        QCOMPARE(table()->rowCount(), kLogs);
        table()->sortByColumn(0, Qt::AscendingOrder);
        for (int row = 0; row < kLogs; ++row) {
            QCOMPARE(table()->item(row, 0)->text(), QStringLiteral("Limiter1 (RUS-27): %1").arg(row + 1));
            QCOMPARE(table()->item(row, 0)->data(Qt::UserRole).toString(), paths.at(row));
        }

        QTemporaryDir other;
        QVERIFY(!writeLog(other.path()).isEmpty());
        m_window->findChild<QPushButton *>("pbRefreshFolder")->click();
        m_window->scanDirectory(other.path());
        waitForScan();
        QCOMPARE(rows(), QList<QStringList>({{"Limiter1 (RUS-27): 7", "Ivan", "RAR-I mini", "2026/12/09 14:30:59"}}));
    }

    // Closing the window while a log loads ends the program once the load
    // returns, with the window's settings written; no tab is added.
    void closingWhileLoadingEndsTheProgram()
    {
        const QString path = writeLog(folder());
        openWindow();
        m_window->resize(700, 500);
        bool opened = true;
        QTimer::singleShot(0, m_window.get(), [this, &opened, path] {
            // Runs while the load's progress dialog handles events.
            QTimer::singleShot(0, m_window.get(), [this] { m_window->close(); });
            opened = m_window->openLogInTab(path);
        });
        QTimer stuck;
        stuck.setSingleShot(true);
        connect(&stuck, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        stuck.start(20000);
        const int code = QCoreApplication::exec();
        stuck.stop();
        QCOMPARE(code, 0);
        QVERIFY(!opened);
        QCOMPARE(tabs()->count(), 1);
        QVERIFY(!m_window->isVisible());
        m_window.reset(); // as the program does once its event loop ends
        QVERIFY(!QSettings().value("geometry").toByteArray().isEmpty());
        openWindow();
        QCOMPARE(m_window->size(), QSize(700, 500));
    }

    void selectionShowsDescription()
    {
        const QString path = writeLog(folder());
        writeBytes(folder() + "/broken.verira", "garbage");
        openWindow();
        table()->selectRow(rowOf(path));
        QCOMPARE(description("leUser"), QStringLiteral("Ivan [RUS-27]"));
        QCOMPARE(description("leSettings"), QStringLiteral("RAR-I mini"));

        const int broken = rowOf(QString()); // the row without a path
        QVERIFY(broken >= 0);
        table()->selectRow(broken);
        QCOMPARE(description("leUser"), QStringLiteral("File is corrupted or unsupported"));
        QCOMPARE(description("leSettings"), QString());

        table()->clearSelection(); // changes nothing
        QCOMPARE(description("leUser"), QStringLiteral("File is corrupted or unsupported"));
    }

    void plotTabs()
    {
        const QString path = writeLog(folder());
        openWindow();
        QVERIFY(m_window->openLogInTab(path));
        table()->selectRow(0);
        m_window->logOpened(); // a double click: the same log once more
        QCOMPARE(tabs()->count(), 3);
        QCOMPARE(tabs()->currentIndex(), 2);
        for (int i : {1, 2})
            QCOMPARE(tabs()->tabText(i), QStringLiteral("Limiter1 (RUS-27): 7"));

        QPointer<QWidget> closed = tabs()->widget(1);
        m_window->closePlotTab(1);
        QCOMPARE(tabs()->count(), 2);
        QTRY_VERIFY(closed.isNull()); // its memory goes back
        m_window->closePlotTab(0);
        QCOMPARE(tabs()->count(), 2);
        QCOMPARE(tabs()->widget(0), m_window->findChild<QWidget *>("tab"));
    }

    void failedOpenAddsNoTab_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "missing.verira" << QByteArray() << "The file does not exist.";
        QTest::newRow("not an archive") << "broken.verira" << QByteArray("garbage") << "Not a zip archive";

        // A missing entry is named, so it does not read as a missing log.
        QTemporaryDir scratch;
        const auto archiveBytes = [&scratch](const fixture::Entries &entries) {
            const QString path = scratch.filePath("log.verira");
            return fixture::writeArchive(path, entries) ? fileBytes(path) : QByteArray();
        };
        const QByteArray metadata = QByteArray::fromStdString(logMetadataJson(makeSession(TestLog())));
        QTest::newRow("no data.json") << "nodata.verira" << archiveBytes({{"metadata.json", metadata}})
                                      << "The file holds no data.json";
        QTest::newRow("no metadata.json") << "nometa.verira" << archiveBytes({{"data.json", "[]"}})
                                          << "The file holds no metadata.json";
    }

    void failedOpenAddsNoTab()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = folder() + "/" + name;
        if (!content.isEmpty())
            writeBytes(path, content);
        openWindow();
        ModalAnswerer<QMessageBox> answerer(clickButton(QMessageBox::Ok));
        QVERIFY(!m_window->openLogInTab(path));
        QCOMPARE(answerer.count, 1);
        QVERIFY2(answerer.seen().first().contains(QDir::toNativeSeparators(path)), qPrintable(answerer.seen().first()));
        QVERIFY2(answerer.seen().first().contains(reason), qPrintable(answerer.seen().first()));
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(QFileInfo::exists(path), !content.isEmpty());
        QCOMPARE(fileBytes(path), content);
        // The window goes on working.
        m_window->rescanDirectory(folder());
        waitForScan();
        QCOMPARE(tabs()->currentIndex(), 0);
    }
};

QTEST_MAIN(TestViewerMainWindow)
#include "tst_viewermainwindow.moc"
