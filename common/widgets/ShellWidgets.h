#pragma once

#include <QString>

#include <functional>

class QComboBox;
class QMenuBar;

// Pieces the main windows of both programs share.
namespace shell {

// The language box in the menu bar's top-right corner: one item per
// language of the list (native name, flag, code as user data). `onChange`
// runs with the chosen code whenever the current item changes; the stored
// language is made current afterwards, so a language other than English
// switches once during construction.
QComboBox *addLanguageBox(QMenuBar *menuBar, const std::function<void(const QString &code)> &onChange);

// The date of the build in the compiler's format ("Jul 24 2026").
QString buildDate();

} // namespace shell
