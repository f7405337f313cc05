#include "FileAssociation.h"
#include "LogCatalogue.h"
#include "SavedLogs.h"
#include "ModalAnswerer.h"
#include "ViewerStartup.h"

#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

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
            ModalAnswerer<QMessageBox> no(clickButton(QMessageBox::No));
            QVERIFY(offerFileAssociation(store));
            QCOMPARE(no.seen(), QStringList({"File Association|Do you want to associate .verira files with Tracelens?"}));
        }
        QVERIFY(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        {
            ModalAnswerer<QMessageBox> yes(clickButton(QMessageBox::Yes));
            QVERIFY(offerFileAssociation(store)); // asked again after No
            QCOMPARE(yes.count, 1);
        }
        QVERIFY(isFileAssociationRegistered(store, "Tracelens", QCoreApplication::applicationFilePath()));
        ModalAnswerer<QMessageBox> none(clickButton(QMessageBox::Ok));
        QVERIFY(!offerFileAssociation(store)); // not asked while the program stays where it is
        QCOMPARE(none.count, 0);
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

    // A log opened from the desktop, as a file manager opens it: Debian's
    // xdg-open (here without a desktop it knows, so it reads the association
    // itself) and gio start Tracelens with the file, which it shows in a tab.
    void opensFromTheDesktop_data()
    {
        QTest::addColumn<QStringList>("opener");
        QTest::newRow("xdg-open") << QStringList{"xdg-open"};
        QTest::newRow("gio open") << QStringList{"gio", "open"};
    }

    void opensFromTheDesktop()
    {
        QFETCH(QStringList, opener);
        const QString tool = QStandardPaths::findExecutable(opener.first());
        QVERIFY2(!tool.isEmpty(), "scripts/setup.sh installs xdg-utils and libglib2.0-bin");
        FreedesktopAssociationStore store;
        if (opener.first() == QLatin1String("xdg-open") && store.openCommandFor(m_program).startsWith('"'))
            QSKIP("the build folder's path must be quoted, which xdg-open without a known desktop cannot read");
        QTemporaryDir logs;
        const QString log = writeLog(logs.path());
        QVERIFY(!log.isEmpty());
        storeLogsDirectory(logs.path());
        registerFileAssociation(store, "Tracelens", m_program);

        QTemporaryDir scratch;
        const QString outputPath = scratch.filePath("output.txt");
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *desktop : {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                    "GNOME_DESKTOP_SESSION_ID"})
            env.remove(desktop);
        process.setProcessEnvironment(env);
        // What Tracelens writes lands in the file also after the tool ends.
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setStandardOutputFile(outputPath);
        // A process group of its own: Tracelens, started by the tool, goes
        // with it at the end.
        process.setChildProcessModifier([] { ::setsid(); });
        process.start(tool, opener.mid(1) << log);
        QVERIFY(process.waitForStarted(10000));
        // Taken now: once the tool has ended its id reads 0, and a group of
        // 0 would be this test's own.
        const pid_t group = pid_t(process.processId());
        QVERIFY(group > 0);
        const auto stopAll = qScopeGuard([&process, group] {
            ::kill(-group, SIGKILL);
            process.waitForFinished(10000);
        });

        const auto output = [&outputPath] {
            QFile file(outputPath);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QString opened = QStringLiteral("Opened \"%1\" as \"Limiter1 (RUS-27): 7\"").arg(log);
        const auto failed = [&process] { return process.state() == QProcess::NotRunning && process.exitCode() != 0; };
        QTRY_VERIFY_WITH_TIMEOUT((output().contains(opened) && output().contains("Window shown")) || failed(), 60000);
        QVERIFY2(output().contains(opened), qPrintable(output()));
        QVERIFY2(!output().contains("File Association"), qPrintable(output()));
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
