#pragma once

#include "Languages.h"

class FileAssociationStore;

// The viewer's identity in the settings store and the association.
inline constexpr const char kViewerApplicationName[] = "Tracelens";
inline constexpr const char kViewerApplicationVersion[] = "26.2";
inline constexpr const char kViewerOrganizationName[] = "Velmora";

// Sets the identity; done before the application object exists.
void setViewerIdentity();

// The start-up translators (framework, program) for the stored "language".
TranslatorList loadTranslations();

// Asks whether to associate the log files with the viewer when `store` does
// not hold the running program's command, and registers it on Yes. Returns
// true when the question was asked.
bool offerFileAssociation(FileAssociationStore &store);

// The whole program: identity, application, icon, translations, association
// question, main window, the log named first on the command line, event loop.
int runViewer(int argc, char *argv[]);
