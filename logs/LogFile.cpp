#include "LogFile.h"

#include "JsonNumberTexts.h"
#include "ZipArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <cstring>
#include <type_traits>

Q_LOGGING_CATEGORY(lcLogFile, "logs.file")

using nlohmann::json;

namespace {

constexpr int kMaxNameComponentLength = 64;

std::string localPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

template <std::size_t N>
std::string fieldString(const char (&field)[N])
{
    const QByteArray bytes = logFieldBytes(field);
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

// ---- data.json ------------------------------------------------------------
//
// The dots are many (a 16 MiB session makes some 150 MB of text), so the array
// is written straight into one buffer instead of being built as a JSON value
// first. The bytes are those of the library's dump with an indent of 4: the
// same layout, keys in ascending order, and the library's own number texts
// (JsonNumberTexts, for the dots of one stretch at a time).

class DataJsonWriter
{
public:
    explicit DataJsonWriter(std::vector<char> &out) : m_out(out) {}

    void write(const std::vector<LogDot> &dots)
    {
        if (dots.empty()) {
            text("[]");
            return;
        }
        // An upper bound of the text: untouched room costs no memory, and the
        // buffer never has to be moved while it grows.
        std::size_t bound = 16;
        for (const LogDot &dot : dots)
            bound += 192 + 48 * dot.values.size();
        m_out.reserve(m_out.size() + bound);

        text("[\n");
        for (std::size_t first = 0; first < dots.size(); first += kStretch) {
            const std::size_t last = std::min(dots.size(), first + kStretch);
            JsonNumberTexts numbers(floatsOf(dots, first, last));
            m_numbers = &numbers;
            for (std::size_t i = first; i < last; ++i) {
                if (i != 0)
                    text(",\n");
                writeDot(dots[i]);
            }
            m_numbers = nullptr;
        }
        text("\n]");
    }

private:
    // Dots whose number texts are made at once: few enough that their texts
    // take little memory beside the whole document.
    static constexpr std::size_t kStretch = 1024;

    // The float values of dots first to last, in the order they are written.
    const std::vector<double> &floatsOf(const std::vector<LogDot> &dots, std::size_t first, std::size_t last)
    {
        m_floats.clear();
        for (std::size_t i = first; i < last; ++i) {
            for (const LogValue &v : dots[i].values) {
                if (const float *f = std::get_if<float>(&v))
                    m_floats.push_back(double(*f));
            }
        }
        return m_floats;
    }

    template <std::size_t N>
    void text(const char (&s)[N])
    {
        m_out.insert(m_out.end(), s, s + N - 1);
    }

    void chars(const char *begin, const char *end) { m_out.insert(m_out.end(), begin, end); }

    template <typename T>
    void integer(T value)
    {
        char buffer[24];
        chars(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    }

    void number()
    {
        const std::string_view number = m_numbers->next();
        chars(number.data(), number.data() + number.size());
    }

    void value(const LogValue &v)
    {
        std::visit(
            [this](auto x) {
                using T = decltype(x);
                if constexpr (std::is_same_v<T, float>)
                    number();
                else if constexpr (std::is_same_v<T, LogRawByte>)
                    integer(unsigned(x));
                else if constexpr (std::is_signed_v<T>)
                    integer(std::int64_t(x));
                else
                    integer(std::uint64_t(x));
            },
            v);
    }

    void writeDot(const LogDot &dot)
    {
        text("    {\n"
             "        \"common\": {\n"
             "            \"sessionNumber\": ");
        integer(unsigned(dot.sessionNumber));
        text(",\n"
             "            \"time_ms\": ");
        integer(dot.time_ms);
        text("\n"
             "        },\n"
             "        \"data\": ");
        if (dot.values.empty()) {
            text("[]\n    }");
            return;
        }
        text("[\n");
        for (std::size_t i = 0; i < dot.values.size(); ++i) {
            if (i != 0)
                text(",\n");
            text("            ");
            value(dot.values[i]);
        }
        text("\n"
             "        ]\n"
             "    }");
    }

    std::vector<char> &m_out;
    std::vector<double> m_floats;
    JsonNumberTexts *m_numbers = nullptr;
};

// ---- CSV ------------------------------------------------------------------

// A float as a text stream writes it by default: 6 significant digits, the
// shorter of fixed and scientific notation.
void appendCsvFloat(QByteArray &out, float value)
{
    if (std::isnan(value)) {
        out += "nan";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    if (value == 0.0f) { // a negative zero too
        out += '0';
        return;
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, double(value), std::chars_format::general, 6).ptr;
    out.append(buffer, qsizetype(end - buffer));
}

template <typename T>
void appendCsvInteger(QByteArray &out, T value)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, qsizetype(end - buffer));
}

void appendCsvValue(QByteArray &out, const LogValue &v)
{
    std::visit(
        [&out](auto x) {
            using T = decltype(x);
            if constexpr (std::is_same_v<T, float>)
                appendCsvFloat(out, x);
            else if constexpr (std::is_same_v<T, LogRawByte>)
                appendCsvInteger(out, unsigned(x));
            else if constexpr (std::is_signed_v<T>)
                appendCsvInteger(out, std::int64_t(x));
            else
                appendCsvInteger(out, std::uint64_t(x));
        },
        v);
}

// A text of the header as the CSV's comment lines show it: control
// characters (line breaks above all) would start a line that reads as data,
// and a double quote opens a quoted field that swallows the lines after it.
QByteArray csvHeaderText(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
        else if (c == QLatin1Char('"'))
            c = QLatin1Char('\'');
    }
    return text.toUtf8();
}

// ---- metadata.json reading -------------------------------------------------

template <std::size_t N>
void copyText(char (&field)[N], const std::string &text, std::size_t limit = N)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min({text.size(), limit, N}));
}


// A position the writer could only store as null reads back as NaN.
float floatAt(const json &object, const char *key)
{
    const json &value = object.at(key);
    return value.is_null() ? std::nanf("") : logMetadataFloat(value, key);
}

} // namespace

QString sanitizeFileNameComponent(const QString &text)
{
    static const QString kForbidden = QStringLiteral("<>:\"/\\|?*");
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || kForbidden.contains(c))
            continue;
        out += c;
    }
    while (out.contains(QLatin1String("..")))
        out.replace(QLatin1String(".."), QLatin1String("."));
    // A leading dot would hide the file.
    while (!out.isEmpty() && (out.front() == QLatin1Char('.') || out.front().isSpace()))
        out.remove(0, 1);
    if (out.size() > kMaxNameComponentLength) {
        out.truncate(kMaxNameComponentLength);
        if (out.back().isHighSurrogate())
            out.chop(1);
    }
    return out;
}

QString logFileBaseName(const QString &logsDir, const LogSession &session, int copy)
{
    const LogHeader &header = session.header();
    QString country = sanitizeFileNameComponent(logFieldText(header.userRegNum.country));
    if (country.isEmpty())
        country = QStringLiteral("None");
    const QDateTime when = session.dateTime();
    QString date = when.isValid() ? when.toString(QStringLiteral("dd.MM.yyyy_hh.mm"))
                                  : sanitizeFileNameComponent(QCoreApplication::translate("LogFile", "NoDate"));
    if (copy > 1)
        date += QStringLiteral("(%1)").arg(copy);
    const QString registration = QStringLiteral("%1-%2").arg(country, QString::number(header.userRegNum.num));
    const QString number = QStringLiteral("%1").arg(header.head.sessionNumber, 3, 10, QLatin1Char('0'));
    // One substitution for all parts: a "%n" in a device's text stays text.
    return QStringLiteral("%1%2%3_(%4)_%5_%6")
        .arg(QDir::toNativeSeparators(logsDir), QString(QDir::separator()),
             sanitizeFileNameComponent(session.fileDeviceName()), registration, date, number);
}

QString logFilePath(const QString &logsDir, const LogSession &session, const QString &extension, int copy)
{
    return logFileBaseName(logsDir, session, copy) + (session.isComplete() ? QString() : QStringLiteral("x"))
        + extension;
}

std::string logMetadataJson(const LogSession &session)
{
    const LogHeader &h = session.header();
    const ParametersDesc &desc = h.parametersDesc;

    json parameters = json::array();
    for (int i = 0; i < logParameterCount(h); ++i) {
        const std::uint8_t descriptor = desc.parameters[i];
        parameters.push_back(
            json::array({fieldString(desc.parameterNames[i]), int(descriptor & 0x0F), int(descriptor >> 4)}));
    }

    json metadata = {
        {logkey::blVersion, unsigned(h.blVersion)},
        {logkey::date, std::uint32_t(h.date)},
        {logkey::deviceName, session.deviceName().toStdString()},
        {logkey::energyRefJ, std::uint32_t(h.energyRefJ)},
        {logkey::escName, fieldString(h.escName)},
        {logkey::escVersion, unsigned(h.escVersion)},
        {logkey::fwVersion, unsigned(h.fwVersion)},
        {logkey::head,
         {{logkey::dotsCount, std::uint32_t(h.head.dotsCount)},
          {logkey::header, std::uint32_t(h.head.header)},
          {logkey::previousSessionAddress, std::uint32_t(h.head.previousSessionAddress)},
          {logkey::sessionNumber, std::uint32_t(h.head.sessionNumber)}}},
        {logkey::hwVersion, unsigned(h.hwVersion)},
        {logkey::latitude, double(h.latitude)},
        {logkey::loggerFreqHz, unsigned(h.loggerFreqHz)},
        {logkey::longitude, double(h.longitude)},
        {logkey::modelName, fieldString(h.modelName)},
        {logkey::motorName, fieldString(h.motorName)},
        {logkey::motorPoles, unsigned(h.motorPoles)},
        {logkey::parametersDesc,
         {{logkey::logDotSize, unsigned(desc.logDotSize)},
          {logkey::parameters, parameters},
          {logkey::parametersCount, unsigned(desc.parametersCount)},
          {logkey::version, unsigned(desc.version)}}},
        {logkey::settSetName, fieldString(h.settSetName)},
        {logkey::settingsSet, unsigned(h.settingsSet)},
        {logkey::time, std::uint32_t(h.time)},
        {logkey::userName, fieldString(h.userName)},
        {logkey::userRegNum, {{logkey::country, fieldString(h.userRegNum.country)}, {logkey::num, unsigned(h.userRegNum.num)}}},
    };
    return metadata.dump(4, ' ', false, json::error_handler_t::replace);
}

std::vector<char> logDataJson(const std::vector<LogDot> &dots)
{
    std::vector<char> out;
    DataJsonWriter(out).write(dots);
    return out;
}

void appendLogCsvLine(QByteArray &out, const LogDot &dot)
{
    appendCsvInteger(out, dot.time_ms);
    out += ", ";
    for (const LogValue &value : dot.values) {
        appendCsvValue(out, value);
        out += ", ";
    }
    out += '\n';
}

LogFileContent logFileContent(const LogSession &session)
{
    return {logMetadataJson(session), logDataJson(session.dots())};
}

namespace {

LogWriteResult failure(LogWriteResult result, const QString &reason)
{
    result.errorString = reason;
    qCWarning(lcLogFile).noquote() << reason;
    return result;
}

} // namespace

QString prepareLogsFolder(const QString &logsDir)
{
    if (logsDir.isEmpty())
        return QCoreApplication::translate("LogFile", "No folder for log files is set.");
    if (!QDir().mkpath(logsDir))
        return QCoreApplication::translate("LogFile", "Cannot create the folder %1.")
            .arg(QDir::toNativeSeparators(logsDir));
    return QString();
}

LogWriteResult writeLogFile(const QString &path, const LogSession &session, LogFileContent &&content)
{
    LogWriteResult result;
    result.filePath = path;
    const QString shownPath = QDir::toNativeSeparators(path);
    // Only the 32 slots of the header are written; a file that says more
    // would be refused by every reader.
    if (const int count = session.header().parametersDesc.parametersCount; count > kMaxLogParameters) {
        return failure(result, QCoreApplication::translate("LogFile", "Cannot write the log file %1: the header "
                                                                      "gives %2 parameters, a log holds at most %3.")
                                   .arg(shownPath).arg(count).arg(kMaxLogParameters));
    }
    try {
        Zippy::ZipArchive archive;
        archive.Create(localPath(path));
        archive.AddEntry(kLogMetadataEntry, content.metadata);
        archive.AddEntry(kLogDataEntry, std::move(content.data));
        archive.Save();
        archive.Close();
    } catch (const std::exception &e) {
        return failure(result, QCoreApplication::translate("LogFile", "Cannot write the log file %1: %2")
                                   .arg(shownPath, QString::fromLocal8Bit(e.what())));
    }
    qCDebug(lcLogFile).noquote() << "Log saved:" << shownPath;
    result.ok = true;
    return result;
}

LogWriteResult saveLogFile(const QString &logsDir, const LogSession &session)
{
    LogWriteResult result;
    const QString base = logFileBaseName(logsDir, session);
    result.filePath = base + (session.isComplete() ? QString() : QStringLiteral("x")) + QLatin1String(kLogFileExtension);
    if (const QString problem = prepareLogsFolder(logsDir); !problem.isEmpty())
        return failure(result, problem);
    result = writeLogFile(result.filePath, session, logFileContent(session));
    if (!result.ok)
        return result;

    // Only now that the complete log is safe the incomplete one can go.
    if (session.isComplete()) {
        const QString incomplete = base + QStringLiteral("x") + QLatin1String(kLogFileExtension);
        if (QFileInfo::exists(incomplete) && !QFile::remove(incomplete))
            qCWarning(lcLogFile).noquote() << "Cannot delete the incomplete log" << QDir::toNativeSeparators(incomplete);
    }
    return result;
}

LogWriteResult exportLogCsv(const QString &logsDir, const LogSession &session, int copy)
{
    LogWriteResult result;
    result.filePath = logFilePath(logsDir, session, QStringLiteral(".csv"), copy);
    const QString shownPath = QDir::toNativeSeparators(result.filePath);
    const auto fail = [&](const QString &reason) {
        return failure(result, QCoreApplication::translate("LogFile", "Cannot write the CSV file %1: %2")
                                   .arg(shownPath, reason));
    };
    // The same sentence as the log file's: said once where both fail.
    if (const QString problem = prepareLogsFolder(logsDir); !problem.isEmpty())
        return failure(result, problem);

    QSaveFile file(result.filePath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());

    const LogHeader &header = session.header();
    const int parameterCount = logParameterCount(header);
    QByteArray out;
    out += "# RADEvadazo Log File. Created: ";
    out += QDateTime::currentDateTime().toString(Qt::TextDate).toUtf8();
    out += "\n# Race date: ";
    out += session.dateTime().toString(Qt::TextDate).toUtf8();
    out += "\n# User: ";
    out += csvHeaderText(logFieldText(header.userName));
    out += "\n# Session: ";
    out += QByteArray::number(header.head.sessionNumber);
    out += "\n# Time_ms, ";
    for (int i = 0; i < parameterCount; ++i) {
        out += csvHeaderText(logFieldText(header.parametersDesc.parameterNames[i]))
                   .replace(", ", "_");
        out += ", ";
    }
    out += '\n';

    constexpr qsizetype kFlushSize = 1 << 20;
    for (const LogDot &dot : session.dots()) {
        appendLogCsvLine(out, dot);
        if (out.size() >= kFlushSize) {
            if (file.write(out) != out.size())
                return fail(file.errorString());
            out.clear();
        }
    }
    if (file.write(out) != out.size() || !file.commit())
        return fail(file.errorString());
    qCDebug(lcLogFile).noquote() << "CSV saved:" << shownPath;
    result.ok = true;
    return result;
}

LogSession readLogMetadata(const QString &path)
{
    const json metadata = readLogMetadataDocument(path, LogEntries::Metadata);

    LogHeader h;
    std::memset(&h, 0, sizeof h);
    h.time = logMetadataNumberAt<std::uint32_t>(metadata, logkey::time);
    h.date = logMetadataNumberAt<std::uint32_t>(metadata, logkey::date);

    const json &head = metadata.at(logkey::head);
    h.head.header = logMetadataNumberAt<std::uint32_t>(head, logkey::header);
    h.head.sessionNumber = logMetadataNumberAt<std::uint32_t>(head, logkey::sessionNumber);
    h.head.dotsCount = logMetadataNumberAt<std::uint32_t>(head, logkey::dotsCount);
    h.head.previousSessionAddress = logMetadataNumberAt<std::uint32_t>(head, logkey::previousSessionAddress);

    const json &desc = metadata.at(logkey::parametersDesc);
    const auto count = logMetadataNumberAt<std::uint64_t>(desc, logkey::parametersCount);
    if (count > std::uint64_t(kMaxLogParameters))
        throw LogFileError("parametersCount is above " + std::to_string(kMaxLogParameters));
    h.parametersDesc.parametersCount = std::uint8_t(count);
    h.parametersDesc.version = logMetadataNumberAt<std::uint8_t>(desc, logkey::version);
    h.parametersDesc.logDotSize = logMetadataNumberAt<std::uint8_t>(desc, logkey::logDotSize);
    if (count != 0) {
        const json &parameters = desc.at(logkey::parameters);
        for (std::size_t i = 0; i < count; ++i) {
            const json &parameter = parameters.at(i);
            copyText(h.parametersDesc.parameterNames[i], parameter.at(0).get<std::string>(), 31);
            const int type = logMetadataNumber<int>(parameter.at(1), "type") & 0x0F;
            const int scale = logMetadataNumber<int>(parameter.at(2), "scale") & 0x0F;
            h.parametersDesc.parameters[i] = std::uint8_t((scale << 4) | type);
        }
    }

    h.latitude = floatAt(metadata, logkey::latitude);
    h.longitude = floatAt(metadata, logkey::longitude);
    h.hwVersion = logMetadataNumberAt<std::uint16_t>(metadata, logkey::hwVersion);
    h.fwVersion = logMetadataNumberAt<std::uint16_t>(metadata, logkey::fwVersion);
    h.blVersion = logMetadataNumberAt<std::uint16_t>(metadata, logkey::blVersion);
    h.escVersion = logMetadataNumberAt<std::uint16_t>(metadata, logkey::escVersion);
    copyText(h.userName, metadata.at(logkey::userName).get<std::string>());
    const json &registration = metadata.at(logkey::userRegNum);
    copyText(h.userRegNum.country, registration.at(logkey::country).get<std::string>());
    h.userRegNum.num = logMetadataNumberAt<std::uint16_t>(registration, logkey::num);
    copyText(h.settSetName, metadata.at(logkey::settSetName).get<std::string>());
    h.settingsSet = logMetadataNumberAt<std::uint8_t>(metadata, logkey::settingsSet);
    h.motorPoles = logMetadataNumberAt<std::uint8_t>(metadata, logkey::motorPoles);
    h.energyRefJ = logMetadataNumberAt<std::uint32_t>(metadata, logkey::energyRefJ);
    h.loggerFreqHz = logMetadataNumberAt<std::uint8_t>(metadata, logkey::loggerFreqHz);
    copyText(h.modelName, metadata.at(logkey::modelName).get<std::string>());
    copyText(h.motorName, metadata.at(logkey::motorName).get<std::string>());
    copyText(h.escName, metadata.at(logkey::escName).get<std::string>());

    LogSession session;
    session.setHeader(h);
    session.setDeviceName(metadata.contains(logkey::deviceName)
                              ? QString::fromStdString(metadata.at(logkey::deviceName).get<std::string>())
                              : QStringLiteral("No name"));
    return session;
}
