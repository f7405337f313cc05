#pragma once

// Log files: a read session is stored as a zip archive with the extension
// ".verira" holding "metadata.json" (the header and the device name) and
// "data.json" (the dots); optionally also as a CSV text beside it.

#include "LogMetadata.h"
#include "LogSession.h"

#include <QLoggingCategory>
#include <QString>

#include <stdexcept>
#include <string>
#include <vector>

Q_DECLARE_LOGGING_CATEGORY(lcLogFile)

struct LogWriteResult
{
    bool ok = false;
    QString filePath;    // the file written (or meant to be written)
    QString errorString; // why it failed, for the user
};

// A text the device sent, made fit for a file name: path separators, "..",
// control characters, characters Windows forbids and leading dots and blanks
// are removed, and the result is kept short enough for the rest of the name.
// Whoever matches file names against a device name sanitizes it the same way.
QString sanitizeFileNameComponent(const QString &text);

// The session's file path without the incomplete mark and the extension:
// <logs folder>/<device>_(<country>-<num>)_<dd.MM.yyyy_hh.mm>_<session>.
// A copy number above 1 follows the date in brackets ("_14.30(2)_007"): the
// name of a session whose own name is held by another session's log. The
// session number stays last, so the name still reads as that session's.
QString logFileBaseName(const QString &logsDir, const LogSession &session, int copy = 1);

// The full path of the session's log file (extension ".verira" or ".csv"),
// with "x" before the extension for an incomplete session.
QString logFilePath(const QString &logsDir, const LogSession &session, const QString &extension, int copy = 1);

// The texts of the two entries, exactly as the log file holds them.
std::string logMetadataJson(const LogSession &session);
std::vector<char> logDataJson(const std::vector<LogDot> &dots);

struct LogFileContent
{
    std::string metadata;  // "metadata.json"
    std::vector<char> data; // "data.json"
};
LogFileContent logFileContent(const LogSession &session);

// Makes sure the logs folder exists (created with its parents); a sentence
// for the user saying why it cannot, or an empty text.
QString prepareLogsFolder(const QString &logsDir);

// Writes the session's log file with the given entries at path (its folder
// must exist), replacing any file there only once the new one is complete.
// The entries are taken over: data.json is the bulk of a session.
LogWriteResult writeLogFile(const QString &path, const LogSession &session, LogFileContent &&content);

// Appends one CSV line of a dot: time_ms, then every value, each followed by
// ", ", and a line feed.
void appendLogCsvLine(QByteArray &out, const LogDot &dot);

// Writes the session's log file into logsDir (created when missing). A file
// of the same name is replaced only by a complete new one; once the complete
// log is written, the incomplete log of the same session is deleted.
LogWriteResult saveLogFile(const QString &logsDir, const LogSession &session);

// Writes the session as CSV beside its log file (of that copy number).
LogWriteResult exportLogCsv(const QString &logsDir, const LogSession &session, int copy = 1);

// The header and device name of a log file, read from its "metadata.json"
// (no dots). Throws when the file cannot be read as a log file: the zip
// layer's errors, the JSON library's parse, type, missing-key and
// out-of-range errors, and LogFileError (see readLogMetadataDocument).
LogSession readLogMetadata(const QString &path);
