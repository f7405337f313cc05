// The logger page's rules without widgets: the device's session list, the
// folder list's texts and order, "Read New Logs" and the speed text.
#include "LoggerQueue.h"
#include "NumericSortWidgetItem.h"

#include <QListWidget>
#include <QtTest>

using namespace LoggerQueue;

class tst_LoggerQueue : public QObject
{
    Q_OBJECT
private slots:
    void deviceSessions_data();
    void deviceSessions();
    void folderItemText_data();
    void folderItemText();
    void folderListSortsByNumber();
    void readNewLogsSkipsOnlyCompleteLogs();
    void readSpeedText_data();
    void readSpeedText();
};

void tst_LoggerQueue::deviceSessions_data()
{
    QTest::addColumn<quint32>("first");
    QTest::addColumn<quint32>("last");
    QTest::addColumn<QList<quint32>>("expected");
    QTest::newRow("1 to 3") << 1u << 3u << QList<quint32>{3, 2, 1};
    QTest::newRow("0 to 2") << 0u << 2u << QList<quint32>{2, 1, 0};
    QTest::newRow("empty memory") << 0u << 0u << QList<quint32>{0};
    QTest::newRow("last below first") << 5u << 3u << QList<quint32>{};
    QTest::newRow("top of the range") << 0xFFFFFFFEu << 0xFFFFFFFFu << QList<quint32>{0xFFFFFFFFu, 0xFFFFFFFEu};
}

void tst_LoggerQueue::deviceSessions()
{
    QFETCH(quint32, first);
    QFETCH(quint32, last);
    QFETCH(QList<quint32>, expected);
    QCOMPARE(LoggerQueue::deviceSessions(first, last), expected);
}

void tst_LoggerQueue::folderItemText_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("expected");
    QTest::newRow("complete") << "dev_(RUS-27)_09.12.0026_14.30_007.verira" << "dev" << "7";
    QTest::newRow("incomplete") << "dev_(RUS-27)_09.12.0026_14.40_010x.verira" << "dev" << "10 (not complete race)";
    QTest::newRow("four digits") << "dev_(RUS-27)_09.12.0026_14.40_1234.verira" << "dev" << "1234";
    QTest::newRow("other device") << "other_(RUS-27)_09.12.0026_14.30_007.verira" << "dev" << "";
    // A device whose name begins with this one's is another device.
    QTest::newRow("longer name") << "dev2_(RUS-27)_09.12.0026_14.30_007.verira" << "dev" << "";
    QTest::newRow("prefix is case-sensitive") << "Dev_(RUS-27)_09.12.0026_14.30_007.verira" << "dev" << "";
    QTest::newRow("no filter") << "other_(RUS-27)_09.12.0026_14.30_007.verira" << "" << "7";
    QTest::newRow("no number") << "dev_(RUS-27)_09.12.0026_14.30_abc.verira" << "dev" << "";
    // Saved files carry the name made fit for a file name.
    QTest::newRow("name with a slash") << "QVR1_(RU-5)_NoDate_003.verira" << "QVR/1" << "3";
}

void tst_LoggerQueue::folderItemText()
{
    QFETCH(QString, fileName);
    QFETCH(QString, device);
    QFETCH(QString, expected);
    QCOMPARE(LoggerQueue::folderItemText(fileName, device), expected);
}

void tst_LoggerQueue::folderListSortsByNumber()
{
    QListWidget list;
    for (const char *text : {"7", "10 (not complete race)", "9", "100"})
        new NumericSortWidgetItem(QString::fromLatin1(text), &list);
    list.sortItems(Qt::DescendingOrder);
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    // Text order would put 7 and 9 above 100 and 10.
    QCOMPARE(texts, (QStringList{"100", "10 (not complete race)", "9", "7"}));
    // Without a number in front the texts decide.
    QVERIFY(NumericSortWidgetItem("Alpha") < NumericSortWidgetItem("Beta"));
    QVERIFY(!(NumericSortWidgetItem("10") < NumericSortWidgetItem("9")));
}

void tst_LoggerQueue::readNewLogsSkipsOnlyCompleteLogs()
{
    const QStringList folder{"10 (not complete race)", "7"};
    QStringList queued;
    for (const QString &session : QStringList{"10", "9", "8", "7", "6"}) {
        if (queuedAsNew(session, folder))
            queued.append(session);
    }
    QCOMPARE(queued, (QStringList{"10", "9", "8", "6"}));
}

void tst_LoggerQueue::readSpeedText_data()
{
    QTest::addColumn<quint32>("bitsPerSecond");
    QTest::addColumn<QString>("expected");
    QTest::newRow("10240") << 10240u << "Log read speed: 10 kbit/s";
    QTest::newRow("1536") << 1536u << "Log read speed: 1.5 kbit/s";
    QTest::newRow("1000") << 1000u << "Log read speed: 0.9765625 kbit/s";
    QTest::newRow("0") << 0u << "Log read speed: 0 kbit/s";
}

void tst_LoggerQueue::readSpeedText()
{
    QFETCH(quint32, bitsPerSecond);
    QFETCH(QString, expected);
    QCOMPARE(LoggerQueue::readSpeedText(bitsPerSecond), expected);
}

QTEST_MAIN(tst_LoggerQueue)
#include "tst_loggerqueue.moc"
