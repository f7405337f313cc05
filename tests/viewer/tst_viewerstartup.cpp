#include "FileAssociation.h"
#include "LogCatalogue.h"
#include "ViewerLogFiles.h"
#include "MessageBoxAnswerer.h"
#include "ViewerStartup.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Start-up of the viewer: the association question in this process, and the
// whole program as a user starts it, on a real display.
class TestViewerStartup : public QObject
{
    Q_OBJECT

    const QString m_program = QFileInfo(QStringLiteral(GW_BINARY_DIR "/viewer/Tracelens")).canonicalFilePath();

    // Starts the viewer with `arguments` and waits until its diagnostics hold
    // `line`; returns everything it wrote by then.
    QString runUntil(QProcess &viewer, const QStringList &arguments, const QString &line)
    {
        viewer.setProcessChannelMode(QProcess::MergedChannels);
        viewer.start(m_program, arguments);
        if (!viewer.waitForStarted(10000))
            return QStringLiteral("<not started>");
        QString output;
        QDeadlineTimer deadline(60000);
        while (!output.contains(line) && !deadline.hasExpired() && viewer.state() == QProcess::Running) {
            viewer.waitForReadyRead(200);
            output += QString::fromUtf8(viewer.readAll());
        }
        return output;
    }

    static void stop(QProcess &viewer)
    {
        viewer.kill();
        viewer.waitForFinished(10000);
    }

private slots:
    void initTestCase()
    {
        setViewerIdentity();
        QVERIFY2(QFileInfo(m_program).isExecutable(), qPrintable(m_program));
    }

    void associationQuestion()
    {
        QTemporaryDir home;
        FreedesktopAssociationStore store(home.filePath("data"), home.filePath("config"));
        {
            MessageBoxAnswerer no(QMessageBox::No);
            QVERIFY(offerFileAssociation(store));
            QCOMPARE(no.seen, QStringList({"File Association|Do you want to associate .verira files with Tracelens?"}));
        }
        QVERIFY(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        {
            MessageBoxAnswerer yes(QMessageBox::Yes);
            QVERIFY(offerFileAssociation(store)); // asked again after No
            QCOMPARE(yes.seen.size(), 1);
        }
        QVERIFY(isFileAssociationRegistered(store, "Tracelens", QCoreApplication::applicationFilePath()));
        MessageBoxAnswerer none;
        QVERIFY(!offerFileAssociation(store)); // not asked while the program stays where it is
        QVERIFY(none.seen.isEmpty());
    }

    // Tracelens started with a log: it starts the scan of the logs folder,
    // opens the log in a plot tab, and only then shows its window.
    void opensLogGivenOnCommandLine()
    {
        QTemporaryDir logs;
        const QString log = writeLog(logs.path());
        QVERIFY(!log.isEmpty());
        storeLogsDirectory(logs.path());
        FreedesktopAssociationStore store;
        registerFileAssociation(store, "Tracelens", m_program);

        QProcess viewer;
        const QString output = runUntil(viewer, {log, "ignored.verira"}, "Window shown");
        stop(viewer);
        const int scanned = output.indexOf("Scanning");
        const int opened = output.indexOf(QStringLiteral("Opened \"%1\" as \"Limiter1 (RUS-27): 7\"").arg(log));
        const int shown = output.indexOf("Window shown");
        QVERIFY2(scanned >= 0 && opened > scanned && shown > opened, qPrintable(output));
        QVERIFY2(!output.contains("ignored.verira"), qPrintable(output));
        QVERIFY2(!output.contains("File Association"), qPrintable(output));
        QCOMPARE(QSettings("Velmora", "RADEvadazo").value("logs_dir").toString(), logs.path());
    }

    void reportsMissingLogAndCreatesNothing()
    {
        QTemporaryDir logs;
        storeLogsDirectory(logs.path());
        FreedesktopAssociationStore store;
        registerFileAssociation(store, "Tracelens", m_program);
        const QString missing = logs.filePath("gone.verira");

        QProcess viewer;
        // The open has failed once this is written.
        const QString output = runUntil(viewer, {missing}, "Cannot open");
        stop(viewer);
        QVERIFY2(output.contains(QStringLiteral("Cannot open \"%1\"").arg(missing)), qPrintable(output));
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(QDir(logs.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }
};

QTEST_MAIN(TestViewerStartup)
#include "tst_viewerstartup.moc"
