#pragma once

#include "LogMetadata.h"
#include "SharedSettings.h"

#include <QDateTime>
#include <QString>

#include <optional>

// What the viewer's catalogue shows of one log file. Nothing here touches a
// widget.

// A folder text without one trailing "/" or "\" (only one is removed).
QString withoutTrailingSeparator(QString directory);

// The folder part of `filePath` (up to its last "/") with every occurrence of
// `baseDir` removed; "/" is appended when anything is left.
QString relativeFolder(const QString &baseDir, const QString &filePath);

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
// key is missing, has the wrong type or a number out of range.
LogListRow logListRow(const QString &baseDir, const QString &filePath, const nlohmann::json &metadata,
                      const QDateTime &fileTime);

// The format of the "Created at" column; it sorts chronologically as text.
inline constexpr const char kCreatedAtFormat[] = "yyyy/MM/dd hh:mm:ss";

// Reads the parsed "metadata.json" of a log file into `metadata`. Returns
// false, leaving `metadata` alone, when the file lacks "metadata.json" or
// "data.json", or its metadata is empty. Throws what readLogMetadataDocument
// throws for every other failure.
bool readCatalogueMetadata(const QString &filePath, nlohmann::json &metadata);

// What the catalogue lists of one file: the row of a log, or of a file that
// looks like a log but cannot be read: "File corrupted", its relative folder
// and its name.
struct CatalogueEntry
{
    QString path;
    bool readable = false;
    LogListRow row;
    QString error; // why an unreadable file was refused
};

// Reads `filePath` for the catalogue of `baseDir`. Nothing when the file is no
// log at all (an entry is missing, the metadata is empty); an unreadable
// entry for every other failure. Never throws.
std::optional<CatalogueEntry> readCatalogueEntry(const QString &baseDir, const QString &filePath);
