#include "LogCatalogue.h"
#include "SavedLogs.h"
#include "MainWindow.h"
#include "ViewerStartup.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

// The whole executable runs with a Taiwanese system locale.
class TestViewerLanguages : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    TranslatorList m_startup;

    static QString folderText() { return QCoreApplication::translate("MainWindow", "Folder"); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        setViewerIdentity();
        QCOMPARE(QLocale::system().name(), QStringLiteral("zh_TW"));
    }

    void init()
    {
        QSettings().clear();
        m_dir = std::make_unique<QTemporaryDir>();
        storeLogsDirectory(m_dir->path());
    }

    void cleanup()
    {
        for (const auto &translator : std::as_const(m_startup))
            QCoreApplication::removeTranslator(translator.data());
        m_startup.clear();
    }

    void selectorItems()
    {
        MainWindow window(TranslatorList{});
        auto *box = qobject_cast<QComboBox *>(window.menuBar()->cornerWidget(Qt::TopRightCorner));
        QVERIFY(box);
        QStringList labels, codes;
        for (int i = 0; i < box->count(); ++i) {
            labels << box->itemText(i);
            codes << box->itemData(i).toString();
            QVERIFY(!box->itemIcon(i).isNull());
        }
        QCOMPARE(codes, languages::languageCodes());
        QCOMPARE(labels, QStringList({"English", "Русский", "Deutsch", "中國人", "Italiano", "Français", "Español",
                                      "Română", "Polski", "日本語", "Čeština"}));
    }

    void startupLanguage_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QVariant>("storedAfter");
        QTest::addColumn<QString>("folder");
        // zh_TW as the system locale gives "zh", which is no code of the list.
        QTest::newRow("nothing stored") << QVariant() << "English" << QVariant() << "Folder";
        QTest::newRow("unknown code") << QVariant("xx") << "English" << QVariant("xx") << "Folder";
        QTest::newRow("German") << QVariant("de") << "Deutsch" << QVariant("de") << "Ordner";
        QTest::newRow("Traditional Chinese") << QVariant("zh_TW") << "中國人" << QVariant("zh_TW") << "資料夾";
    }

    void startupLanguage()
    {
        QFETCH(QVariant, stored);
        if (stored.isValid())
            QSettings().setValue("language", stored);
        m_startup = loadTranslations();
        QCOMPARE(m_startup.size(), 2);
        {
            MainWindow window(m_startup);
            auto *box = window.findChild<QComboBox *>("cbLanguage");
            QTEST(box->currentText(), "shown");
            QTEST(QSettings().value("language"), "storedAfter");
            QTEST(folderText(), "folder");
            QTEST(window.findChild<QPushButton *>("pbOpenFolder")->text(), "folder");
        }
    }

    void runtimeSwitch()
    {
        QVERIFY(!writeLog(m_dir->path()).isEmpty());
        m_startup = loadTranslations();
        MainWindow window(m_startup);
        auto *box = window.findChild<QComboBox *>("cbLanguage");
        auto *folderField = window.findChild<QLineEdit *>("leCurrentFolder");
        auto *table = window.findChild<QTableWidget *>("lwLogs");
        folderField->setText("typed, not scanned");
        QTRY_VERIFY(!window.isScanning());
        QCOMPARE(table->rowCount(), 1);
        const QString session = table->item(0, 0)->text();

        box->setCurrentIndex(box->findText("Deutsch"));
        QCOMPARE(QSettings().value("language").toString(), QStringLiteral("de"));
        // The windows retranslate themselves on the posted language change.
        QTRY_COMPARE(window.findChild<QPushButton *>("pbOpenFolder")->text(), QStringLiteral("Ordner"));
        QCOMPARE(window.findChild<QLabel *>("lblUser")->text(), QStringLiteral("Benutzer:"));
        QCOMPARE(window.findChild<QTabWidget *>("plots")->tabText(0), QStringLiteral("Durchsuchen"));
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Sitzung"));
        // The folder field, the rows and the tabs stay as they were.
        QCOMPARE(folderField->text(), QStringLiteral("typed, not scanned"));
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 0)->text(), session);
        QCOMPARE(window.findChild<QTabWidget *>("plots")->count(), 1);

        box->setCurrentIndex(box->findText("中國人"));
        QCOMPARE(QSettings().value("language").toString(), QStringLiteral("zh_TW"));
        QCOMPARE(folderText(), QStringLiteral("資料夾"));

        box->setCurrentIndex(box->findText("English"));
        QCOMPARE(QSettings().value("language").toString(), QStringLiteral("en"));
        QTRY_COMPARE(window.findChild<QPushButton *>("pbOpenFolder")->text(), QStringLiteral("Folder"));
    }

    // The description's units and texts follow a language switch.
    void descriptionFollowsLanguage()
    {
        QVERIFY(!writeLog(m_dir->path()).isEmpty());
        m_startup = loadTranslations();
        MainWindow window(m_startup);
        auto *box = window.findChild<QComboBox *>("cbLanguage");
        auto *energy = window.findChild<QLineEdit *>("leEnergyRefj");
        box->setCurrentIndex(box->findText("Русский"));
        QTRY_VERIFY(!window.isScanning());
        window.findChild<QTableWidget *>("lwLogs")->selectRow(0);
        QCOMPARE(energy->text(), QString::fromUtf8("21 Вт·ч"));

        box->setCurrentIndex(box->findText("Deutsch"));
        QTRY_COMPARE(window.findChild<QPushButton *>("pbOpenFolder")->text(), QStringLiteral("Ordner"));
        QCOMPARE(energy->text(), QStringLiteral("21 Wh"));
        QCOMPARE(window.findChild<QLineEdit *>("leLogFreqHZ")->text(), QStringLiteral("10 Hz"));
    }

    // The list of the language box shows every name whole.
    void languageListShowsWholeNames()
    {
        MainWindow window(TranslatorList{});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *box = window.findChild<QComboBox *>("cbLanguage");
        box->showPopup();
        QAbstractItemView *list = box->view();
        QTRY_VERIFY(list->isVisible());
        for (int i = 0; i < box->count(); ++i) {
            const QRect item = list->visualRect(list->model()->index(i, 0));
            const int needed = list->sizeHintForIndex(list->model()->index(i, 0)).width();
            QVERIFY2(item.width() >= needed && list->viewport()->width() >= needed, qPrintable(box->itemText(i)));
        }
        box->hidePopup();
    }
};

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "zh_TW.UTF-8");
    qputenv("LANG", "zh_TW.UTF-8");
    QApplication app(argc, argv);
    TestViewerLanguages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_viewerlanguages.moc"
