#pragma once

// What a log file is made of and how its "metadata.json" is read. Every
// reader of log files (the device program's log list, the viewer's catalogue,
// description and plot) takes the entry names, the keys and the document from
// here, so they agree on what a log file is and on what they refuse.
//
// A log file is a zip archive with the extension ".verira" holding
// "metadata.json" (the session header and the device name) and "data.json"
// (the samples).

#include <nlohmann/json.hpp>

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

inline constexpr char kLogFileExtension[] = ".verira";
inline constexpr char kLogMetadataEntry[] = "metadata.json";
inline constexpr char kLogDataEntry[] = "data.json";

// The pattern that matches log file names, for directory walks and dialogs.
QString logFileNameFilter();

// The keys of "metadata.json".
namespace logkey {
inline constexpr char blVersion[] = "blVersion";
inline constexpr char date[] = "date";
inline constexpr char deviceName[] = "deviceName";
inline constexpr char energyRefJ[] = "energyRefJ";
inline constexpr char escName[] = "escName";
inline constexpr char escVersion[] = "escVersion";
inline constexpr char fwVersion[] = "fwVersion";
inline constexpr char head[] = "head";
inline constexpr char dotsCount[] = "dotsCount";
inline constexpr char header[] = "header";
inline constexpr char previousSessionAddress[] = "previousSessionAddress";
inline constexpr char sessionNumber[] = "sessionNumber";
inline constexpr char hwVersion[] = "hwVersion";
inline constexpr char latitude[] = "latitude";
inline constexpr char loggerFreqHz[] = "loggerFreqHz";
inline constexpr char longitude[] = "longitude";
inline constexpr char modelName[] = "modelName";
inline constexpr char motorName[] = "motorName";
inline constexpr char motorPoles[] = "motorPoles";
inline constexpr char parametersDesc[] = "parametersDesc";
inline constexpr char logDotSize[] = "logDotSize";
inline constexpr char parameters[] = "parameters";
inline constexpr char parametersCount[] = "parametersCount";
inline constexpr char version[] = "version";
inline constexpr char settSetName[] = "settSetName";
inline constexpr char settingsSet[] = "settingsSet";
inline constexpr char time[] = "time";
inline constexpr char userName[] = "userName";
inline constexpr char userRegNum[] = "userRegNum";
inline constexpr char country[] = "country";
inline constexpr char num[] = "num";
} // namespace logkey

// A written "metadata.json" takes about 2.3 KB, at most some 11 KB with 32
// parameters of escaped names; anything beyond this is no log's metadata.
inline constexpr std::size_t kMaxLogMetadataSize = 64 * 1024;

// Objects and arrays nest at most this deep in a log's metadata: the document,
// "parametersDesc", "parameters" and one parameter.
inline constexpr int kMaxLogMetadataDepth = 4;

// A log file that opens as an archive but cannot be taken as a log.
class LogFileError : public std::runtime_error
{
public:
    enum class Reason {
        MissingEntry,  // "metadata.json" or "data.json" is not there
        EmptyMetadata, // "metadata.json" holds no bytes
        Refused,       // the contents are not those of a log
    };

    explicit LogFileError(const std::string &what, Reason reason = Reason::Refused)
        : std::runtime_error(what)
        , m_reason(reason)
    {
    }

    Reason reason() const { return m_reason; }

private:
    Reason m_reason;
};

enum class LogEntries {
    Metadata,        // only "metadata.json" must be there
    MetadataAndData, // "data.json" must be there too
};

// The parsed "metadata.json" of the log file at `path` (no comments allowed).
// Nothing of the file is read beyond that entry. Throws the zip layer's error
// when the file is no readable archive; LogFileError when a required entry is
// missing (naming it), when "metadata.json" is empty, larger than
// kMaxLogMetadataSize or nested deeper than kMaxLogMetadataDepth; and the
// JSON library's parse error.
nlohmann::json readLogMetadataDocument(const QString &path, LogEntries required);

// A number of the metadata converted to T by the JSON library's conversion
// (integers, floating numbers and booleans are taken). A floating number whose
// integer part T cannot hold is refused with the library's out-of-range error
// instead of being converted with an undefined result (the error names `key`);
// a value of another type throws the library's type error.
template <typename T>
T logMetadataNumber(const nlohmann::json &value, const char *key)
{
    if (value.is_number_float()) {
        const double whole = std::trunc(value.get<double>());
        if (!(whole >= double(std::numeric_limits<T>::lowest()) && whole < double(std::numeric_limits<T>::max()) + 1.0))
            throw nlohmann::json::out_of_range::create(
                406, std::string("\"") + key + "\": the number " + value.dump() + " is out of range", nullptr);
        return static_cast<T>(whole);
    }
    return value.get<T>();
}

// The number under `key` of `object` as logMetadataNumber converts it; the
// library's out-of-range error for a missing key.
template <typename T>
T logMetadataNumberAt(const nlohmann::json &object, const char *key)
{
    return logMetadataNumber<T>(object.at(key), key);
}

// A number of the metadata in single precision; beyond the range of a float
// it is refused with the library's out-of-range error naming `key`.
float logMetadataFloat(const nlohmann::json &value, const char *key);

// An integer of the metadata in decimal, without padding.
QString logMetadataIntegerText(const nlohmann::json &value, const char *key);

// The title of a logged session, "<device> (<country>-<number>): <session>",
// with `noName` for a metadata without "deviceName". Throws the JSON library's
// type error when a key is missing or of the wrong type, and its out-of-range
// error for a number no integer can hold.
QString logSessionTitle(const nlohmann::json &metadata, const QString &noName);

// "parametersDesc"."parameters" of the metadata, or null when either key is
// missing. Throws the JSON library's type error when a level on the way is
// neither an object nor null.
const nlohmann::json &logParameterList(const nlohmann::json &metadata);

// The names of the entries of a parameter list (each an array beginning with
// the name); none for a null list. Throws the JSON library's type error for an
// entry of another shape, and its out-of-range error for a list of more
// parameters than a log can hold.
QStringList logParameterNames(const nlohmann::json &list);

// The logged creation time as the viewer's catalogue shows it: the BCD words
// "date" and "time" taken as local time; invalid when the digits give no date
// and time or the year lies before 2022.
QDateTime loggedCreationTime(quint32 date, quint32 time);
