// The terminal page against a simulated limiter.
#include "EditorInput.h"
#include "LimiterTerminal.h"
#include "PageRig.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QtTest>

class tst_LimiterTerminal : public QObject
{
    Q_OBJECT
private slots:
    void commandsGoAsTypedAndAnswersAppear_data();
    void commandsGoAsTypedAndAnswersAppear();
    void chunksAreParagraphsAndBadBytesAreReplaced();

private:
    static QList<QByteArray> terminalWrites(const PageRig &rig)
    {
        return rig.written(DeviceProtocol::terminalServiceUuid(), DeviceProtocol::kNusRxId);
    }
};

void tst_LimiterTerminal::commandsGoAsTypedAndAnswersAppear_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("byReturn");
    QTest::newRow("ascii, Send") << QStringLiteral("version") << false;
    QTest::newRow("ascii, Return") << QStringLiteral("help") << true;
    QTest::newRow("non-ascii") << QStringLiteral("Grüße 速度") << false;
    QTest::newRow("empty") << QString() << false;
}

void tst_LimiterTerminal::commandsGoAsTypedAndAnswersAppear()
{
    QFETCH(QString, command);
    QFETCH(bool, byReturn);
    PageRig rig;
    LimiterTerminal page;
    page.setDevice(rig.device);
    QSignalSpy ready(rig.device.get(), &LimiterDevice::loggerServiceDiscovered);
    rig.device->connectToDevice();
    QTRY_VERIFY(ready.count());
    QSignalSpy received(rig.device.get(), &LimiterDevice::terminalDataReceived);

    auto *edit = page.findChild<QLineEdit *>(QStringLiteral("leCommand"));
    auto *console = page.findChild<QPlainTextEdit *>(QStringLiteral("ptConsole"));
    typeText(edit, command);
    if (byReturn)
        QTest::keyClick(edit, Qt::Key_Return);
    else
        QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("pbSend")), Qt::LeftButton);

    QCOMPARE(edit->text(), QString());
    QCOMPARE(console->toPlainText().split(QLatin1Char('\n')).first(), QStringLiteral(" > %1").arg(command));
    QTRY_COMPARE(terminalWrites(rig), QList<QByteArray>{command.toUtf8()});
    if (!command.isEmpty()) {
        // Whatever the device answers is shown after the echo.
        QTRY_VERIFY(received.count() > 0);
        const QString answer = QString::fromUtf8(received.first().first().toByteArray()).trimmed();
        QTRY_VERIFY(console->blockCount() > 1);
        QCOMPARE(console->document()->findBlockByNumber(1).text(), answer);
    }
}

void tst_LimiterTerminal::chunksAreParagraphsAndBadBytesAreReplaced()
{
    PageRig rig;
    LimiterTerminal page;
    page.setDevice(rig.device);
    auto *console = page.findChild<QPlainTextEdit *>(QStringLiteral("ptConsole"));
    emit rig.device->terminalDataReceived(QByteArray("U=16.2V "));
    emit rig.device->terminalDataReceived(QByteArray("I=3\xff\xfe"
                                                     "A"));
    QCOMPARE(console->blockCount(), 2);
    QCOMPARE(console->document()->findBlockByNumber(0).text(), QStringLiteral("U=16.2V "));
    QCOMPARE(console->document()->findBlockByNumber(1).text(), QStringLiteral("I=3\uFFFD\uFFFDA"));
}

QTEST_MAIN(tst_LimiterTerminal)
#include "tst_limiterterminal.moc"
