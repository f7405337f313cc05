#include "ViewerDiagnostics.h"

Q_LOGGING_CATEGORY(lcViewer, "viewer")
