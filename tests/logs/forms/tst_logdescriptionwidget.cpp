#include "LogDescriptionWidget.h"
#include "LogFixtures.h"

#include <nlohmann/json.hpp>

#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QTranslator>
#include <QtTest>

namespace {

// Session 7 of Ivan (RUS-27) with the ESC row off.
LogHeader sampleHeader()
{
    LogHeader h = makeHeader({});
    h.hwVersion = 0x0123;
    return h;
}

// The "metadata.json" of a log of user number 7, as a log file holds it.
nlohmann::json sampleMetadata()
{
    return nlohmann::json::parse(R"({
        "blVersion": 261, "date": 152184320, "deviceName": "Limiter1", "energyRefJ": 75600,
        "escName": "", "escVersion": 772, "fwVersion": 522,
        "head": {"dotsCount": 10, "header": 0, "previousSessionAddress": 0, "sessionNumber": 7},
        "hwVersion": 291, "latitude": 55.75, "loggerFreqHz": 50, "longitude": 37.625,
        "modelName": "", "motorName": "", "motorPoles": 14,
        "parametersDesc": {"logDotSize": 9, "parameters": [["U", 1, 5]], "parametersCount": 1, "version": 1},
        "settSetName": "RAR-I mini", "settingsSet": 3, "time": 338712832, "userName": "Ivan",
        "userRegNum": {"country": "RUS", "num": 7}
    })");
}

QString loggedTimeText()
{
    return QDateTime(QDate(2026, 12, 9), QTime(14, 30, 59), Qt::UTC).toString(Qt::TextDate);
}

} // namespace

class TestLogDescriptionWidget : public QObject
{
    Q_OBJECT

public slots:
    void handleUrl(const QUrl &url) { m_opened << url; }

private:
    QString text(const char *name) const { return m_widget->findChild<QLineEdit *>(name)->text(); }
    bool enabled(const char *name) const { return m_widget->findChild<QWidget *>(name)->isEnabled(); }

    // The texts of all eleven fields, top to bottom.
    QStringList texts() const
    {
        QStringList all;
        for (const char *name : {"leCreatedAt", "leUser", "leCoordinates", "leSettings", "leMotorPoles", "leEnergyRefj",
                                 "leLogFreqHZ", "leHWVersion", "leFwVersion", "leBootloaderVersion", "leEscVersion"})
            all << text(name);
        return all;
    }

    std::unique_ptr<LogDescriptionWidget> m_widget;
    QList<QUrl> m_opened;

private slots:
    void init() { m_widget = std::make_unique<LogDescriptionWidget>(); }
    void cleanup() { m_widget.reset(); }

    void formAtStart()
    {
        QCOMPARE(m_widget->objectName(), QStringLiteral("Form"));
        QCOMPARE(m_widget->size(), QSize(725, 454));
        for (const char *name : {"leCoordinates", "pbOpenMap", "lblESCVersion", "leEscVersion"})
            QVERIFY2(!enabled(name), name);
        for (QLineEdit *edit : m_widget->findChildren<QLineEdit *>())
            QVERIFY(edit->isReadOnly());
        QCOMPARE(m_widget->findChild<QPushButton *>("pbOpenMap")->text(), QString::fromUtf8("\U0001F5FA"));
        QCOMPARE(m_widget->findChild<QLabel *>("lblUser")->buddy(), m_widget->findChild<QLineEdit *>("leUser"));
    }

    void fromHeader()
    {
        m_widget->showLogDescription(sampleHeader());
        QCOMPARE(texts(), QStringList({loggedTimeText(), "Ivan [RUS-0027]", "[ 55.7500; 37.6250 ]",
                                       "1. Ruriza settings set 21Wh (1)", "4", "21 Wh", "50 Hz", "1.2.3", "2.10", "1.3",
                                       ""}));
        QVERIFY(enabled("leCoordinates") && enabled("pbOpenMap"));
        QVERIFY(!enabled("leEscVersion") && !enabled("lblESCVersion"));
    }

    void headerEdges_data()
    {
        QTest::addColumn<float>("latitude");
        QTest::addColumn<quint16>("hwVersion");
        QTest::addColumn<quint32>("energyRefJ");
        QTest::addColumn<quint32>("date");
        QTest::addColumn<QString>("coordinates");
        QTest::addColumn<QString>("escVersion");
        QTest::addColumn<QString>("energy");
        QTest::addColumn<QString>("createdAt");
        QTest::newRow("unknown position") << 4294967296.0f << quint16(0x0123) << 7199u << 0x09122600u << ""
                                          << "" << "1 Wh" << loggedTimeText();
        QTest::newRow("hardware with ESC") << 55.75f << quint16(0x1000) << 7200u << 0x09122600u
                                           << "[ 55.7500; 37.6250 ]" << "3.5" << "2 Wh" << loggedTimeText();
        QTest::newRow("month 13") << 55.75f << quint16(0x0FFF) << 0u << 0x09132600u << "[ 55.7500; 37.6250 ]" << ""
                                  << "0 Wh" << "Unknown";
    }

    void headerEdges()
    {
        QFETCH(float, latitude);
        QFETCH(quint16, hwVersion);
        QFETCH(quint32, energyRefJ);
        QFETCH(quint32, date);
        LogHeader h = sampleHeader();
        h.latitude = latitude;
        h.hwVersion = hwVersion;
        h.energyRefJ = energyRefJ;
        h.date = date;
        m_widget->showLogDescription(h);
        QTEST(text("leCoordinates"), "coordinates");
        QTEST(text("leEscVersion"), "escVersion");
        QTEST(text("leEnergyRefj"), "energy");
        QTEST(text("leCreatedAt"), "createdAt");
        const bool known = latitude != 4294967296.0f;
        QCOMPARE(enabled("leCoordinates"), known);
        QCOMPARE(enabled("pbOpenMap"), known);
        QCOMPARE(enabled("leEscVersion"), hwVersion > 4095);
        QCOMPARE(enabled("lblESCVersion"), hwVersion > 4095);
    }

    void openMap()
    {
        QDesktopServices::setUrlHandler("https", this, "handleUrl");
        m_widget->showLogDescription(sampleHeader());
        m_widget->findChild<QPushButton *>("pbOpenMap")->click();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(m_opened.size(), 1);
        const QUrl url = m_opened.takeFirst();
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.path(), QStringLiteral("/maps/@55.7500000,37.6250000,16z"));
        QCOMPARE(url.query(), QStringLiteral("entry=ttu"));

        // The metadata's position, kept in single precision.
        nlohmann::json metadata = sampleMetadata();
        metadata["latitude"] = -33.8568;
        m_widget->showLogMetadata(metadata);
        QCOMPARE(m_widget->mapUrl().path(),
                 QStringLiteral("/maps/@%1,37.6250000,16z").arg(double(float(-33.8568)), 0, 'f', 7));
    }

    void showLogError()
    {
        m_widget->showLogDescription(sampleHeader());
        m_widget->showLogError();
        QStringList expected(11, QString());
        expected[0] = "Error reading log file";
        QCOMPARE(texts(), expected);
    }

    void fromMetadata()
    {
        m_widget->showLogMetadata(sampleMetadata());
        QCOMPARE(texts(), QStringList({loggedTimeText(), "Ivan [RUS-7]", "[ 55.7500; 37.6250 ]", "RAR-I mini", "14",
                                       "21 Wh", "50 Hz", "1.2.3", "2.10", "1.5", ""}));
        QVERIFY(enabled("pbOpenMap"));
        QVERIFY(!enabled("leEscVersion"));
    }

    void metadataEdges_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("energy 7199") << "energyRefJ" << 7199.0 << "leEnergyRefj" << "1 Wh";
        QTest::newRow("energy 7200") << "energyRefJ" << 7200.0 << "leEnergyRefj" << "2 Wh";
        QTest::newRow("hardware 4095") << "hwVersion" << 4095.0 << "leEscVersion" << "";
        QTest::newRow("hardware 4096") << "hwVersion" << 4096.0 << "leEscVersion" << "3.4";
        QTest::newRow("unknown latitude") << "latitude" << 4294967296.0 << "leCoordinates" << "";
        QTest::newRow("unknown longitude") << "longitude" << 4294967296.0 << "leCoordinates" << "";
        QTest::newRow("month 13") << "date" << double(0x09132600) << "leCreatedAt" << "Unknown";
    }

    void metadataEdges()
    {
        QFETCH(QString, key);
        QFETCH(double, value);
        QFETCH(QString, field);
        nlohmann::json metadata = sampleMetadata();
        if (key == "latitude" || key == "longitude")
            metadata[key.toStdString()] = value;
        else
            metadata[key.toStdString()] = static_cast<qint64>(value);
        m_widget->showLogMetadata(metadata);
        QTEST(text(field.toLatin1()), "expected");
        if (key == "hwVersion") {
            QCOMPARE(enabled("leEscVersion"), value >= 4096);
            QCOMPARE(enabled("lblESCVersion"), value >= 4096);
        }
        if (field == "leCoordinates")
            QVERIFY(!enabled("leCoordinates") && !enabled("pbOpenMap"));
        QCOMPARE(text("leUser"), QStringLiteral("Ivan [RUS-7]"));
    }

    // A fill that fails part way shows what it read of this log and nothing
    // of the log shown before.
    void metadataFailsPartWay_data()
    {
        QTest::addColumn<QString>("removedKey");
        QTest::addColumn<QStringList>("expected");
        const QString error = "File is corrupted or unsupported";
        QTest::newRow("no energy") << "energyRefJ"
                                   << QStringList({loggedTimeText(), error, "[ 55.7500; 37.6250 ]", "RAR-I mini", "14",
                                                   "", "", "", "", "", ""});
        QTest::newRow("no user name") << "userName" << QStringList({"", error, "", "", "", "", "", "", "", "", ""});
        QTest::newRow("no ESC version") << "escVersion"
                                        << QStringList({loggedTimeText(), error, "[ 55.7500; 37.6250 ]", "RAR-I mini",
                                                        "14", "21 Wh", "50 Hz", "16.2.3", "2.10", "1.5", ""});
    }

    void metadataFailsPartWay()
    {
        QFETCH(QString, removedKey);
        LogHeader previous = sampleHeader();
        previous.hwVersion = 0x1000; // the ESC row of the previous log is on
        m_widget->showLogDescription(previous);

        nlohmann::json metadata = sampleMetadata();
        metadata["hwVersion"] = 0x1023; // the ESC version is read
        metadata.erase(removedKey.toStdString());
        m_widget->showLogMetadata(metadata);
        QTEST(texts(), "expected");
        QVERIFY(!enabled("leEscVersion") && !enabled("lblESCVersion"));
        QCOMPARE(enabled("pbOpenMap"), removedKey != "userName");
    }

    // A language change shows what was shown again, in the new language.
    void followsLanguageChange_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("english");
        QTest::newRow("header") << "header" << "leEnergyRefj" << "21 Wh";
        QTest::newRow("metadata") << "metadata" << "leLogFreqHZ" << "50 Hz";
        QTest::newRow("error") << "error" << "leCreatedAt" << "Error reading log file";
    }

    void followsLanguageChange()
    {
        QFETCH(QString, shown);
        QFETCH(QString, field);
        QFETCH(QString, english);
        QTranslator russian;
        QVERIFY(russian.load(QStringLiteral(":/ts/app_ru.qm")));
        QVERIFY(QCoreApplication::installTranslator(&russian));
        QCoreApplication::processEvents(); // the language change of the install
        const auto show = [&] {
            if (shown == "header")
                m_widget->showLogDescription(sampleHeader());
            else if (shown == "metadata")
                m_widget->showLogMetadata(sampleMetadata());
            else
                m_widget->showLogError();
        };
        show();
        const QString translated = text(field.toLatin1().constData());
        QVERIFY2(translated != english, qPrintable(translated));

        QCoreApplication::removeTranslator(&russian);
        QTRY_COMPARE(text(field.toLatin1().constData()), english);
        QVERIFY(QCoreApplication::installTranslator(&russian));
        QTRY_COMPARE(text(field.toLatin1().constData()), translated);
        QCoreApplication::removeTranslator(&russian);
        QTRY_COMPARE(text(field.toLatin1().constData()), english);
    }

    void metadataOfWrongShape_data()
    {
        QTest::addColumn<QString>("json");
        QTest::newRow("null") << "null";
        QTest::newRow("array") << "[1, 2]";
        QTest::newRow("number as text") << R"({"userName": "Ivan", "userRegNum": {"country": "RUS", "num": "7"}})";
        QTest::newRow("number 1e300") << R"({"userName": "Ivan", "userRegNum": {"country": "RUS", "num": 1e300}})";
        QTest::newRow("latitude beyond a float")
            << R"({"userName": "Ivan", "userRegNum": {"country": "RUS", "num": 7}, "latitude": 1e300, "longitude": 1})";
    }

    void metadataOfWrongShape()
    {
        QFETCH(QString, json);
        m_widget->showLogDescription(sampleHeader());
        m_widget->showLogMetadata(nlohmann::json::parse(json.toStdString()));
        QStringList expected(11, QString());
        expected[1] = "File is corrupted or unsupported";
        QCOMPARE(texts(), expected);
        QVERIFY(!enabled("pbOpenMap") && !enabled("leCoordinates"));
    }
};

QTEST_MAIN(TestLogDescriptionWidget)
#include "tst_logdescriptionwidget.moc"
