// How the logger page shows things, without its widgets: the folder list's
// texts and order, and the speed text.
#include "LoggerQueue.h"
#include "NumericSortWidgetItem.h"

#include <QListWidget>
#include <QtTest>

using namespace LoggerQueue;

class tst_LoggerQueue : public QObject
{
    Q_OBJECT
private slots:
    void folderItemText_data();
    void folderItemText();
    void folderListSortsByNumber();
    void readSpeedText_data();
    void readSpeedText();
};

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
    // A second log whose own name was taken keeps the session number last.
    QTest::newRow("copy name") << "dev_(RUS-27)_09.12.0026_14.30(2)_007.verira" << "dev" << "7";
    QTest::newRow("incomplete copy") << "dev_(RUS-27)_NoDate(3)_007x.verira" << "dev" << "7 (not complete race)";
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
