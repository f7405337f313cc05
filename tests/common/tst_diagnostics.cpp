#include "Diagnostics.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QThread>
#include <QtTest>

#include <unistd.h>

// Captures what the process writes to standard error while it lives.
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { restore(); }
    QString text()
    {
        restore();
        m_file.seek(0);
        return QString::fromLocal8Bit(m_file.readAll());
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }
    QTemporaryFile m_file;
    int m_saved = -1;
};

class TestDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installDiagnostics(); }

    // Runs before any pane exists: every level, warnings included, goes to
    // standard error in the pattern's format.
    void linesGoToStandardErrorBeforeThePane()
    {
        StderrCapture capture;
        qCDebug(lcUi) << "Aplication started: " << QStringLiteral("Gearwarden") << QStringLiteral("26.2");
        qCWarning(lcUi) << "early warning";
        const QStringList lines = capture.text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);

        static const QRegularExpression debugLine(QStringLiteral(
            R"(^\[\d{8} \d{1,2}:\d{2}:\d{2}\.\d{3} D\] \{ui\} \S*tst_diagnostics\.cpp:\d+:\S.*linesGoToStandardErrorBeforeThePane.* - Aplication started:  "Gearwarden" "26\.2"$)"));
        QVERIFY2(debugLine.match(lines.at(0)).hasMatch(), qPrintable(lines.at(0)));
        QVERIFY2(lines.at(1).contains(QStringLiteral(" W] {ui} ")), qPrintable(lines.at(1)));
        QVERIFY(lines.at(1).endsWith(QStringLiteral("- early warning")));

        // Hours carry no leading zero.
        const QString time = lines.at(0).mid(10, lines.at(0).indexOf(QLatin1Char(' '), 10) - 10);
        QVERIFY2(!time.startsWith(QLatin1Char('0')) || time.startsWith(QStringLiteral("0:")), qPrintable(time));
    }

    void paneReceivesLinesFromAllThreadsOnItsOwnThread()
    {
        auto *pane = new QPlainTextEdit;
        setApplicationLogView(pane);
        QCOMPARE(applicationLogView(), pane);

        StderrCapture capture;
        qCInfo(lcUi) << "on the GUI thread";
        QVERIFY(pane->toPlainText().contains(QStringLiteral(" I] {ui} ")));

        // A second registration does not replace the pane.
        QPlainTextEdit other;
        setApplicationLogView(&other);
        QCOMPARE(applicationLogView(), pane);

        // Lines from another thread arrive queued, in the order logged.
        QThread *worker = QThread::create([] {
            for (int i = 0; i < 50; ++i)
                qCDebug(lcUi) << "worker line" << i;
        });
        worker->start();
        worker->wait();
        delete worker;
        QVERIFY(!pane->toPlainText().contains(QStringLiteral("worker line")));
        QTRY_VERIFY(pane->toPlainText().contains(QStringLiteral("worker line 49")));
        const QString text = pane->toPlainText();
        int last = -1;
        for (int i = 0; i < 50; ++i) {
            const int at = text.indexOf(QStringLiteral("worker line %1\n").arg(i).trimmed());
            QVERIFY(at > last);
            last = at;
        }
        QVERIFY(capture.text().isEmpty());

        // Queued lines for a pane destroyed before they are delivered go
        // nowhere; later lines go back to standard error.
        QThread *late = QThread::create([] { qCDebug(lcUi) << "after the pane"; });
        late->start();
        late->wait();
        delete late;
        delete pane;
        QCOMPARE(applicationLogView(), nullptr);
        QCoreApplication::processEvents();

        StderrCapture after;
        qCWarning(lcUi) << "pane is gone";
        QVERIFY(after.text().contains(QStringLiteral("- pane is gone")));
    }
};

QTEST_MAIN(TestDiagnostics)
#include "tst_diagnostics.moc"
