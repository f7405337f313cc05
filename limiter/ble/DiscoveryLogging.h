#pragma once

#include <QLoggingCategory>

// The advertisement scanner: agent, discovery and their sources.
Q_DECLARE_LOGGING_CATEGORY(lcScanner)
