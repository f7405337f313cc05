#include "Languages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
        QCoreApplication::setApplicationName(QStringLiteral("LanguageTest"));
    }

    void init() { QSettings().clear(); }

    void codes()
    {
        QCOMPARE(languages::languageCodes(),
                 QStringList({"en", "ru", "de", "zh_TW", "it", "fr", "es", "ro", "pl", "ja", "cs"}));
        QCOMPARE(languages::resolveLanguageCode("zh_TW"), QStringLiteral("zh_TW"));
        QCOMPARE(languages::resolveLanguageCode("zh"), QStringLiteral("en"));
        QCOMPARE(languages::resolveLanguageCode("DE"), QStringLiteral("en"));
        QCOMPARE(languages::resolveLanguageCode(""), QStringLiteral("en"));
        QCOMPARE(languages::languageCodeFromLocaleName("zh_TW"), QStringLiteral("zh"));
        QCOMPARE(languages::languageCodeFromLocaleName("de_AT"), QStringLiteral("de"));
        QCOMPARE(languages::languageCodeFromLocaleName("C"), QStringLiteral("C"));
    }

    void startup_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("programFile");
        QTest::addColumn<bool>("frameworkInstalled");

        QTest::newRow("stored xx gives English") << "de_DE" << QVariant("xx") << ":/ts/app_en.qm" << true;
        QTest::newRow("locale zh_TW is zh, English") << "zh_TW" << QVariant() << ":/ts/app_en.qm" << true;
        QTest::newRow("locale de_AT is de") << "de_AT" << QVariant() << ":/ts/app_de.qm" << true;
        QTest::newRow("stored de") << "en_US" << QVariant("de") << ":/ts/app_de.qm" << true;
        QTest::newRow("stored zh_TW") << "en_US" << QVariant("zh_TW") << ":/ts/app_zh_TW.qm" << true;
    }

    void startup()
    {
        QFETCH(QString, locale);
        QFETCH(QVariant, stored);
        QFETCH(QString, programFile);

        QSettings settings;
        if (stored.isValid())
            settings.setValue("language", stored);

        const QString systemCode = languages::languageCodeFromLocaleName(locale);
        TranslatorList list = languages::loadStartupTranslators(settings, systemCode);
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.at(1)->filePath(), programFile);
        // The stored value is only read.
        QCOMPARE(settings.value("language"), stored);
        for (const auto &t : list)
            QCoreApplication::removeTranslator(t.data());
    }

    void missingProgramTranslationFallsBackToEnglish()
    {
        QSettings settings;
        TranslatorList list;
        // A code of the list whose resource is absent cannot occur in the
        // programs; check the fall-back through a switch to an unknown code.
        const QString code = languages::switchLanguage(list, "xx", settings, languages::SwitchOrder::ProgramFirst);
        QCOMPARE(code, QStringLiteral("en"));
        QCOMPARE(list.at(0)->filePath(), QStringLiteral(":/ts/app_en.qm"));
        QCOMPARE(settings.value("language").toString(), QStringLiteral("en"));
        for (const auto &t : list)
            QCoreApplication::removeTranslator(t.data());
    }

    void switchReplacesTranslatorsInOrder()
    {
        QSettings settings;
        TranslatorList list = languages::loadStartupTranslators(settings);
        QPointer<QTranslator> oldProgram = list.at(1).data();

        languages::switchLanguage(list, "de", settings, languages::SwitchOrder::FrameworkFirst);
        QVERIFY(oldProgram.isNull()); // released with its last list entry
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.at(1)->filePath(), QStringLiteral(":/ts/app_de.qm"));
        QVERIFY(list.at(0)->filePath().contains("qtbase_de"));
        QCOMPARE(settings.value("language").toString(), QStringLiteral("de"));

        languages::switchLanguage(list, "ja", settings, languages::SwitchOrder::ProgramFirst);
        QCOMPARE(list.at(0)->filePath(), QStringLiteral(":/ts/app_ja.qm"));
        QVERIFY(list.at(1)->filePath().contains("qtbase_ja"));
        for (const auto &t : list)
            QCoreApplication::removeTranslator(t.data());
    }
};

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"
