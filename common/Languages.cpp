#include "Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace languages {

QStringList languageCodes()
{
    return QString::fromUtf8(kLanguageList).split(QLatin1Char(' '));
}

QString nativeLanguageLabel(const QString &code)
{
    static const char *const labels[][2] = {
        {"en", "English"}, {"ru", "Русский"}, {"de", "Deutsch"}, {"zh_TW", "中國人"},
        {"it", "Italiano"}, {"fr", "Français"}, {"es", "Español"}, {"ro", "Română"},
        {"pl", "Polski"},   {"ja", "日本語"},  {"cs", "Čeština"},
    };
    for (const auto &entry : labels) {
        if (code == QLatin1String(entry[0]))
            return QString::fromUtf8(entry[1]);
    }
    return {};
}

QString languageCodeFromLocaleName(const QString &localeName)
{
    return localeName.section(QLatin1Char('_'), 0, 0);
}

QString systemLanguageCode()
{
    return languageCodeFromLocaleName(QLocale::system().name());
}

QString resolveLanguageCode(const QString &code)
{
    return languageCodes().contains(code, Qt::CaseSensitive) ? code : QStringLiteral("en");
}

QString storedLanguageCode(QSettings &settings, const QString &defaultCode)
{
    return settings.value(QStringLiteral("language"), defaultCode).toString();
}

QString frameworkTranslationsPath()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QString programTranslationResource(const QString &code)
{
    return QStringLiteral(":/ts/app_%1.qm").arg(code);
}

namespace {

QSharedPointer<QTranslator> loadProgramTranslator(const QString &code)
{
    auto translator = QSharedPointer<QTranslator>::create();
    if (!translator->load(programTranslationResource(code)))
        (void)translator->load(programTranslationResource(QStringLiteral("en"))); // always present
    return translator;
}

bool loadFrameworkTranslation(QTranslator &translator, const QString &code)
{
    return translator.load(QStringLiteral("qtbase_") + code, frameworkTranslationsPath());
}

} // namespace

TranslatorList loadStartupTranslators(QSettings &settings, const QString &defaultCode)
{
    const QString code = resolveLanguageCode(storedLanguageCode(settings, defaultCode));

    auto framework = QSharedPointer<QTranslator>::create();
    if (loadFrameworkTranslation(*framework, code))
        QCoreApplication::installTranslator(framework.data());

    auto program = loadProgramTranslator(code);
    QCoreApplication::installTranslator(program.data());

    return {framework, program};
}

QString switchLanguage(TranslatorList &list, const QString &requested, QSettings &settings, SwitchOrder order)
{
    for (const auto &translator : std::as_const(list))
        QCoreApplication::removeTranslator(translator.data());
    list.clear();

    const QString code = resolveLanguageCode(requested);

    auto framework = QSharedPointer<QTranslator>::create();
    if (!loadFrameworkTranslation(*framework, code))
        (void)loadFrameworkTranslation(*framework, QStringLiteral("en")); // installed either way
    auto program = loadProgramTranslator(code);

    if (order == SwitchOrder::FrameworkFirst) {
        QCoreApplication::installTranslator(framework.data());
        QCoreApplication::installTranslator(program.data());
        list << framework << program;
    } else {
        QCoreApplication::installTranslator(program.data());
        QCoreApplication::installTranslator(framework.data());
        list << program << framework;
    }

    settings.setValue(QStringLiteral("language"), code);
    return code;
}

} // namespace languages
