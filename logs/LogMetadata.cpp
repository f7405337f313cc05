#include "LogMetadata.h"

#include "LogSession.h"
#include "ZipArchive.h"

#include <QFile>

using nlohmann::json;

namespace {

// The member `key` of `object`, null when it has none (as for a null object);
// the library's type error when `object` is something else.
const json &member(const json &object, const char *key)
{
    static const json kNone;
    if (object.is_null())
        return kNone;
    if (!object.is_object())
        throw json::type_error::create(305, std::string("cannot use operator[] with a string argument with ")
                                                + object.type_name(),
                                       nullptr);
    const auto it = object.find(key);
    return it == object.end() ? kNone : *it;
}

} // namespace

QString logFileNameFilter()
{
    return QLatin1Char('*') + QLatin1String(kLogFileExtension);
}

json readLogMetadataDocument(const QString &path, LogEntries required)
{
    Zippy::ZipArchive archive(QFile::encodeName(path).toStdString());
    const auto requireEntry = [&archive](const char *name) {
        if (!archive.HasEntry(name))
            throw LogFileError(std::string("The file holds no ") + name, LogFileError::Reason::MissingEntry);
    };
    requireEntry(kLogMetadataEntry);
    if (required == LogEntries::MetadataAndData)
        requireEntry(kLogDataEntry);

    // The stated size bounds what the zip layer inflates, so a huge entry is
    // refused before any of it is read.
    const std::uint64_t size = archive.GetEntrySize(kLogMetadataEntry);
    if (size == 0)
        throw LogFileError(std::string(kLogMetadataEntry) + " is empty", LogFileError::Reason::EmptyMetadata);
    if (size > kMaxLogMetadataSize)
        throw LogFileError(std::string(kLogMetadataEntry) + " holds " + std::to_string(size)
                           + " bytes, more than a log's metadata (at most " + std::to_string(kMaxLogMetadataSize)
                           + ")");
    const std::string text = archive.GetEntry(kLogMetadataEntry).GetDataAsText();
    archive.Close();

    // Refused while parsing: a document nested without end would otherwise
    // be built whole first.
    const json::parser_callback_t limitDepth = [](int depth, json::parse_event_t event, json &) {
        if ((event == json::parse_event_t::object_start || event == json::parse_event_t::array_start)
            && depth >= kMaxLogMetadataDepth)
            throw LogFileError(std::string(kLogMetadataEntry) + " nests deeper than a log's metadata (at most "
                               + std::to_string(kMaxLogMetadataDepth) + " levels)");
        return true;
    };
    return json::parse(text, limitDepth, true, false);
}

float logMetadataFloat(const json &value, const char *key)
{
    const double number = value.get<double>();
    if (std::abs(number) > double(std::numeric_limits<float>::max()))
        throw json::out_of_range::create(
            406, std::string("\"") + key + "\": the number " + value.dump() + " is out of range", nullptr);
    return float(number);
}

QString logMetadataIntegerText(const json &value, const char *key)
{
    if (value.is_number_unsigned())
        return QString::number(value.get<quint64>());
    return QString::number(logMetadataNumber<qint64>(value, key));
}

QString logSessionTitle(const json &metadata, const QString &noName)
{
    const auto text = [](const json &value) { return QString::fromStdString(value.get<std::string>()); };
    const QString device = metadata.contains(logkey::deviceName) ? text(metadata.at(logkey::deviceName)) : noName;
    const json &registration = member(metadata, logkey::userRegNum);
    const QString country = text(member(registration, logkey::country));
    const QString number = logMetadataIntegerText(member(registration, logkey::num), logkey::num);
    const QString session
        = logMetadataIntegerText(member(member(metadata, logkey::head), logkey::sessionNumber), logkey::sessionNumber);
    // One substitution for all parts: a "%1" in a name stays text.
    return QStringLiteral("%1 (%2-%3): %4").arg(device, country, number, session);
}

const json &logParameterList(const json &metadata)
{
    return member(member(metadata, logkey::parametersDesc), logkey::parameters);
}

QStringList logParameterNames(const json &list)
{
    const auto typeError = [](const char *expected, const char *actual) {
        return json::type_error::create(302, std::string("type must be ") + expected + ", but is " + actual, nullptr);
    };
    QStringList names;
    if (list.is_null())
        return names;
    if (!list.is_array())
        throw typeError("array", list.type_name());
    if (list.size() > std::size_t(kMaxLogParameters))
        throw json::out_of_range::create(406, "a log holds at most " + std::to_string(kMaxLogParameters)
                                                  + " parameters, the file lists " + std::to_string(list.size()),
                                         nullptr);
    for (const json &entry : list) {
        if (!entry.is_array())
            throw typeError("array", entry.type_name());
        if (entry.empty())
            throw typeError("string", "null");
        if (!entry[0].is_string())
            throw typeError("string", entry[0].type_name());
        names.append(QString::fromStdString(entry[0].get<std::string>()));
    }
    return names;
}

QDateTime loggedCreationTime(quint32 date, quint32 time)
{
    const QDate day = logBcdDate(date);
    const QTime clock = logBcdTime(time);
    if (!day.isValid() || !clock.isValid())
        return {};
    const QDateTime result(day, clock, Qt::LocalTime);
    if (!result.isValid() || day.year() < 2022)
        return {};
    return result;
}
