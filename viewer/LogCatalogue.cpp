#include "LogCatalogue.h"

#include "ViewerDiagnostics.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString text(const nlohmann::json &value)
{
    return QString::fromStdString(value.get<std::string>());
}

} // namespace

QString withoutTrailingSeparator(QString directory)
{
    if (directory.endsWith(QLatin1Char('/')) || directory.endsWith(QLatin1Char('\\')))
        directory.chop(1);
    return directory;
}

QString relativeFolder(const QString &baseDir, const QString &filePath)
{
    const int slash = filePath.lastIndexOf(QLatin1Char('/'));
    QString folder = slash < 0 ? QString() : filePath.left(slash);
    if (!baseDir.isEmpty())
        folder.remove(baseDir, Qt::CaseSensitive);
    if (!folder.isEmpty())
        folder += QLatin1Char('/');
    return folder;
}

LogListRow logListRow(const QString &baseDir, const QString &filePath, const nlohmann::json &metadata,
                      const QDateTime &fileTime)
{
    LogListRow row;
    row.session = relativeFolder(baseDir, filePath)
                  + logSessionTitle(metadata, QCoreApplication::translate("MainWindow", "No Name",
                                                                          "The name of the device for the log"));
    if (static_cast<qint32>(logMetadataNumberAt<qint64>(metadata.at(logkey::head), logkey::dotsCount)) == -1)
        row.session += QCoreApplication::translate("MainWindow", " (not complete race)",
                                                   "Added to the log name if the log is not complete");
    row.user = text(metadata.at(logkey::userName));
    row.settingsSet = text(metadata.at(logkey::settSetName));

    const QDateTime logged
        = loggedCreationTime(static_cast<quint32>(logMetadataNumberAt<qint64>(metadata, logkey::date)),
                             static_cast<quint32>(logMetadataNumberAt<qint64>(metadata, logkey::time)));
    row.createdAt = (logged.isValid() ? logged : fileTime).toString(QString::fromLatin1(kCreatedAtFormat));
    return row;
}

bool readCatalogueMetadata(const QString &filePath, nlohmann::json &metadata)
{
    try {
        metadata = readLogMetadataDocument(filePath, LogEntries::MetadataAndData);
    } catch (const LogFileError &e) {
        // Not taken for a log at all: no row, as for any other file.
        if (e.reason() == LogFileError::Reason::MissingEntry || e.reason() == LogFileError::Reason::EmptyMetadata)
            return false;
        throw;
    }
    return true;
}

std::optional<CatalogueEntry> readCatalogueEntry(const QString &baseDir, const QString &filePath)
{
    CatalogueEntry entry;
    entry.path = filePath;
    try {
        nlohmann::json metadata;
        if (!readCatalogueMetadata(filePath, metadata))
            return std::nullopt;
        entry.row = logListRow(baseDir, filePath, metadata, QFileInfo(filePath).lastModified());
        entry.readable = true;
    } catch (const std::exception &e) {
        entry.error = QString::fromLocal8Bit(e.what());
        entry.row = LogListRow{QStringLiteral("File corrupted"), relativeFolder(baseDir, filePath),
                               QFileInfo(filePath).fileName(), QString()};
        qCWarning(lcViewer) << "Cannot read" << filePath << ":" << entry.error;
    }
    return entry;
}
