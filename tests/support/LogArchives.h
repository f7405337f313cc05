#pragma once

#include <nlohmann/json.hpp>

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <zip.h>

// Writes test log files entry by entry, so broken files can be made as well
// as sound ones.
namespace fixture {

using Entries = QList<QPair<QString, QByteArray>>;

inline bool writeArchive(const QString &path, const Entries &entries)
{
    int error = 0;
    zip_t *archive = zip_open(path.toLocal8Bit().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    QList<QByteArray> kept; // libzip reads the bytes when the archive is closed
    for (const auto &entry : entries) {
        kept.append(entry.second);
        zip_source_t *source = zip_source_buffer(archive, kept.last().constData(),
                                                 static_cast<zip_uint64_t>(kept.last().size()), 0);
        if (!source || zip_file_add(archive, entry.first.toUtf8().constData(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

inline nlohmann::json metadata(const QStringList &parameters)
{
    nlohmann::json list = nlohmann::json::array();
    for (const QString &name : parameters)
        list.push_back({name.toStdString(), 1, 5});
    return {
        {"blVersion", 261}, {"date", 0x09122600}, {"deviceName", "Vadur"}, {"energyRefJ", 7200},
        {"escName", "E"}, {"escVersion", 0}, {"fwVersion", 261},
        {"head", {{"dotsCount", 3}, {"header", 0}, {"previousSessionAddress", 0}, {"sessionNumber", 7}}},
        {"hwVersion", 291}, {"latitude", 1.5}, {"loggerFreqHz", 100}, {"longitude", 2.5},
        {"modelName", "M"}, {"motorName", "Mo"}, {"motorPoles", 4},
        {"parametersDesc", {{"logDotSize", 17}, {"parameters", list},
                            {"parametersCount", parameters.size()}, {"version", 1}}},
        {"settSetName", "S"}, {"settingsSet", 1}, {"time", 0x14305900}, {"userName", "Ivan"},
        {"userRegNum", {{"country", "RUS"}, {"num", 12}}},
    };
}

inline nlohmann::json sample(const nlohmann::json &timeMs, const nlohmann::json &values)
{
    return {{"common", {{"sessionNumber", 7}, {"time_ms", timeMs}}}, {"data", values}};
}

inline QByteArray text(const nlohmann::json &value)
{
    return QByteArray::fromStdString(value.dump(4));
}

inline bool writeLog(const QString &path, const nlohmann::json &meta, const nlohmann::json &samples)
{
    return writeArchive(path, {{"metadata.json", text(meta)}, {"data.json", text(samples)}});
}

// Writes a sound log under a name of its own in `folder`; a test that cannot
// write its fixture stops.
inline QString writeLogIn(const QString &folder, const nlohmann::json &meta, const nlohmann::json &samples)
{
    static int serial = 0;
    const QString path = folder + QStringLiteral("/log%1.verira").arg(++serial);
    if (!writeLog(path, meta, samples))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace fixture
