#pragma once

#include "Languages.h"

// Gearwarden's identity.
inline constexpr const char kApplicationName[] = "Gearwarden";
inline constexpr const char kApplicationVersion[] = "26.2";
inline constexpr const char kOrganizationName[] = "Velmora";

// The start-up translators of the device program (framework, program),
// resolved from the stored "language" of the default settings scope.
TranslatorList loadTranslators();

// The application's window icon from ":/appicon-<size>.png".
class QIcon;
QIcon applicationIcon();
