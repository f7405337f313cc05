#include "LogSamples.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <set>
#include <string>

using nlohmann::json;

namespace {

const char kNull[] = "null";
const char kObject[] = "object";
const char kArray[] = "array";
const char kString[] = "string";
const char kBoolean[] = "boolean";
const char kNumber[] = "number";

void fillRecord(const json &element, std::vector<double> &values, SampleRecord &record)
{
    record = SampleRecord{};
    record.values = values.data();
    if (!element.is_object()) {
        record.isObject = false;
        record.type = element.type_name();
        return;
    }
    const auto common = element.find("common");
    if (common == element.end()) {
        record.common = SampleRecord::Field::Missing;
    } else if (common->is_null()) {
        record.common = SampleRecord::Field::Null;
    } else if (common->is_object()) {
        record.common = SampleRecord::Field::Good;
        const auto time = common->find("time_ms");
        if (time == common->end()) {
            record.time = SampleRecord::Field::Missing;
        } else if (time->is_null()) {
            record.time = SampleRecord::Field::Null;
        } else if (time->is_number()) {
            record.time = SampleRecord::Field::Good;
            record.timeMs = time->get<double>();
        } else {
            record.time = SampleRecord::Field::Bad;
            record.timeType = time->type_name();
        }
    } else {
        record.common = SampleRecord::Field::Bad;
        record.commonType = common->type_name();
    }

    const auto data = element.find("data");
    if (data == element.end() || data->is_null())
        return;
    if (data->is_array()) {
        record.valueCount = static_cast<qint64>(data->size());
        const std::size_t n = std::min(data->size(), values.size());
        for (std::size_t j = 0; j < n; ++j) {
            const json &value = (*data)[j];
            if (!value.is_number())
                break;
            values[j] = value.get<double>();
            record.numericValues = static_cast<int>(j + 1);
        }
    } else if (data->is_object()) {
        record.valueCount = static_cast<qint64>(data->size());
    } else {
        record.valueCount = 1;
    }
}

// A validating JSON reader over a chunked text that knows the shape of a
// sample list and extracts from each sample only what the plot needs.
class SampleStreamParser
{
public:
    SampleStreamParser(const TextSource &source, int capacity, SampleSink &sink)
        : m_source(source)
        , m_values(static_cast<std::size_t>(std::max(capacity, 0)))
        , m_sink(sink)
    {
    }

    void run(const std::function<qint64()> &arrayCount);

private:
    bool refill();
    qint64 position() const { return m_consumed + (m_p - m_chunk); }
    int skipWhitespace();
    int get();
    [[noreturn]] void fail(const std::string &message) const;
    [[noreturn]] void failUnexpected(int c, const char *context, const char *expected) const;

    void expectLiteral(const char *rest);
    const char *scalar(int c, double *number);
    const char *skipValue();
    void parseString(std::string *out);
    void parseEscape(std::string *out);
    unsigned readHex4();
    double parseNumber();
    double convertNumber(const char *begin, const char *end);

    void parseSample();
    void parseCommon(SampleRecord &record);
    void parseData(SampleRecord &record);
    void readKey(int c);

    const TextSource &m_source;
    const char *m_p = nullptr;
    const char *m_end = nullptr;
    const char *m_chunk = nullptr;
    qint64 m_consumed = 0;
    qint64 m_line = 0;
    qint64 m_lineStart = 0;
    bool m_atEnd = false;
    std::string m_token;
    std::string m_key;
    std::vector<double> m_values;
    SampleSink &m_sink;
};

bool SampleStreamParser::refill()
{
    if (m_atEnd)
        return false;
    m_consumed += m_end - m_chunk;
    const char *begin = nullptr;
    const char *end = nullptr;
    while (m_source(begin, end)) {
        if (begin != end) {
            m_chunk = m_p = begin;
            m_end = end;
            return true;
        }
    }
    m_atEnd = true;
    m_chunk = m_p = m_end = nullptr;
    return false;
}

int SampleStreamParser::skipWhitespace()
{
    for (;;) {
        while (m_p < m_end) {
            const char c = *m_p;
            if (c == ' ' || c == '\t' || c == '\r') {
                ++m_p;
            } else if (c == '\n') {
                ++m_p;
                ++m_line;
                m_lineStart = position();
            } else {
                return static_cast<unsigned char>(c);
            }
        }
        if (!refill())
            return -1;
    }
}

int SampleStreamParser::get()
{
    if (m_p == m_end && !refill())
        return -1;
    return static_cast<unsigned char>(*m_p++);
}

void SampleStreamParser::fail(const std::string &message) const
{
    nlohmann::detail::position_t where;
    where.chars_read_total = static_cast<std::size_t>(position());
    where.chars_read_current_line = static_cast<std::size_t>(position() - m_lineStart);
    where.lines_read = static_cast<std::size_t>(m_line);
    throw json::parse_error::create(101, where, message, nullptr);
}

void SampleStreamParser::failUnexpected(int c, const char *context, const char *expected) const
{
    std::string what = std::string("syntax error while parsing ") + context + " - ";
    if (c < 0)
        what += "unexpected end of input";
    else
        what += std::string("unexpected '") + static_cast<char>(c) + "'";
    what += std::string("; expected ") + expected;
    fail(what);
}

void SampleStreamParser::expectLiteral(const char *rest)
{
    for (const char *r = rest; *r; ++r) {
        if (get() != static_cast<unsigned char>(*r))
            fail("syntax error while parsing value - invalid literal");
    }
}

// One value that starts with `c` and is not a container. Returns its type
// name; a number's value goes to `number` when given.
const char *SampleStreamParser::scalar(int c, double *number)
{
    switch (c) {
    case '"':
        ++m_p;
        parseString(nullptr);
        return kString;
    case 't':
        ++m_p;
        expectLiteral("rue");
        return kBoolean;
    case 'f':
        ++m_p;
        expectLiteral("alse");
        return kBoolean;
    case 'n':
        ++m_p;
        expectLiteral("ull");
        return kNull;
    case '-':
    case '0': case '1': case '2': case '3': case '4':
    case '5': case '6': case '7': case '8': case '9': {
        const double value = parseNumber();
        if (number)
            *number = value;
        return kNumber;
    }
    default:
        if (c < 0)
            failUnexpected(c, "value", "'[', '{', or a literal");
        fail("syntax error while parsing value - invalid literal");
    }
}

// Reads and checks any value, containers included, without recursion.
const char *SampleStreamParser::skipValue()
{
    int c = skipWhitespace();
    if (c != '[' && c != '{')
        return scalar(c, nullptr);

    enum class State { ValueOrClose, Value, KeyOrClose, Key, AfterValue };
    const char *type = c == '[' ? kArray : kObject;
    std::vector<char> stack;
    stack.push_back(static_cast<char>(c));
    ++m_p;
    State state = c == '[' ? State::ValueOrClose : State::KeyOrClose;
    for (;;) {
        if (state == State::AfterValue && stack.empty())
            return type;
        c = skipWhitespace();
        switch (state) {
        case State::ValueOrClose:
            if (c == ']') {
                ++m_p;
                stack.pop_back();
                state = State::AfterValue;
                break;
            }
            [[fallthrough]];
        case State::Value:
            if (c == '[') {
                stack.push_back('[');
                ++m_p;
                state = State::ValueOrClose;
            } else if (c == '{') {
                stack.push_back('{');
                ++m_p;
                state = State::KeyOrClose;
            } else {
                scalar(c, nullptr);
                state = State::AfterValue;
            }
            break;
        case State::KeyOrClose:
            if (c == '}') {
                ++m_p;
                stack.pop_back();
                state = State::AfterValue;
                break;
            }
            [[fallthrough]];
        case State::Key:
            if (c != '"')
                failUnexpected(c, "object key", "string literal");
            ++m_p;
            parseString(nullptr);
            c = skipWhitespace();
            if (c != ':')
                failUnexpected(c, "object separator", "':'");
            ++m_p;
            state = State::Value;
            break;
        case State::AfterValue: {
            const bool inArray = stack.back() == '[';
            if (c == ',') {
                ++m_p;
                state = inArray ? State::Value : State::Key;
            } else if (c == (inArray ? ']' : '}')) {
                ++m_p;
                stack.pop_back();
            } else {
                failUnexpected(c, inArray ? "array" : "object", inArray ? "']'" : "'}'");
            }
            break;
        }
        }
    }
}

unsigned SampleStreamParser::readHex4()
{
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
        const int c = get();
        value <<= 4;
        if (c >= '0' && c <= '9')
            value |= static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            value |= static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            value |= static_cast<unsigned>(c - 'A' + 10);
        else
            fail("syntax error while parsing value - invalid string: '\\u' must be followed by 4 hex digits");
    }
    return value;
}

void SampleStreamParser::parseEscape(std::string *out)
{
    const int c = get();
    char plain = 0;
    switch (c) {
    case '"': plain = '"'; break;
    case '\\': plain = '\\'; break;
    case '/': plain = '/'; break;
    case 'b': plain = '\b'; break;
    case 'f': plain = '\f'; break;
    case 'n': plain = '\n'; break;
    case 'r': plain = '\r'; break;
    case 't': plain = '\t'; break;
    case 'u': {
        unsigned codePoint = readHex4();
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
            if (get() != '\\' || get() != 'u')
                fail("syntax error while parsing value - invalid string: surrogate U+D800..U+DBFF must be followed by U+DC00..U+DFFF");
            const unsigned low = readHex4();
            if (low < 0xDC00 || low > 0xDFFF)
                fail("syntax error while parsing value - invalid string: surrogate U+D800..U+DBFF must be followed by U+DC00..U+DFFF");
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
        } else if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) {
            fail("syntax error while parsing value - invalid string: surrogate U+DC00..U+DFFF must follow U+D800..U+DBFF");
        }
        if (out) {
            if (codePoint < 0x80) {
                out->push_back(static_cast<char>(codePoint));
            } else if (codePoint < 0x800) {
                out->push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
                out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
            } else if (codePoint < 0x10000) {
                out->push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
                out->push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
                out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
            } else {
                out->push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
                out->push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
                out->push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
                out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
            }
        }
        return;
    }
    default:
        fail("syntax error while parsing value - invalid string: forbidden character after backslash");
    }
    if (out)
        out->push_back(plain);
}

// After the opening quote; checks escapes and UTF-8 as the JSON library does.
void SampleStreamParser::parseString(std::string *out)
{
    for (;;) {
        const char *run = m_p;
        while (m_p < m_end) {
            const unsigned char c = static_cast<unsigned char>(*m_p);
            if (c == '"' || c == '\\' || c < 0x20 || c >= 0x80)
                break;
            ++m_p;
        }
        if (out)
            out->append(run, m_p);
        if (m_p == m_end) {
            if (!refill())
                fail("syntax error while parsing value - invalid string: missing closing quote");
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(*m_p++);
        if (c == '"')
            return;
        if (c == '\\') {
            parseEscape(out);
            continue;
        }
        if (c < 0x20)
            fail("syntax error while parsing value - invalid string: control character must be escaped");

        // A multi-byte UTF-8 sequence: lead byte c, then the allowed ranges of
        // its continuation bytes.
        int lo = 0x80, hi = 0xBF, more = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c == 0xE0) {
            more = 2; lo = 0xA0;
        } else if ((c >= 0xE1 && c <= 0xEC) || c == 0xEE || c == 0xEF) {
            more = 2;
        } else if (c == 0xED) {
            more = 2; hi = 0x9F;
        } else if (c == 0xF0) {
            more = 3; lo = 0x90;
        } else if (c >= 0xF1 && c <= 0xF3) {
            more = 3;
        } else if (c == 0xF4) {
            more = 3; hi = 0x8F;
        } else {
            fail("syntax error while parsing value - invalid string: ill-formed UTF-8 byte");
        }
        if (out)
            out->push_back(static_cast<char>(c));
        for (int i = 0; i < more; ++i) {
            const int next = get();
            if (next < lo || next > hi)
                fail("syntax error while parsing value - invalid string: ill-formed UTF-8 byte");
            if (out)
                out->push_back(static_cast<char>(next));
            lo = 0x80;
            hi = 0xBF;
        }
    }
}

inline bool isNumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

double SampleStreamParser::parseNumber()
{
    const char *q = m_p;
    while (q < m_end && isNumberChar(*q))
        ++q;
    if (q < m_end) {
        const char *begin = m_p;
        m_p = q;
        return convertNumber(begin, q);
    }
    // The number runs on into the next chunk.
    m_token.assign(m_p, q);
    m_p = q;
    while (refill()) {
        q = m_p;
        while (q < m_end && isNumberChar(*q))
            ++q;
        m_token.append(m_p, q);
        m_p = q;
        if (q < m_end)
            break;
    }
    return convertNumber(m_token.data(), m_token.data() + m_token.size());
}

double SampleStreamParser::convertNumber(const char *begin, const char *end)
{
    const char *c = begin;
    const bool negative = *c == '-';
    if (negative)
        ++c;
    const char *digits = c;
    if (c < end && *c == '0') {
        ++c;
    } else if (c < end && *c >= '1' && *c <= '9') {
        while (c < end && *c >= '0' && *c <= '9')
            ++c;
    } else {
        fail("syntax error while parsing value - invalid number; expected digit after '-'");
    }
    const char *integerEnd = c;
    bool isInteger = true;
    if (c < end && *c == '.') {
        isInteger = false;
        ++c;
        const char *fraction = c;
        while (c < end && *c >= '0' && *c <= '9')
            ++c;
        if (c == fraction)
            fail("syntax error while parsing value - invalid number; expected digit after '.'");
    }
    if (c < end && (*c == 'e' || *c == 'E')) {
        isInteger = false;
        ++c;
        if (c < end && (*c == '+' || *c == '-'))
            ++c;
        const char *exponent = c;
        while (c < end && *c >= '0' && *c <= '9')
            ++c;
        if (c == exponent)
            fail("syntax error while parsing value - invalid number; expected digit after exponent sign");
    }
    if (c != end)
        fail("syntax error while parsing value - invalid number");

    if (isInteger && integerEnd - digits <= 19) {
        quint64 value = 0;
        for (const char *d = digits; d < integerEnd; ++d)
            value = value * 10 + static_cast<quint64>(*d - '0');
        if (value == 0)
            return 0.0;
        const double magnitude = static_cast<double>(value);
        return negative ? -magnitude : magnitude;
    }
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Underflow reads as the nearest representable value, overflow fails,
        // as with strtod in the C locale.
        static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
        const std::string text(begin, end);
        value = strtod_l(text.c_str(), nullptr, cLocale);
        if (!std::isfinite(value))
            throw json::out_of_range::create(406, "number overflow parsing '" + text + "'", nullptr);
    } else if (result.ec != std::errc() || result.ptr != end) {
        fail("syntax error while parsing value - invalid number");
    }
    return value;
}

void SampleStreamParser::readKey(int c)
{
    if (c != '"')
        failUnexpected(c, "object key", "string literal");
    ++m_p;
    m_key.clear();
    parseString(&m_key);
    c = skipWhitespace();
    if (c != ':')
        failUnexpected(c, "object separator", "':'");
    ++m_p;
}

void SampleStreamParser::parseCommon(SampleRecord &record)
{
    record.time = SampleRecord::Field::Missing;
    record.timeType = kNull;
    int c = skipWhitespace();
    if (c != '{') {
        const char *type = skipValue();
        record.common = type == kNull ? SampleRecord::Field::Null : SampleRecord::Field::Bad;
        record.commonType = type;
        return;
    }
    record.common = SampleRecord::Field::Good;
    record.commonType = kObject;
    ++m_p;
    c = skipWhitespace();
    if (c == '}') {
        ++m_p;
        return;
    }
    for (;;) {
        readKey(c);
        if (m_key == "time_ms") {
            c = skipWhitespace();
            if (c == '[' || c == '{') {
                record.time = SampleRecord::Field::Bad;
                record.timeType = skipValue();
            } else {
                double value = 0.0;
                const char *type = scalar(c, &value);
                record.timeType = type;
                if (type == kNumber) {
                    record.time = SampleRecord::Field::Good;
                    record.timeMs = value;
                } else {
                    record.time = type == kNull ? SampleRecord::Field::Null : SampleRecord::Field::Bad;
                }
            }
        } else {
            skipValue();
        }
        c = skipWhitespace();
        if (c == ',') {
            ++m_p;
            c = skipWhitespace();
            continue;
        }
        if (c == '}') {
            ++m_p;
            return;
        }
        failUnexpected(c, "object", "'}'");
    }
}

void SampleStreamParser::parseData(SampleRecord &record)
{
    record.valueCount = 0;
    record.numericValues = 0;
    int c = skipWhitespace();
    if (c == '[') {
        ++m_p;
        c = skipWhitespace();
        if (c == ']') {
            ++m_p;
            return;
        }
        const std::size_t capacity = m_values.size();
        bool allNumbers = true;
        std::size_t j = 0;
        for (;; ++j) {
            c = skipWhitespace();
            if (c == '[' || c == '{') {
                skipValue();
                allNumbers = false;
            } else {
                double value = 0.0;
                if (scalar(c, &value) != kNumber)
                    allNumbers = false;
                else if (allNumbers && j < capacity)
                    m_values[j] = value;
                if (allNumbers && j < capacity)
                    record.numericValues = static_cast<int>(j + 1);
            }
            c = skipWhitespace();
            if (c == ',') {
                ++m_p;
                continue;
            }
            if (c == ']') {
                ++m_p;
                break;
            }
            failUnexpected(c, "array", "']'");
        }
        record.valueCount = static_cast<qint64>(j + 1);
        return;
    }
    if (c == '{') {
        // Members with one key count once, as in the parsed document.
        std::set<std::string> keys;
        ++m_p;
        c = skipWhitespace();
        if (c == '}') {
            ++m_p;
            return;
        }
        for (;;) {
            readKey(c);
            keys.insert(m_key);
            skipValue();
            c = skipWhitespace();
            if (c == ',') {
                ++m_p;
                c = skipWhitespace();
                continue;
            }
            if (c == '}') {
                ++m_p;
                break;
            }
            failUnexpected(c, "object", "'}'");
        }
        record.valueCount = static_cast<qint64>(keys.size());
        return;
    }
    record.valueCount = skipValue() == kNull ? 0 : 1;
}

void SampleStreamParser::parseSample()
{
    SampleRecord record;
    record.values = m_values.data();
    int c = skipWhitespace();
    if (c != '{') {
        record.isObject = false;
        record.type = skipValue();
        m_sink.sample(record);
        return;
    }
    ++m_p;
    c = skipWhitespace();
    if (c != '}') {
        for (;;) {
            readKey(c);
            if (m_key == "common")
                parseCommon(record);
            else if (m_key == "data")
                parseData(record);
            else
                skipValue();
            c = skipWhitespace();
            if (c == ',') {
                ++m_p;
                c = skipWhitespace();
                continue;
            }
            if (c == '}')
                break;
            failUnexpected(c, "object", "'}'");
        }
    }
    ++m_p;
    m_sink.sample(record);
}

void SampleStreamParser::run(const std::function<qint64()> &arrayCount)
{
    refill();
    // A byte order mark is skipped, as the JSON library does.
    if (m_p < m_end && static_cast<unsigned char>(*m_p) == 0xEF) {
        ++m_p;
        if (get() != 0xBB || get() != 0xBF)
            fail("syntax error while parsing value - invalid BOM; must be 0xEF 0xBB 0xBF if given");
    }
    int c = skipWhitespace();
    if (c < 0)
        fail("attempting to parse an empty input; check that your input string or stream contains the expected JSON");
    if (c != '[') {
        // Not a sample list: small enough to be parsed as a whole.
        std::string text(m_p, m_end);
        while (refill())
            text.append(m_p, m_end);
        const json document = json::parse(text);
        readSamples(document, static_cast<int>(m_values.size()), m_sink);
        return;
    }
    ++m_p;
    m_sink.begin(arrayCount());
    c = skipWhitespace();
    if (c == ']') {
        ++m_p;
    } else {
        for (;;) {
            parseSample();
            c = skipWhitespace();
            if (c == ',') {
                ++m_p;
                continue;
            }
            if (c == ']') {
                ++m_p;
                break;
            }
            failUnexpected(c, "array", "']'");
        }
    }
    c = skipWhitespace();
    if (c >= 0)
        failUnexpected(c, "value", "end of input");
}

} // namespace

void readSamples(const json &data, int capacity, SampleSink &sink)
{
    std::vector<double> values(static_cast<std::size_t>(std::max(capacity, 0)));
    SampleRecord record;
    if (data.is_array() || data.is_object()) {
        sink.begin(static_cast<qint64>(data.size()));
        for (const json &element : data) {
            fillRecord(element, values, record);
            sink.sample(record);
        }
    } else if (data.is_null()) {
        sink.begin(0);
    } else {
        sink.begin(1);
        fillRecord(data, values, record);
        sink.sample(record);
    }
}

void streamSamples(const TextSource &source, int capacity, const std::function<qint64()> &arrayCount,
                   SampleSink &sink)
{
    SampleStreamParser parser(source, capacity, sink);
    parser.run(arrayCount);
}

void ArrayElementCounter::feed(const char *begin, const char *end)
{
    // Bytes that matter outside strings: quotes, brackets, braces, commas.
    static const auto structural = [] {
        std::array<bool, 256> table{};
        for (unsigned char c : {'"', '[', ']', '{', '}', ','})
            table[c] = true;
        return table;
    }();
    const char *p = begin;
    while (p < end) {
        if (m_inString) {
            while (p < end && *p != '"' && *p != '\\' && !m_escape)
                ++p;
            if (p == end)
                break;
            if (m_escape)
                m_escape = false;
            else if (*p == '\\')
                m_escape = true;
            else
                m_inString = false;
            ++p;
            continue;
        }
        if (m_depth > 1) {
            // Inside a sample only nesting and strings count.
            while (p < end && !structural[static_cast<unsigned char>(*p)])
                ++p;
            if (p == end)
                break;
        }
        const char c = *p++;
        switch (c) {
        case '"':
            m_inString = true;
            if (m_depth == 1)
                m_pending = true;
            break;
        case '[':
        case '{':
            if (m_depth == 1)
                m_pending = true;
            ++m_depth;
            break;
        case ']':
        case '}':
            --m_depth;
            break;
        case ',':
            if (m_depth == 1) {
                ++m_count;
                m_pending = false;
            }
            break;
        case ' ':
        case '\t':
        case '\r':
        case '\n':
            break;
        default:
            if (m_depth == 1)
                m_pending = true;
            break;
        }
    }
}
