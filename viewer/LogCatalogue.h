#pragma once

#include <nlohmann/json_fwd.hpp>

#include <QDateTime>
#include <QString>

// What the viewer's catalogue shows of one log file and where it looks for
// them. Nothing here touches a widget.

// The logs folder shared with the device program: "logs_dir" of the shared
// settings scope, or "<documents>/ZIDIrezud/logs" when that is empty or unset.
QString logsDirectory();
void storeLogsDirectory(const QString &directory);

// A folder text without one trailing "/" or "\" (only one is removed).
QString withoutTrailingSeparator(QString directory);

// The folder part of `filePath` (up to its last "/") with every occurrence of
// `baseDir` removed; "/" is appended when anything is left.
QString relativeFolder(const QString &baseDir, const QString &filePath);

// The logged creation time from the packed BCD words "date" (year within 2000
// in bits 8-15, month 16-23, day 24-31) and "time" (second 8-15, minute 16-23,
// hour 24-31), in local time; invalid when the digits give no date and time or
// the year lies before 2022.
QDateTime loggedCreationTime(quint32 date, quint32 time);

// The four texts of one catalogue row.
struct LogListRow
{
    QString session;
    QString user;
    QString settingsSet;
    QString createdAt;
};

// The row of a log from its parsed metadata. `fileTime` is shown when the
// logged time is not usable. Throws the JSON library's error when a required
// key is missing or has the wrong type.
LogListRow logListRow(const QString &baseDir, const QString &filePath, const nlohmann::json &metadata,
                      const QDateTime &fileTime);

// The format of the "Created at" column; it sorts chronologically as text.
inline constexpr const char kCreatedAtFormat[] = "yyyy/MM/dd hh:mm:ss";

// Reads the parsed "metadata.json" of a log file into `metadata`. Returns
// false, leaving `metadata` alone, when the file is not an open archive, lacks
// "metadata.json" or "data.json", or its metadata text is empty. Throws the
// zip layer's or the JSON library's error when reading or parsing fails.
bool readCatalogueMetadata(const QString &filePath, nlohmann::json &metadata);
