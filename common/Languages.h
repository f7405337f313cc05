#pragma once

#include <QList>
#include <QSettings>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The two installed translators of a program (the framework's and the
// program's own). A translator lives as long as a list entry points to it.
using TranslatorList = QList<QSharedPointer<QTranslator>>;

namespace languages {

// The interface languages, in the order the language selectors list them.
inline constexpr const char kLanguageList[] = "en ru de zh_TW it fr es ro pl ja cs";

QStringList languageCodes();

// The native name of a language of the list, as the language selectors show
// it ("Deutsch" for "de"); empty for any other code.
QString nativeLanguageLabel(const QString &code);

// A locale name (language_TERRITORY) cut at the first "_": de_AT gives "de",
// zh_TW gives "zh".
QString languageCodeFromLocaleName(const QString &localeName);

// The system locale's language code, cut as above.
QString systemLanguageCode();

// A code of the list stays as it is (case-sensitive); anything else is "en".
QString resolveLanguageCode(const QString &code);

// The stored "language", defaulting to `defaultCode`. Only read.
QString storedLanguageCode(QSettings &settings, const QString &defaultCode = systemLanguageCode());

// Folder of the framework's own "qtbase_<code>" translations.
QString frameworkTranslationsPath();

// Resource of the program's translation for a code.
QString programTranslationResource(const QString &code);

// Start-up: resolves the stored language, installs the framework translation
// only when it loads (no fall-back) and the program translation always
// (falling back to English). Returns framework translator, program translator.
TranslatorList loadStartupTranslators(QSettings &settings, const QString &defaultCode = systemLanguageCode());

// Order in which a language switch installs and lists the new translators.
enum class SwitchOrder {
    FrameworkFirst, // Gearwarden
    ProgramFirst,   // Tracelens
};

// Run-time switch: removes and releases the translators of `list`, loads both
// anew for the resolved `code` (framework falling back to "qtbase_en", program
// to ":/ts/app_en.qm"), installs both, refills `list` in `order` and stores the
// resolved code under "language". Returns the resolved code.
QString switchLanguage(TranslatorList &list, const QString &code, QSettings &settings, SwitchOrder order);

} // namespace languages
