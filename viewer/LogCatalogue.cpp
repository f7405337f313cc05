#include "LogCatalogue.h"

#include "ZipArchive.h"

#include <nlohmann/json.hpp>

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kLogsDirKey = QStringLiteral("logs_dir");

QSettings sharedSettings()
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("RADEvadazo"));
}

int bcd(quint32 byte)
{
    return static_cast<int>((byte >> 4) & 15) * 10 + static_cast<int>(byte & 15);
}

QString text(const nlohmann::json &value)
{
    return QString::fromStdString(value.get<std::string>());
}

} // namespace

QString logsDirectory()
{
    const QString stored = sharedSettings().value(kLogsDirKey).toString();
    if (!stored.isEmpty())
        return stored;
    return QStringLiteral("%1/ZIDIrezud/logs")
        .arg(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void storeLogsDirectory(const QString &directory)
{
    sharedSettings().setValue(kLogsDirKey, directory);
}

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

QDateTime loggedCreationTime(quint32 date, quint32 time)
{
    const QDate day(2000 + bcd((date >> 8) & 0xFF), bcd((date >> 16) & 0xFF), bcd((date >> 24) & 0xFF));
    const QTime clock(bcd((time >> 24) & 0xFF), bcd((time >> 16) & 0xFF), bcd((time >> 8) & 0xFF));
    if (!day.isValid() || !clock.isValid())
        return {};
    const QDateTime result(day, clock, Qt::LocalTime);
    if (!result.isValid() || day.year() < 2022)
        return {};
    return result;
}

LogListRow logListRow(const QString &baseDir, const QString &filePath, const nlohmann::json &metadata,
                      const QDateTime &fileTime)
{
    const QString device = metadata.contains("deviceName")
                               ? text(metadata.at("deviceName"))
                               : QCoreApplication::translate("MainWindow", "No Name",
                                                             "The name of the device for the log");
    const auto &regNum = metadata.at("userRegNum");
    const auto &head = metadata.at("head");
    LogListRow row;
    row.session = QStringLiteral("%1%2 (%3-%4): %5")
                      .arg(relativeFolder(baseDir, filePath), device, text(regNum.at("country")),
                           QString::number(regNum.at("num").get<qint64>()),
                           QString::number(head.at("sessionNumber").get<qint64>()));
    if (static_cast<qint32>(head.at("dotsCount").get<qint64>()) == -1)
        row.session += QCoreApplication::translate("MainWindow", " (not complete race)",
                                                   "Added to the log name if the log is not complete");
    row.user = text(metadata.at("userName"));
    row.settingsSet = text(metadata.at("settSetName"));

    const QDateTime logged = loggedCreationTime(static_cast<quint32>(metadata.at("date").get<qint64>()),
                                                static_cast<quint32>(metadata.at("time").get<qint64>()));
    row.createdAt = (logged.isValid() ? logged : fileTime).toString(QString::fromLatin1(kCreatedAtFormat));
    return row;
}

bool readCatalogueMetadata(const QString &filePath, nlohmann::json &metadata)
{
    Zippy::ZipArchive archive(filePath.toLocal8Bit().toStdString());
    if (!archive.IsOpen() || !archive.HasEntry("metadata.json") || !archive.HasEntry("data.json"))
        return false;
    const std::string text = archive.GetEntry("metadata.json").GetDataAsText();
    if (text.empty())
        return false;
    metadata = nlohmann::json::parse(text, nullptr, true, false);
    return true;
}
