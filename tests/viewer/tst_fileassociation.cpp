#include "FileAssociation.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using RegistryKey = QPair<QString, QString>; // key path, value name

// A registry hive in memory.
struct FakeRegistry
{
    QMap<RegistryKey, QString> values;

    RegistryAssociationStore store()
    {
        return RegistryAssociationStore(
            [this](const QString &key, const QString &name) { return values.value({key, name}); },
            [this](const QString &key, const QString &name, const QString &value) { values[{key, name}] = value; });
    }
};

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeText(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

} // namespace

class TestFileAssociation : public QObject
{
    Q_OBJECT

private slots:
    void registryLayout()
    {
        FakeRegistry registry;
        RegistryAssociationStore store = registry.store();
        const QString program = QStringLiteral("C:/Program Files/Velmora/Tracelens.exe");
        QVERIFY(!isFileAssociationRegistered(store, "Tracelens", program));
        QVERIFY(registry.values.isEmpty()); // the check only reads

        registerFileAssociation(store, "Tracelens", program);
        const QMap<RegistryKey, QString> expected = {
            {{"HKEY_CURRENT_USER\\Software\\Classes\\Tracelens\\shell\\open\\command\\", "."},
             "\"C:\\Program Files\\Velmora\\Tracelens.exe\" \"%1\""},
            {{"HKEY_CURRENT_USER\\Software\\Classes\\.verira", "."}, "Tracelens"},
            {{"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.verira\\UserChoice",
              "Progid"},
             "Tracelens"},
        };
        QCOMPARE(registry.values, expected);
        QVERIFY(isFileAssociationRegistered(store, "Tracelens", program));
    }

    void registryCheck_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("registered");
        const QString program = "\"C:\\Apps\\Tracelens.exe\" \"%1\"";
        QTest::newRow("exact") << program << true;
        QTest::newRow("nothing stored") << QString() << false;
        QTest::newRow("other case") << "\"C:\\apps\\Tracelens.exe\" \"%1\"" << false;
        QTest::newRow("forward slashes") << "\"C:/Apps/Tracelens.exe\" \"%1\"" << false;
        QTest::newRow("program moved") << "\"C:\\Old\\Tracelens.exe\" \"%1\"" << false;
        QTest::newRow("trailing blank") << program + " " << false;
    }

    void registryCheck()
    {
        QFETCH(QString, stored);
        QFETCH(bool, registered);
        FakeRegistry registry;
        if (!stored.isNull())
            registry.values[{RegistryAssociationStore::commandKeyPath("Tracelens"), "."}] = stored;
        QCOMPARE(isFileAssociationRegistered(registry.store(), "Tracelens", "C:/Apps/Tracelens.exe"), registered);
    }

    void desktopFiles()
    {
        QTemporaryDir home;
        const QString data = home.filePath("data"), config = home.filePath("config");
        QVERIFY(QDir().mkpath(config));
        // What the user has already chosen for other types stays.
        writeText(config + "/mimeapps.list",
                  "[Default Applications]\ntext/plain=editor.desktop;\n\n[Removed Associations]\nimage/png=viewer.desktop;\n");

        FreedesktopAssociationStore store(data, config);
        const QString program = QStringLiteral("/opt/trace lens/Tracelens");
        QVERIFY(!isFileAssociationRegistered(store, "Tracelens", program));
        registerFileAssociation(store, "Tracelens", program);
        registerFileAssociation(store, "Tracelens", program); // a second Yes changes nothing
        QVERIFY(isFileAssociationRegistered(store, "Tracelens", program));
        QVERIFY(!isFileAssociationRegistered(store, "Tracelens", "/opt/trace lens/Tracelens2"));

        QCOMPARE(readText(data + "/applications/Tracelens.desktop"),
                 QStringLiteral("[Desktop Entry]\nType=Application\nName=Tracelens\nTerminal=false\n"
                                "Exec=\"/opt/trace lens/Tracelens\" %f\nMimeType=application/x-verira;\n"));
        QCOMPARE(readText(config + "/mimeapps.list"),
                 QStringLiteral("[Default Applications]\ntext/plain=editor.desktop;\n"
                                "application/x-verira=Tracelens.desktop;\n\n"
                                "[Removed Associations]\nimage/png=viewer.desktop;\n\n"
                                "[Added Associations]\napplication/x-verira=Tracelens.desktop;\n"));
        const QString package = readText(data + "/mime/packages/application-x-verira.xml");
        QVERIFY(package.contains("<mime-type type=\"application/x-verira\">"));
        QVERIFY(package.contains("<glob pattern=\"*.verira\"/>"));
    }

    void execQuoting_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/Tracelens" << "/usr/bin/Tracelens %f";
        QTest::newRow("not reserved") << "/opt/Trace-lens_2.0/bin=x/Трейс" << "/opt/Trace-lens_2.0/bin=x/Трейс %f";
        QTest::newRow("percent") << "/a%b" << "/a%%b %f";
        QTest::newRow("space") << "/opt/trace lens/Tracelens" << "\"/opt/trace lens/Tracelens\" %f";
        QTest::newRow("tilde") << "/home/~ivan/Tracelens" << "\"/home/~ivan/Tracelens\" %f";
        QTest::newRow("parenthesis and percent") << "/opt/x(86)%/T" << "\"/opt/x(86)%%/T\" %f";
        QTest::newRow("reserved characters") << "/a b/$x`y`\"z\\w" << "\"/a b/\\\\$x\\\\`y\\\\`\\\\\"z\\\\\\\\w\" %f";
        QTest::newRow("tab") << "/a\tb" << "\"/a\\tb\" %f";
    }

    void execQuoting()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(FreedesktopAssociationStore().openCommandFor(program), exec);
    }

    // What a file manager does with a log file after Yes: the desktop's own
    // tools find the type, its default application, and start the program
    // with the file. xdg-open runs here without a desktop it knows, so it
    // reads the association itself; it cannot start a program whose path
    // must be quoted.
    void desktopOpensLogWithProgram_data()
    {
        QTest::addColumn<QStringList>("opener");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        const QStringList gio{"gio", "open"}, xdgOpen{"xdg-open"};
        QTest::newRow("gio, plain path") << gio << "bin" << "Tracelens";
        QTest::newRow("gio, reserved characters") << gio << "my $programs `x` \\y" << "Trace\"lens";
        QTest::newRow("xdg-open, plain path") << xdgOpen << "bin" << "Tracelens";
    }

    void desktopOpensLogWithProgram()
    {
        QFETCH(QStringList, opener);
        QFETCH(QString, folder);
        QFETCH(QString, name);
        const QString gio = QStandardPaths::findExecutable("gio");
        const QString tool = QStandardPaths::findExecutable(opener.first());
        QVERIFY2(!gio.isEmpty() && !tool.isEmpty() && !QStandardPaths::findExecutable("update-mime-database").isEmpty(),
                 "scripts/setup.sh installs xdg-utils, libglib2.0-bin and shared-mime-info");
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "xdg-open opens files on a display");
        QTemporaryDir home;
        const QString data = home.filePath("data"), config = home.filePath("config");
        QVERIFY(QDir().mkpath(home.filePath(folder)));
        const QString program = home.filePath(folder) + "/" + name;
        const QString received = home.filePath("received.txt");
        writeText(program, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(received));
        QFile(program).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QString log = home.filePath("race 7.verira");
        writeText(log, "PK");

        FreedesktopAssociationStore store(data, config);
        registerFileAssociation(store, "Tracelens", program);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", data);
        env.insert("XDG_CONFIG_HOME", config);
        for (const char *desktop : {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                    "GNOME_DESKTOP_SESSION_ID"})
            env.remove(desktop);
        const auto run = [&](const QString &command, const QStringList &arguments) {
            QProcess process;
            process.setProcessEnvironment(env);
            process.start(command, arguments);
            process.waitForFinished(20000);
            return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        };
        QVERIFY2(run(gio, {"info", "-a", "standard::content-type", log}).contains("application/x-verira"), "type");
        QVERIFY2(run(gio, {"mime", "application/x-verira"}).contains("Default application for “application/x-verira”: Tracelens.desktop"), "default");
        const QString said = run(tool, opener.mid(1) << log);
        QTRY_VERIFY2_WITH_TIMEOUT(readText(received) == log + "\n", qPrintable(said), 20000);
    }
};

QTEST_GUILESS_MAIN(TestFileAssociation)
#include "tst_fileassociation.moc"
