#pragma once

#include <QLoggingCategory>

// The viewer's window, catalogue and start-up.
Q_DECLARE_LOGGING_CATEGORY(lcViewer)
