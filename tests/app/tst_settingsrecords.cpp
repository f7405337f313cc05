// The widget-free rules of the settings pages: text fields, the logger's
// write time and the password choice.
#include "SettingsRecords.h"

#include <QtTest>

using namespace SettingsRecords;

class tst_SettingsRecords : public QObject
{
    Q_OBJECT
private slots:
    void textFieldsCutAtACharacter_data();
    void textFieldsCutAtACharacter();
    void loggerWriteTime_data();
    void loggerWriteTime();
    void passwordChoice_data();
    void passwordChoice();
    void floatsNarrowWithoutOverflow();
};

void tst_SettingsRecords::textFieldsCutAtACharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("field");
    const QString euro(QChar(0x20AC)); // three bytes
    const QString zhe(QChar(0x0416));  // two bytes
    QTest::newRow("31 ASCII") << QString(31, QLatin1Char('a')) << 32 << QByteArray(31, 'a') + QByteArray(1, '\0');
    QTest::newRow("32 ASCII, no zero") << QString(32, QLatin1Char('b')) << 32 << QByteArray(32, 'b');
    QTest::newRow("40 ASCII") << QString(40, QLatin1Char('c')) << 32 << QByteArray(32, 'c');
    QTest::newRow("31 two-byte") << zhe.repeated(31) << 32 << zhe.repeated(16).toUtf8();
    QTest::newRow("three-byte over the edge") << QStringLiteral("ab") + euro.repeated(11) << 32
                                               << (QStringLiteral("ab") + euro.repeated(10)).toUtf8() + QByteArray(0, '\0');
    QTest::newRow("three-byte leaves a gap") << QStringLiteral("a") + euro.repeated(11) << 32
                                              << (QStringLiteral("a") + euro.repeated(10)).toUtf8() + QByteArray(1, '\0');
    QTest::newRow("country") << zhe + zhe + QStringLiteral("x") << 4 << (zhe + zhe).toUtf8();
    QTest::newRow("empty") << QString() << 4 << QByteArray(4, '\0');
}

void tst_SettingsRecords::textFieldsCutAtACharacter()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(QByteArray, field);
    QByteArray stored(size, '\x55');
    setFieldText(stored.data(), size, text);
    QCOMPARE(stored, field.leftJustified(size, '\0'));
    QVERIFY(!recordText(stored.constData(), size).contains(QChar::ReplacementCharacter));
}

void tst_SettingsRecords::loggerWriteTime_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("hz");
    QTest::addColumn<QString>("shown");
    QTest::newRow("100 Hz") << 1000 << 100 << QStringLiteral("00:21:20");
    QTest::newRow("1 Hz wraps past a day") << 1000 << 1 << QStringLiteral("11:33:20");
    QTest::newRow("3 Hz truncates") << 1000 << 3 << QStringLiteral("11:51:06");
    QTest::newRow("no memory") << 0 << 10 << QStringLiteral("00:00:00");
    QTest::newRow("no frequency") << 1000 << 0 << QStringLiteral("--:--:--");
}

void tst_SettingsRecords::loggerWriteTime()
{
    QFETCH(int, blocks);
    QFETCH(int, hz);
    QFETCH(QString, shown);
    QCOMPARE(maxLoggerWriteTime(quint16(blocks), hz), shown);
}

void tst_SettingsRecords::passwordChoice_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("repeat");
    QTest::addColumn<int>("write");
    QTest::newRow("equal") << true << "secret" << "secret" << int(PasswordWrite::Write);
    QTest::newRow("different") << true << "secret" << "secreT" << int(PasswordWrite::EntriesDiffer);
    QTest::newRow("one empty") << true << "secret" << "" << int(PasswordWrite::EntriesDiffer);
    QTest::newRow("both empty resets") << true << "" << "" << int(PasswordWrite::Write);
    QTest::newRow("group unchecked") << false << "a" << "b" << int(PasswordWrite::None);
}

void tst_SettingsRecords::passwordChoice()
{
    QFETCH(bool, checked);
    QFETCH(QString, password);
    QFETCH(QString, repeat);
    QFETCH(int, write);
    QCOMPARE(int(passwordWrite(checked, password, repeat)), write);
}

void tst_SettingsRecords::floatsNarrowWithoutOverflow()
{
    QCOMPARE(truncatedToInt(49.9, 0, 50), 49);
    QCOMPARE(truncatedToInt(1e30, 0, 50), 50);
    QCOMPARE(truncatedToInt(-1e30, 0, 50), 0);
    QCOMPARE(truncatedToInt(std::numeric_limits<double>::quiet_NaN(), 0, 50), 0);
    QCOMPARE(truncatedToInt(std::numeric_limits<double>::infinity(), 1000, 100000), 100000);
}

QTEST_GUILESS_MAIN(tst_SettingsRecords)
#include "tst_settingsrecords.moc"
